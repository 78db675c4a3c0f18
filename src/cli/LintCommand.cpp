#include "cli/LintCommand.h"

#include "app/Paths.h"
#include "lint/DataLint.h"

#include <filesystem>
#include <iostream>
#include <optional>

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage = "usage: tavorn-cli lint-data [--appdir DIR]\n";

std::optional<std::optional<fs::path>> ParseAppDir(const std::vector<std::string>& args) {
    std::optional<fs::path> appDir;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--appdir" && i + 1 < args.size())
            appDir = fs::path(args[++i]);
        else if (args[i].rfind("--appdir=", 0) == 0)
            appDir = fs::path(args[i].substr(9));
        else
            return std::nullopt;
    }
    return appDir;
}

} // namespace

int RunLintCommand(const std::vector<std::string>& args) {
    const auto appDir = ParseAppDir(args);
    if (!appDir) {
        std::cerr << kUsage;
        return 2;
    }
    const AppPaths paths(*appDir ? **appDir : ResolveAppDir());
    std::error_code error;
    if (!fs::is_directory(paths.DataDir(), error)) {
        std::cerr << "tavorn-cli: no data folder in " << paths.AppDir().string() << "\n";
        return 2;
    }
    const std::vector<LintFinding> findings = LintDataFolder(paths);
    for (const LintFinding& finding : findings)
        std::cout << LintLine(finding) << "\n";
    if (!findings.empty()) {
        std::cerr << "tavorn-cli: " << findings.size() << " finding"
                  << (findings.size() == 1 ? "" : "s") << " in " << paths.DataDir().string()
                  << "\n";
        return 1;
    }
    std::cout << "clean: every catalogue of " << paths.DataDir().string() << " reads as written\n";
    return 0;
}
