// tavorn-cli: the hero builder without a display.
//
//   tavorn-cli show  [--appdir DIR] HERO.xml...      every view of the loaded hero, as JSON
//   tavorn-cli check [--appdir DIR] HERO.xml...      the import error lines; exit 1 if any
//   tavorn-cli save  [--appdir DIR] IN.xml OUT.xml   open IN and save it as OUT
//   tavorn-cli robot ... and tavorn-cli roster ...   robots and the roster (RobotCommands.h)
//   tavorn-cli ship  [--appdir DIR] --hull NAME ...  a starship design, as JSON
//   tavorn-cli sheet [--appdir DIR] HERO.xml [-o OUT.html] [--zero-level]   the hero sheet
//   tavorn-cli lint-data [--appdir DIR]              the catalogues' problems; exit 1 if any
//
// Exit codes: 0 done, 1 import errors (check), 2 usage error or a file that cannot be read
// or written.

#include "app/HeroBuilder.h"
#include "app/Paths.h"
#include "app/ScriptedPrompter.h"
#include "cli/LintCommand.h"
#include "cli/RobotCommands.h"
#include "cli/SheetCommand.h"
#include "cli/ShipCommand.h"
#include "cli/ViewsJson.h"
#include "files/HeroFiles.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kOk = 0;
constexpr int kImportErrors = 1;
constexpr int kFailure = 2;

constexpr const char* kUsage =
    "usage: tavorn-cli show  [--appdir DIR] HERO.xml...\n"
    "       tavorn-cli check [--appdir DIR] HERO.xml...\n"
    "       tavorn-cli save  [--appdir DIR] IN.xml OUT.xml\n"
    "       tavorn-cli robot show  [--appdir DIR] ROBOT.xml\n"
    "       tavorn-cli robot save  [--appdir DIR] IN.xml OUT.xml\n"
    "       tavorn-cli robot sheet [--appdir DIR] ROBOT.xml -o OUT.html\n"
    "       tavorn-cli roster [--appdir DIR] FILE... -o Roster.html\n"
    "       tavorn-cli ship  [--appdir DIR] --hull NAME ...\n"
    "       tavorn-cli sheet [--appdir DIR] HERO.xml [-o OUT.html] [--zero-level]\n"
    "       tavorn-cli lint-data [--appdir DIR]\n";

struct Arguments {
    std::string command;
    std::optional<fs::path> appDir;
    std::vector<std::string> files;
};

std::optional<Arguments> Parse(int argc, char* argv[]) {
    if (argc < 2) return std::nullopt;
    Arguments arguments;
    arguments.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--appdir") {
            if (++i >= argc) return std::nullopt;
            arguments.appDir = fs::path(argv[i]);
        } else if (argument.rfind("--appdir=", 0) == 0) {
            arguments.appDir = fs::path(argument.substr(9));
        } else {
            arguments.files.push_back(argument);
        }
    }
    if (arguments.command != "show" && arguments.command != "check" && arguments.command != "save")
        return std::nullopt;
    if (arguments.command == "save" ? arguments.files.size() != 2 : arguments.files.empty())
        return std::nullopt;
    return arguments;
}

// The message boxes the last operation would have shown, on standard error.
void PrintMessages(ScriptedPrompter& prompter) {
    for (const auto& message : prompter.messages) {
        if (message.kind != ScriptedPrompter::Kind::Error) continue;
        std::string text = message.text;
        for (char& c : text)
            if (c == '\r') c = ' ';
        std::cerr << "tavorn-cli: " << text << "\n";
    }
    prompter.Clear();
}

// The program started on its folder, as the hero builder starts, without a window.
class Session {
public:
    explicit Session(const fs::path& appDir)
        : paths_(appDir), builder_(prompter_, paths_), files_(builder_) {}

    // False (with a message) when the folder holds no game configuration.
    bool Start() {
        if (!builder_.Start()) {
            std::cerr << "tavorn-cli: no game configuration (Data/config.xml) in "
                      << paths_.AppDir().string() << "\n";
            return false;
        }
        prompter_.Clear();
        for (const std::string& problem : builder_.CatalogueProblems())
            std::cerr << "tavorn-cli: " << problem << "\n";
        return true;
    }

    // Opens a hero file as "Open Character" does; false (with a message) when it cannot.
    bool Open(const fs::path& hero) {
        std::error_code error;
        if (!fs::exists(hero, error)) {
            std::cerr << "tavorn-cli: " << hero.string() << " does not exist\n";
            return false;
        }
        if (!files_.OpenPath(hero)) {
            // A file that holds no hero is reported in the import errors, as other damage is.
            if (files_.LastLoad() == HeroLoad::NotAHero) {
                prompter_.Clear();
                return true;
            }
            PrintMessages(prompter_);
            std::cerr << "tavorn-cli: " << hero.string() << " could not be read\n";
            return false;
        }
        prompter_.Clear();
        return true;
    }

    HeroBuilder& Builder() { return builder_; }
    HeroFiles& Files() { return files_; }

private:
    ScriptedPrompter prompter_; // never blocks: every question is answered No
    AppPaths paths_;
    HeroBuilder builder_;
    HeroFiles files_;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc >= 2 && (argv[1] == std::string("robot") || argv[1] == std::string("roster"))) {
        const std::vector<std::string> rest(argv + 2, argv + argc);
        return argv[1] == std::string("robot") ? RunRobotCommand(rest) : RunRosterCommand(rest);
    }
    if (argc >= 2 && std::string(argv[1]) == "ship")
        return RunShipCommand(std::vector<std::string>(argv + 2, argv + argc));
    if (argc >= 2 && std::string(argv[1]) == "sheet")
        return RunSheetCommand(std::vector<std::string>(argv + 2, argv + argc));
    if (argc >= 2 && std::string(argv[1]) == "lint-data")
        return RunLintCommand(std::vector<std::string>(argv + 2, argv + argc));
    const auto arguments = Parse(argc, argv);
    if (!arguments) {
        std::cerr << kUsage;
        return kFailure;
    }
    const fs::path appDir = arguments->appDir ? *arguments->appDir : ResolveAppDir();

    if (arguments->command == "save") {
        Session session(appDir);
        if (!session.Start() || !session.Open(arguments->files[0])) return kFailure;
        const fs::path out = arguments->files[1];
        if (!session.Files().SaveHeroFile(out)) {
            std::cerr << "tavorn-cli: could not write " << out.string() << "\n";
            return kFailure;
        }
        return kOk;
    }

    // "show" and "check" read each file in a program of its own, as if opened first.
    const bool several = arguments->files.size() > 1;
    nlohmann::json shown = nlohmann::json::array();
    int result = kOk;
    for (const std::string& file : arguments->files) {
        Session session(appDir);
        if (!session.Start() || !session.Open(file)) return kFailure;
        const HeroFiles& files = session.Files();
        if (arguments->command == "show") {
            nlohmann::json views = ViewsAsJson(session.Builder(), files);
            views["file"] = file;
            shown.push_back(std::move(views));
        } else {
            for (const std::string& line : files.ImportErrors())
                std::cout << (several ? file + ": " : std::string()) << line << "\n";
            if (!files.ImportErrors().empty()) result = kImportErrors;
            // Damaged catalogues were named on standard error.
            if (!session.Builder().CatalogueProblems().empty()) result = kImportErrors;
        }
    }
    if (arguments->command == "show") {
        const nlohmann::json& out = several ? shown : shown.front();
        std::cout << out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    }
    return result;
}
