#include "files/HeroFiles.h"

#include "app/AtomicFile.h"
#include "app/HeroOperations.h"
#include "app/Pages.h"
#include "files/HeroFileReader.h"
#include "files/HeroFileWriter.h"
#include "hero/AttributeScores.h"
#include "hero/HeroDocument.h"
#include "hero/HeroIdentity.h"
#include "hero/Professions.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kSaveFailed = "Error trying to save file";
constexpr const char* kFileSaved = "File Saved";
constexpr const char* kXmlFilter = "XML files (*.xml)";

// The problems the post-load checks name, by profession list position.
struct SpecializationCheck {
    int position;
    const char* message;
};
constexpr SpecializationCheck kSpecializationChecks[] = {
    {kWeaponSpecializationPosition, "Combat Spec Specialization Not Set"},
    {kResistanceBonusPosition, "Free Agent Resistance Bonus Not Set"},
    {kPsionicSpecializationPosition, "Mindwalker Specialization Not Set"},
};
constexpr const char* kPrimitiveUnknown = "Primitive Penalty Reduction Could Not Be Determined";

// The file dialogs start in the folder of the hero's file, when it has one.
FileDialogRequest Dialog(const char* title, const std::string& fileName) {
    FileDialogRequest request;
    request.title = title;
    request.filter = kXmlFilter;
    request.defaultExtension = "xml";
    request.initialName = "*.xml";
    if (!fileName.empty()) {
        const fs::path file(fileName);
        request.directory = file.parent_path();
        request.initialName = file.filename().string();
    }
    return request;
}

} // namespace

HeroFiles::HeroFiles(HeroOperations& builder)
    : builder_(builder), messages_(builder.Document().logs) {}

// --- the File menu ------------------------------------------------------------------------

bool HeroFiles::OfferToSave() {
    HeroDocument& document = builder_.Document();
    if (!document.Changed()) return true;
    switch (document.prompter.ask("Save Changes?")) {
    case Answer::No:
        return true;
    case Answer::Cancel:
        return false;
    case Answer::Yes:
        break;
    }
    // A hero whose changes could not be saved stays: going on would lose them.
    return Save();
}

void HeroFiles::OpenCharacter() {
    if (!OfferToSave()) return;
    HeroDocument& document = builder_.Document();
    FileDialogRequest request = Dialog("Open Character", document.Hero.FileName);
    StartInLastFolder(request);
    const auto path = document.prompter.openFile(request);
    if (!path) return;
    if (OpenPath(*path)) Remember(path->string());
}

void HeroFiles::OpenRecent(const std::string& path) {
    if (!OfferToSave()) return;
    if (OpenPath(path)) {
        Remember(path);
    } else if (recent_) {
        std::error_code error;
        if (!fs::exists(path, error)) recent_->Remove(path);
    }
}

bool HeroFiles::Save() {
    HeroDocument& document = builder_.Document();
    const std::string fileName = document.Hero.FileName;
    if (fileName.empty()) return SaveWithDialog();
    if (!SaveHeroFile(fileName)) return false;
    HeroDocument::Operation operation(document);
    document.SetChanged(false);
    Remember(fileName);
    return true;
}

bool HeroFiles::SaveAs() {
    return SaveWithDialog();
}

bool HeroFiles::SaveWithDialog() {
    HeroDocument& document = builder_.Document();
    FileDialogRequest request = Dialog("Save as XML", document.Hero.FileName);
    StartInLastFolder(request);
    const auto path = document.prompter.saveFile(request);
    if (!path) return false;
    if (!SaveHeroFile(*path)) return false;
    HeroDocument::Operation operation(document);
    document.Hero.FileName = path->string();
    document.Touch(Aspect::Identity);
    document.SetChanged(false);
    Remember(document.Hero.FileName);
    return true;
}

void HeroFiles::StartInLastFolder(FileDialogRequest& request) {
    // A hero without a file: the folder of the last hero opened or saved.
    if (request.directory.empty() && !RecentEntries().empty())
        request.directory = fs::path(RecentEntries().front()).parent_path();
}

const std::vector<std::string>& HeroFiles::RecentEntries() {
    if (!recent_) {
        recent_.emplace(builder_.Document().paths.InAppDir("recent.txt"));
        recent_->Load();
    }
    return recent_->Entries();
}

void HeroFiles::Remember(const std::string& path) {
    RecentEntries();
    // A list that cannot be written only loses its memory for the next run.
    recent_->Add(path);
}

// --- opening ------------------------------------------------------------------------------

bool HeroFiles::OpenPath(const fs::path& path) {
    HeroDocument& document = builder_.Document();
    if (LoadHeroFile(path) != HeroLoad::Loaded) return false;
    HeroDocument::Operation operation(document);
    document.Hero.FileName = path.string();
    document.Touch(Aspect::Identity);
    document.Views.SetLabel(kPageLabel, "Main");
    document.SetChanged(false);
    return true;
}

