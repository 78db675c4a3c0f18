#pragma once
// The "Recent Files" list of the File menu: the last eight hero files opened or saved, the
// most recent first. It is kept in "recent.txt" beside the program, one path per line.

#include <filesystem>
#include <string>
#include <vector>

class RecentFiles {
public:
    static constexpr std::size_t kMaxEntries = 8;

    explicit RecentFiles(std::filesystem::path store) : store_(std::move(store)) {}

    // Reads the list kept beside the program; a missing file is an empty list.
    void Load();
    // Puts a file at the head of the list (once) and keeps the list. False when the list
    // could not be written; it still holds the file for this run.
    bool Add(const std::string& path);
    // Takes a file off the list (it no longer exists).
    bool Remove(const std::string& path);

    const std::vector<std::string>& Entries() const { return entries_; }

private:
    bool Store() const;

    std::filesystem::path store_;
    std::vector<std::string> entries_;
};
