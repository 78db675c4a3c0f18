#include "files/Careers.h"

#include "app/AtomicFile.h"
#include "app/HeroOperations.h"
#include "files/HeroFileWriter.h"
#include "files/HeroFiles.h"
#include "hero/HeroDocument.h"
#include "hero/ProfessionChoice.h"
#include "rules/RulesConfiguration.h"
#include "xml/XmlEventReader.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kSaveFailed = "Error trying to save file";
constexpr const char* kFileSaved = "File Saved";

// The characters a template file name keeps of a source or a name.
std::string FileNamePart(const std::string& text) {
    std::string kept;
    for (char c : text)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')
            kept += c;
    return kept;
}

bool IsTemplateFile(const fs::directory_entry& entry) {
    std::error_code error;
    // Only regular files are read: a folder or a pipe named "x.xml" is passed over.
    if (!entry.is_regular_file(error)) return false;
    return UpperCase(entry.path().extension().string()) == ".XML";
}

// The template's name, source and description, read from the start tags of its file.
void ReadCareer(TCareer& career) {
    const XmlHandlers handlers =
        XmlHandlers::ForTags([&career](const std::string& name, const XmlAttributes& attributes) {
            const std::string element = UpperCase(name);
            for (const XmlAttribute& attribute : attributes) {
                const std::string attributeName = UpperCase(attribute.name);
                if (element == "HERO") {
                    if (attributeName == "CAREER") career.Name = attribute.value;
                    if (attributeName == "SOURCE") career.Source = attribute.value;
                } else if (element == "CAREERNOTE" && attributeName == "TEXT") {
                    career.Notes.push_back(attribute.value);
                }
            }
        });
    // A file that cannot be read whole keeps what was read before the problem.
    ReadXmlFile(career.Path, handlers);
}

// The sources offered by the save dialog: those in play, in the order of the source list.
std::vector<std::string> OfferedSources(const HeroOperations& builder) {
    return builder.Rules().sources.Active();
}

} // namespace

std::string CareerFileName(const std::string& source, const std::string& name) {
    return FileNamePart(source) + "_" + FileNamePart(name) + ".xml";
}

std::string CareerLine(const TCareer& career) {
    return career.Name + " (" + career.Source + ")";
}

std::vector<TCareer> ListedCareers(const std::vector<TCareer>& careers,
                                   const std::function<bool(const std::string&)>& sourceActive) {
    std::vector<TCareer> listed;
    for (const TCareer& career : careers)
        if (sourceActive(career.Source)) listed.push_back(career);
    return listed;
}

CareerFormCheck CheckCareerForm(const CareerForm& form, const fs::path& careersDir,
                                Prompter& prompter) {
    CareerFormCheck check;
    if (form.name.empty()) {
        prompter.error("Enter a name for the template");
        check.focus = CareerField::Name;
        return check;
    }
    if (form.source.empty()) {
        prompter.error("Select a source");
        check.focus = CareerField::Source;
        return check;
    }
    if (TextLines(form.description).empty()) {
        prompter.error("Please enter a description for the template");
        check.focus = CareerField::Description;
        return check;
    }
    check.path = careersDir / CareerFileName(form.source, form.name);
    std::error_code error;
    if (fs::exists(check.path, error) &&
        !prompter.confirm(
            "This template conflicts with an existing template.\rOverwrite existing template?"))
        check.focus = CareerField::Name;
    return check;
}

// --- the commands -------------------------------------------------------------------------

CareerTemplates::CareerTemplates(HeroOperations& builder, HeroFiles& files)
    : builder_(builder), files_(files) {}

bool CareerTemplates::FindCareers() {
    careers_.clear();
    const HeroDocument& document = builder_.Document();
    const fs::path dir = document.paths.CareersDir();
    std::error_code error;
    if (!fs::is_directory(dir, error)) {
        // A missing folder is made, with any missing parents; a file in its place, or a
        // folder that cannot be written, refuses the command and leaves everything as it was.
        error.clear();
        fs::create_directories(dir, error);
        if (error || !fs::is_directory(dir, error)) {
            document.prompter.error("Unable to create \"" + dir.string() + "\"");
            return false;
        }
        return true;
    }

    std::vector<fs::path> files;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error))
        if (IsTemplateFile(*it)) files.push_back(it->path());
    // Alphabetical order whatever the letter case, as a person reads the names.
    std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
        const std::string left = a.filename().string(), right = b.filename().string();
        const std::string upperLeft = UpperCase(left), upperRight = UpperCase(right);
        return upperLeft != upperRight ? upperLeft < upperRight : left < right;
    });
    for (const fs::path& file : files) {
        TCareer career;
        career.Path = file.string();
        ReadCareer(career);
        careers_.push_back(std::move(career));
    }
    return true;
}

std::string CareerTemplates::CareerFileText(const CareerDescriptor& career) const {
    return HeroFileWriter(builder_, career).Text();
}

bool CareerTemplates::SaveCareerFile(const fs::path& path, const CareerDescriptor& career) {
    Prompter& prompter = builder_.Document().prompter;
    if (!WriteFileAtomically(path, CareerFileText(career))) {
        prompter.error(kSaveFailed);
        return false;
    }
    prompter.plain(kFileSaved);
    return true;
}

CareerTemplates::SaveOutcome CareerTemplates::SaveAsCareer(CareerDialogs& dialogs) {
    HeroDocument& document = builder_.Document();
    if (!builder_.Professions().Chosen()) {
        document.prompter.error("Select a profession first");
        return SaveOutcome::NoProfession;
    }
    if (!FindCareers()) return SaveOutcome::Refused;

    const fs::path dir = document.paths.CareersDir();
    Prompter& prompter = document.prompter;
    const auto choice = dialogs.AskCareerTemplate(
        OfferedSources(builder_),
        [&dir, &prompter](const CareerForm& form) { return CheckCareerForm(form, dir, prompter); });
    if (!choice || choice->path.empty()) return SaveOutcome::Cancelled;

    const CareerDescriptor career{choice->form.name, choice->form.source,
                                  TextLines(choice->form.description)};
    // A template that could not be written leaves the hero as it was: still unsaved.
    if (!SaveCareerFile(choice->path, career)) return SaveOutcome::Failed;
    HeroDocument::Operation operation(document);
    document.Hero.FileName.clear();
    document.Touch(Aspect::Identity);
    document.SetChanged(false);
    return SaveOutcome::Saved;
}

bool CareerTemplates::LoadCareer(CareerDialogs& dialogs) {
    HeroDocument& document = builder_.Document();
    if (!FindCareers()) return false;
    if (careers_.empty()) {
        document.prompter.error("No templates found to load");
        return false;
    }
    const RulesConfiguration& rules = builder_.Rules();
    const std::vector<TCareer> listed = ListedCareers(
        careers_, [&rules](const std::string& source) { return rules.ValidSource(source); });
    // The template replaces the hero: unsaved changes are offered for saving first, as
    // "Open Character" does.
    if (!files_.OfferToSave()) return false;
    const auto path = dialogs.ChooseCareer(listed);
    if (!path || path->empty()) return false;

    if (files_.LoadHeroFile(*path) != HeroLoad::Loaded) return false;
    // The new hero is built from the template but belongs to no file yet.
    HeroDocument::Operation operation(document);
    document.Hero.FileName.clear();
    document.Touch(Aspect::Identity);
    document.SetChanged(true);
    return true;
}
