#pragma once
// The program's three plain-text logs beside the program: the main log "tavorn.log"
// (started afresh at every run, its first line the version label), the debug log
// "debug.log" (trace lines of skill purchases) and the import error log "ImportError.log"
// (problems met while reading a hero or robot file).

#include "app/Paths.h"

#include <string>

class Prompter;

class AppLogs {
public:
    AppLogs(const AppPaths& paths, Prompter& prompter);

    // Appends one line to the main log, creating it with the version label first.
    void Log(const std::string& message);

    // Kind -2 deletes the debug log, -1 the import error log (the message is ignored);
    // kind 1 appends to the import error log, kind 2 to the debug log. A line that cannot be
    // written is reported in an error box and lost; the program goes on.
    void DebugLog(int kind, const std::string& message);

    // Deletes the main log so that this run starts a new one.
    void RestartMainLog();

    std::filesystem::path MainLogPath() const;
    std::filesystem::path DebugLogPath() const;
    std::filesystem::path ImportErrorLogPath() const;

private:
    void AppendLine(const std::filesystem::path& file, const std::string& message);

    const AppPaths& paths_;
    Prompter& prompter_;
};
