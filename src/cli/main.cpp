// tavorn-cli: the hero builder without a display.
//
//   tavorn-cli show  [--appdir DIR] HERO.xml         every view of the loaded hero, as JSON
//   tavorn-cli check [--appdir DIR] HERO.xml         the import error lines; exit 1 if any
//   tavorn-cli save  [--appdir DIR] IN.xml OUT.xml   open IN and save it as OUT
//
// Exit codes: 0 done, 1 import errors (check), 2 usage error or a file that cannot be read
// or written.

#include "app/HeroBuilder.h"
#include "app/Paths.h"
#include "app/ScriptedPrompter.h"
#include "cli/ViewsJson.h"

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

constexpr const char* kUsage = "usage: tavorn-cli show  [--appdir DIR] HERO.xml\n"
                               "       tavorn-cli check [--appdir DIR] HERO.xml\n"
                               "       tavorn-cli save  [--appdir DIR] IN.xml OUT.xml\n";

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
    const std::size_t wanted = arguments.command == "save" ? 2 : 1;
    if (arguments.command != "show" && arguments.command != "check" &&
        arguments.command != "save")
        return std::nullopt;
    if (arguments.files.size() != wanted) return std::nullopt;
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

} // namespace

int main(int argc, char* argv[]) {
    const auto arguments = Parse(argc, argv);
    if (!arguments) {
        std::cerr << kUsage;
        return kFailure;
    }

    const AppPaths paths(arguments->appDir ? *arguments->appDir : ResolveAppDir());
    ScriptedPrompter prompter; // never blocks: every question is answered No
    HeroBuilder builder(prompter, paths);
    if (!builder.FormCreate()) {
        std::cerr << "tavorn-cli: no game configuration (Data/config.xml) in "
                  << paths.AppDir().string() << "\n";
        return kFailure;
    }
    prompter.Clear();

    const fs::path hero = arguments->files[0];
    std::error_code error;
    if (!fs::exists(hero, error)) {
        std::cerr << "tavorn-cli: " << hero.string() << " does not exist\n";
        return kFailure;
    }
    if (!builder.Files.OpenPath(hero)) {
        PrintMessages(prompter);
        std::cerr << "tavorn-cli: " << hero.string() << " could not be read\n";
        return kFailure;
    }

    if (arguments->command == "show") {
        nlohmann::json views = ViewsAsJson(builder);
        std::cout << views.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
        return kOk;
    }
    if (arguments->command == "check") {
        for (const std::string& line : builder.Files.ImportErrors())
            std::cout << line << "\n";
        return builder.Files.ImportErrors().empty() ? kOk : kImportErrors;
    }

    // save
    prompter.Clear();
    const fs::path out = arguments->files[1];
    if (!builder.Files.SaveHeroFile(out)) {
        std::cerr << "tavorn-cli: could not write " << out.string() << "\n";
        return kFailure;
    }
    return kOk;
}
