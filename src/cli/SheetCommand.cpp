#include "cli/SheetCommand.h"

#include "app/HeroBuilder.h"
#include "app/Paths.h"
#include "app/ScriptedPrompter.h"
#include "files/HeroFiles.h"
#include "files/HeroSheet.h"

#include <filesystem>
#include <iostream>
#include <optional>

namespace fs = std::filesystem;

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsageError = 2;

constexpr const char* kSheetUsage =
    "usage: tavorn-cli sheet [--appdir DIR] HERO.xml [-o OUT.html] [--zero-level]\n";

struct SheetOptions {
    std::optional<fs::path> appDir;
    std::optional<fs::path> out;
    std::optional<fs::path> hero;
    bool zeroLevel = false;
};

std::optional<SheetOptions> Parse(const std::vector<std::string>& args) {
    SheetOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& argument = args[i];
        if (argument == "--appdir" || argument == "-o") {
            if (++i >= args.size()) return std::nullopt;
            (argument == "-o" ? options.out : options.appDir) = fs::path(args[i]);
        } else if (argument.rfind("--appdir=", 0) == 0) {
            options.appDir = fs::path(argument.substr(9));
        } else if (argument == "--zero-level") {
            options.zeroLevel = true;
        } else if (!options.hero && (argument.empty() || argument.front() != '-')) {
            options.hero = fs::path(argument);
        } else {
            return std::nullopt;
        }
    }
    if (!options.hero) return std::nullopt;
    return options;
}

void Complain(const std::string& text) {
    std::string line = text;
    for (char& c : line)
        if (c == '\r') c = ' ';
    std::cerr << "tavorn-cli: " << line << "\n";
}

// The error boxes the last operation would have shown, on standard error.
void PrintErrors(ScriptedPrompter& prompter) {
    for (const auto& message : prompter.messages)
        if (message.kind == ScriptedPrompter::Kind::Error) Complain(message.text);
    prompter.Clear();
}

} // namespace

int RunSheetCommand(const std::vector<std::string>& args) {
    const std::optional<SheetOptions> options = Parse(args);
    if (!options) {
        std::cerr << kSheetUsage;
        return kUsageError;
    }
    const fs::path& hero = *options->hero;
    std::error_code error;
    if (!fs::exists(hero, error)) {
        Complain(hero.string() + " does not exist");
        return kFailed;
    }
    // Without -o the path rule of "Export": the hero file's name ending in "html".
    std::optional<fs::path> out = options->out;
    if (!out) out = SheetPathBeside(hero.string());
    if (!out) {
        Complain(hero.string() + " does not end in .xml: name the sheet with -o OUT.html");
        return kUsageError;
    }

    ScriptedPrompter prompter; // never blocks: every question is answered No
    const AppPaths paths(options->appDir ? *options->appDir : ResolveAppDir());
    HeroBuilder builder(prompter, paths);
    if (!builder.Start()) {
        Complain("no game configuration (Data/config.xml) in " + paths.AppDir().string());
        return kFailed;
    }
    prompter.Clear();
    for (const std::string& problem : builder.CatalogueProblems())
        Complain(problem);

    HeroFiles files(builder);
    if (!files.OpenPath(hero)) {
        PrintErrors(prompter);
        for (const std::string& line : files.ImportErrors())
            Complain(line);
        Complain(hero.string() + " could not be read as a hero");
        return kFailed;
    }
    // What the file held that the catalogues lack is left off the sheet: say so.
    for (const std::string& line : files.ImportErrors())
        Complain(hero.string() + ": " + line);
    prompter.Clear();

    const bool written = WriteHeroSheet(builder, *out, options->zeroLevel);
    PrintErrors(prompter);
    return written ? kOk : kFailed;
}
