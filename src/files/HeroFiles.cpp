#include "files/HeroFiles.h"

#include "app/AtomicFile.h"
#include "app/HeroBuilder.h"
#include "files/HeroFileReader.h"
#include "files/HeroFileWriter.h"
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

HeroFiles::HeroFiles(HeroBuilder& builder) : builder_(builder), messages_(builder.logs) {}

// --- the File menu ------------------------------------------------------------------------

void HeroFiles::OpenCharacterClick() {
    // A hero whose changes could not be saved stays: opening another would lose them.
    if (builder_.Changed && builder_.prompter.confirm("Save Changes?") && !Save()) return;
    const auto path = builder_.prompter.openFile(Dialog("Open Character", builder_.Hero.FileName));
    if (!path) return;
    if (OpenPath(*path)) Remember(path->string());
}

void HeroFiles::OpenRecentClick(const std::string& path) {
    if (builder_.Changed && builder_.prompter.confirm("Save Changes?") && !Save()) return;
    if (OpenPath(path)) {
        Remember(path);
    } else if (recent_) {
        std::error_code error;
        if (!fs::exists(path, error)) recent_->Remove(path);
    }
}

bool HeroFiles::Save() {
    const std::string fileName = builder_.Hero.FileName;
    if (fileName.empty()) return SaveWithDialog();
    if (!SaveHeroFile(fileName)) return false;
    builder_.SetChanged(false);
    Remember(fileName);
    builder_.NotifyViews();
    return true;
}

bool HeroFiles::SaveAs() {
    return SaveWithDialog();
}

bool HeroFiles::SaveWithDialog() {
    const auto path = builder_.prompter.saveFile(Dialog("Save as XML", builder_.Hero.FileName));
    if (!path) return false;
    if (!SaveHeroFile(*path)) return false;
    builder_.Hero.FileName = path->string();
    builder_.Views.SetLabel("FileName", builder_.Hero.FileName);
    builder_.SetChanged(false);
    Remember(builder_.Hero.FileName);
    builder_.NotifyViews();
    return true;
}

const std::vector<std::string>& HeroFiles::RecentEntries() {
    if (!recent_) {
        recent_.emplace(builder_.paths.InAppDir("recent.txt"));
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
    const bool wasLoading = builder_.Loading;
    builder_.Loading = true;
    const HeroLoad loaded = LoadHeroFile(path);
    if (loaded != HeroLoad::Loaded) {
        builder_.Loading = wasLoading;
        builder_.NotifyViews();
        return false;
    }
    // The carried equipment is repainted here once the equipment subsystem exists.
    builder_.PaintFixedNotes();
    builder_.Hero.FileName = path.string();
    builder_.Views.SetLabel("FileName", builder_.Hero.FileName);
    builder_.Views.SetLabel("Page", "Main");
    builder_.Loading = wasLoading;
    builder_.SetChanged(false);
    builder_.NotifyViews();
    return true;
}

void HeroFiles::OpenStartupHero(const std::string& argument) {
    builder_.Ready = false;
    builder_.FormClear();
    builder_.Views.SetLabel("FileName", argument);
    const bool loaded = LoadHeroFile(argument) == HeroLoad::Loaded;
    builder_.Hero.FileName = argument;
    builder_.Views.SetLabel("FileName", argument);
    if (loaded) builder_.PaintFixedNotes();
    builder_.Ready = true;
    builder_.Views.SetLabel("Page", "Main");
    builder_.SetChanged(false);
    if (loaded) Remember(argument);
    builder_.NotifyViews();
}

HeroLoad HeroFiles::LoadHeroFile(const fs::path& path) {
    std::error_code error;
    if (!fs::exists(path, error)) {
        builder_.prompter.error(path.string() + " does not exist.\rOpen FAILED!");
        return HeroLoad::Missing;
    }
    std::string bytes;
    bool read = !fs::is_directory(path, error);
    if (read) {
        try {
            std::ifstream in(path, std::ios::binary);
            read = static_cast<bool>(in);
            if (read)
                bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            read = read && !in.bad();
        } catch (const std::exception&) {
            read = false; // the stream reports a failed read by throwing
        }
    }
    if (!read) {
        builder_.prompter.error(path.string() + " could not be read.\rOpen FAILED!");
        return HeroLoad::Unreadable;
    }
    return LoadHeroText(bytes, path.string());
}

HeroLoad HeroFiles::LoadHeroText(std::string_view text, const std::string& name) {
    const bool wasLoading = builder_.Loading;
    builder_.Loading = true;
    builder_.FormClear();
    messages_.Start();

    HeroFileReader reader(builder_, messages_);
    xmlErrors_ = reader.Read(text, name).errors;

    const THero& hero = builder_.Hero;
    if (hero.Specialization < 0)
        for (const SpecializationCheck& check : kSpecializationChecks)
            if (hero.ProfessionIndex == check.position) messages_.Report(check.message);
    if (hero.CurrentSpecies.Primitive && !reader.PrimitiveSeen())
        messages_.Report(kPrimitiveUnknown);

    builder_.CalculateSkillPoints();
    builder_.Loading = wasLoading;
    ReportImportErrors();
    return HeroLoad::Loaded;
}

void HeroFiles::ReportImportErrors() {
    TableView rows;
    for (const std::string& line : messages_.Lines())
        rows.push_back({line});
    builder_.Views.SetTable("ImportErrors", std::move(rows));
    if (!messages_.Lines().empty() && showMessages_) showMessages_();
}

// --- saving -------------------------------------------------------------------------------

std::string HeroFiles::HeroFileText() const {
    return HeroFileWriter(builder_).Text();
}

bool HeroFiles::SaveHeroFile(const fs::path& path) {
    if (!WriteFileAtomically(path, HeroFileText())) {
        builder_.prompter.error(kSaveFailed);
        return false;
    }
    builder_.prompter.plain(kFileSaved);
    return true;
}
