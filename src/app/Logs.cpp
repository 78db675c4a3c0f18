#include "app/Logs.h"

#include "app/Prompter.h"
#include "app/Version.h"

#include <system_error>

namespace fs = std::filesystem;

AppLogs::AppLogs(const AppPaths& paths, Prompter& prompter) : paths_(paths), prompter_(prompter) {}

AppLogs::~AppLogs() {
    // The prompter may already be gone: nothing is reported from here.
    main_.stream.flush();
    debug_.stream.flush();
    import_.stream.flush();
}

fs::path AppLogs::MainLogPath() const {
    return paths_.InAppDir("tavorn.log");
}
fs::path AppLogs::DebugLogPath() const {
    return paths_.InAppDir("debug.log");
}
fs::path AppLogs::ImportErrorLogPath() const {
    return paths_.InAppDir("ImportError.log");
}

bool AppLogs::Open(OpenLog& log, const fs::path& file, bool& created) {
    created = false;
    if (log.stream.is_open()) return true;
    std::error_code error;
    created = !fs::exists(file, error);
    log.stream.clear();
    log.stream.open(file, std::ios::app | std::ios::binary);
    log.failed = false;
    return log.stream.is_open();
}

void AppLogs::Close(OpenLog& log) {
    if (log.stream.is_open()) log.stream.close();
    log.stream.clear();
    log.failed = false;
}

void AppLogs::FlushOne(OpenLog& log, const fs::path& file) {
    if (!log.stream.is_open() || log.failed) return;
    log.stream.flush();
    if (!log.stream) {
        log.failed = true;
        if (&log != &main_) prompter_.error("Unable to write to " + file.string());
    }
}

void AppLogs::Flush() {
    // A log's path is looked up (a folder read, whatever the letter case) only for a log that
    // is open: the end of every operation comes here.
    FlushOne(main_, {}); // the main log has no message of its own
    if (debug_.stream.is_open()) FlushOne(debug_, DebugLogPath());
    if (import_.stream.is_open()) FlushOne(import_, ImportErrorLogPath());
}

void AppLogs::Hold() {
    ++held_;
}

void AppLogs::Release() {
    if (held_ > 0 && --held_ == 0) Flush();
}

void AppLogs::RestartMainLog() {
    Close(main_);
    std::error_code error;
    fs::remove(MainLogPath(), error);
}

void AppLogs::Log(const std::string& message) {
    bool created = false;
    // The main log has no message of its own: its path is needed only to open it.
    if (!main_.stream.is_open() && !Open(main_, MainLogPath(), created)) return;
    if (created) main_.stream << kVersionLabel << '\n';
    main_.stream << message << '\n';
    if (held_ == 0) FlushOne(main_, {});
}

void AppLogs::AppendLine(OpenLog& log, const fs::path& file, const std::string& message) {
    bool created = false;
    if (!Open(log, file, created)) {
        if (created)
            prompter_.error("Unable to create " + file.string() + " and write \"" + message + "\"");
        else
            prompter_.error("Unable to write \"" + message + "\" to " + file.string());
        return;
    }
    log.stream << message << '\n';
    if (held_ == 0) FlushOne(log, file);
}

void AppLogs::DebugLog(int kind, const std::string& message) {
    std::error_code error;
    switch (kind) {
    case -2:
        Close(debug_);
        fs::remove(DebugLogPath(), error);
        break;
    case -1:
        Close(import_);
        fs::remove(ImportErrorLogPath(), error);
        break;
    case 1:
    case 2: {
        // A line written while the logs are held into a log already open waits in its buffer;
        // the path (a folder read) is looked up only where it may be needed.
        OpenLog& log = kind == 1 ? import_ : debug_;
        if (held_ > 0 && log.stream.is_open()) {
            log.stream << message << '\n';
            break;
        }
        AppendLine(log, kind == 1 ? ImportErrorLogPath() : DebugLogPath(), message);
        break;
    }
    default:
        break;
    }
}
