#include "files/RecentFiles.h"

#include "app/AtomicFile.h"

#include <algorithm>
#include <fstream>

void RecentFiles::Load() {
    entries_.clear();
    std::ifstream in(store_, std::ios::binary);
    std::string line;
    while (entries_.size() < kMaxEntries && std::getline(in, line)) {
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && std::find(entries_.begin(), entries_.end(), line) == entries_.end())
            entries_.push_back(line);
    }
}

bool RecentFiles::Add(const std::string& path) {
    if (path.empty()) return true;
    std::erase(entries_, path);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > kMaxEntries) entries_.resize(kMaxEntries);
    return Store();
}

bool RecentFiles::Remove(const std::string& path) {
    std::erase(entries_, path);
    return Store();
}

bool RecentFiles::Store() const {
    std::string text;
    for (const std::string& entry : entries_)
        text += entry + "\n";
    return WriteFileAtomically(store_, text);
}
