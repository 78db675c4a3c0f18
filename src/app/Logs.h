#pragma once
// The program's three plain-text logs beside the program: the main log "tavorn.log"
// (started afresh at every run, its first line the version label), the debug log
// "debug.log" (trace lines of skill purchases) and the import error log "ImportError.log"
// (problems met while reading a hero or robot file).
//
// Each log is opened once, when its first line is written, and stays open. Lines written
// while the logs are held (during an operation) wait in the stream's buffer and are written
// when the outermost hold ends; lines written at other times are written at once.

#include "app/Paths.h"

#include <fstream>
#include <string>

class Prompter;

class AppLogs {
public:
    AppLogs(const AppPaths& paths, Prompter& prompter);
    ~AppLogs();
    AppLogs(const AppLogs&) = delete;
    AppLogs& operator=(const AppLogs&) = delete;

    // Appends one line to the main log, creating it with the version label first.
    void Log(const std::string& message);

    // Kind -2 deletes the debug log, -1 the import error log (the message is ignored);
    // kind 1 appends to the import error log, kind 2 to the debug log. A line that cannot be
    // written is reported in an error box and lost; the program goes on.
    void DebugLog(int kind, const std::string& message);

    // Deletes the main log so that this run starts a new one.
    void RestartMainLog();

    // Holds lines in the buffers until the matching Release; nests.
    void Hold();
    void Release();
    // Writes every buffered line now.
    void Flush();

    std::filesystem::path MainLogPath() const;
    std::filesystem::path DebugLogPath() const;
    std::filesystem::path ImportErrorLogPath() const;

private:
    struct OpenLog {
        std::ofstream stream;
        bool failed = false; // a write failed and was reported; not reported again
    };
    // Opens the log for appending when it is not open yet; false when it cannot be opened.
    bool Open(OpenLog& log, const std::filesystem::path& file, bool& created);
    void AppendLine(OpenLog& log, const std::filesystem::path& file, const std::string& message);
    void Close(OpenLog& log);
    void FlushOne(OpenLog& log, const std::filesystem::path& file);

    const AppPaths& paths_;
    Prompter& prompter_;
    OpenLog main_;
    OpenLog debug_;
    OpenLog import_;
    int held_ = 0;
};
