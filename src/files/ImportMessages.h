#pragma once
// The import error log of one hero file read: emptied when a read begins, one line per
// problem met. The lines go to "ImportError.log" beside the program and are kept here for
// the "Import Error Messages" window and the command-line program.

#include <functional>
#include <string>
#include <vector>

class AppLogs;

class ImportMessages {
public:
    explicit ImportMessages(AppLogs& logs) : logs_(logs) {}

    // A read begins: the log is deleted.
    void Start();
    // One problem: one line of the log.
    void Report(const std::string& line);

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    AppLogs& logs_;
    std::vector<std::string> lines_;
};
