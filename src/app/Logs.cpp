#include "app/Logs.h"

#include "app/Prompter.h"
#include "app/Version.h"

#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

AppLogs::AppLogs(const AppPaths& paths, Prompter& prompter) : paths_(paths), prompter_(prompter) {}

fs::path AppLogs::MainLogPath() const {
    return paths_.InAppDir("tavorn.log");
}
fs::path AppLogs::DebugLogPath() const {
    return paths_.InAppDir("debug.log");
}
fs::path AppLogs::ImportErrorLogPath() const {
    return paths_.InAppDir("ImportError.log");
}

void AppLogs::RestartMainLog() {
    std::error_code error;
    fs::remove(MainLogPath(), error);
}

void AppLogs::Log(const std::string& message) {
    const fs::path file = MainLogPath();
    std::error_code error;
    const bool exists = fs::exists(file, error);
    std::ofstream out(file, std::ios::app | std::ios::binary);
    if (!out) return; // the main log has no message of its own
    if (!exists) out << kVersionLabel << '\n';
    out << message << '\n';
}

void AppLogs::AppendLine(const fs::path& file, const std::string& message) {
    std::error_code error;
    const bool exists = fs::exists(file, error);
    std::ofstream out(file, std::ios::app | std::ios::binary);
    if (!out) {
        if (!exists)
            prompter_.error("Unable to create " + file.string() + " and write \"" + message + "\"");
        else
            prompter_.error("Unable to write \"" + message + "\" to " + file.string());
        return;
    }
    out << message << '\n';
}

void AppLogs::DebugLog(int kind, const std::string& message) {
    std::error_code error;
    switch (kind) {
    case -2:
        fs::remove(DebugLogPath(), error);
        break;
    case -1:
        fs::remove(ImportErrorLogPath(), error);
        break;
    case 1:
        AppendLine(ImportErrorLogPath(), message);
        break;
    case 2:
        AppendLine(DebugLogPath(), message);
        break;
    default:
        break;
    }
}