void HeroFiles::OpenStartupHero(const std::string& argument) {
    if (argument.empty()) return;
    HeroDocument& document = builder_.Document();
    bool loaded = false;
    {
        const auto notReady = document.ReadyFor(false);
        HeroDocument::Operation operation(document);
        builder_.ClearHero();
        loaded = LoadHeroFile(argument) == HeroLoad::Loaded;
        // A file that did not open is not the hero's: the title stays "Tavorn".
        if (loaded) document.Hero.FileName = argument;
        document.Touch(Aspect::Identity);
        document.Views.SetLabel(kPageLabel, "Main");
        document.SetChanged(false);
    }
    if (loaded) Remember(argument);
}

HeroLoad HeroFiles::LoadHeroFile(const fs::path& path) {
    Prompter& prompter = builder_.Document().prompter;
    std::error_code error;
    if (!fs::exists(path, error)) {
        prompter.error(path.string() + " does not exist.\rOpen FAILED!");
        return lastLoad_ = HeroLoad::Missing;
    }
    // Only a regular file is read: a folder, a device or a pipe is refused at once.
    const std::optional<std::string> bytes = ReadRegularFile(path);
    if (!bytes) {
        prompter.error(path.string() + " could not be read.\rOpen FAILED!");
        return lastLoad_ = HeroLoad::Unreadable;
    }
    return LoadHeroText(*bytes, path.string());
}

std::string FirstElementName(std::string_view text) {
    std::size_t at = 0;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") at = 3; // the UTF-8 byte order mark
    auto skipPast = [&](std::string_view end) {
        const std::size_t found = text.find(end, at);
        at = found == std::string_view::npos ? text.size() : found + end.size();
    };
    while (at < text.size()) {
        const char c = text[at];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++at;
        } else if (text.substr(at, 2) == "<?") {
            skipPast("?>");
        } else if (text.substr(at, 4) == "<!--") {
            skipPast("-->");
        } else if (text.substr(at, 2) == "<!") {
            // A document type, with an internal subset in brackets when it has one.
            const std::size_t bracket = text.find('[', at);
            const std::size_t close = text.find('>', at);
            if (bracket != std::string_view::npos && bracket < close) {
                at = bracket;
                skipPast("]");
            }
            skipPast(">");
        } else if (c == '<') {
            std::size_t end = at + 1;
            while (end < text.size() && text[end] != ' ' && text[end] != '>' && text[end] != '/' &&
                   text[end] != '\t' && text[end] != '\r' && text[end] != '\n')
                ++end;
            return std::string(text.substr(at + 1, end - at - 1));
        } else {
            return {};
        }
    }
    return {};
}

HeroLoad HeroFiles::LoadHeroText(std::string_view text, const std::string& name) {
    HeroDocument& document = builder_.Document();
    // A file that holds no hero leaves the hero as it is; the import messages say why.
    const std::string root = UpperCase(FirstElementName(text));
    if (root != "HERODATA" && root != "HERO") {
        messages_.Start();
        messages_.Report(fs::path(name).filename().string() +
                         " is not a hero file: it does not start with a hero.");
        {
            HeroDocument::Operation operation(document);
            document.Views.SetTable(kImportErrorsTable, {{messages_.Lines().front()}});
        }
        if (showMessages_) showMessages_();
        return lastLoad_ = HeroLoad::NotAHero;
    }
    {
        const auto loading = document.LoadingFor(true);
        HeroDocument::Operation operation(document);
        builder_.ClearHero();
        messages_.Start();

        HeroFileReader reader(builder_, messages_);
        xmlErrors_ = reader.Read(text, name).errors;

        const THero& hero = document.Hero;
        if (hero.Specialization < 0)
            for (const SpecializationCheck& check : kSpecializationChecks)
                if (hero.ProfessionIndex == check.position) messages_.Report(check.message);
        if (hero.CurrentSpecies.Primitive && !reader.PrimitiveSeen())
            messages_.Report(kPrimitiveUnknown);
        for (const std::string& notice : reader.Notices())
            messages_.Report(notice);
        // Scores outside the limits of the species and profession read are moved into them.
        builder_.Attributes().ApplyLimits();
        const BonusTotals bonuses = builder_.Attributes().Bonuses();
        for (int a = 0; a < kAttributeCount; ++a) {
            const std::size_t i = static_cast<std::size_t>(a);
            const std::optional<int> asked = reader.FileScores()[i];
            // The file holds the base: what the benefits and other bonuses leave out.
            const int base = AttributeBase(hero.Score[i], bonuses.Attr[i]);
            if (asked && *asked != base)
                messages_.Report(kAttributeNames[i] + " score " + std::to_string(*asked) +
                                 " moved into the limits of the species and profession: " +
                                 std::to_string(base));
        }

        TableView rows;
        for (const std::string& line : messages_.Lines())
            rows.push_back({line});
        document.Views.SetTable(kImportErrorsTable, std::move(rows));
    }
    if (!messages_.Lines().empty() && showMessages_) showMessages_();
    return lastLoad_ = HeroLoad::Loaded;
}

// --- saving -------------------------------------------------------------------------------

std::string HeroFiles::HeroFileText() const {
    return HeroFileWriter(builder_).Text();
}

bool HeroFiles::SaveHeroFile(const fs::path& path) {
    Prompter& prompter = builder_.Document().prompter;
    if (!WriteFileAtomically(path, HeroFileText())) {
        prompter.error(kSaveFailed);
        return false;
    }
    prompter.plain(kFileSaved);
    return true;
}
