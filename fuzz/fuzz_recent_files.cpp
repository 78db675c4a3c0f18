// libFuzzer target: the recent-files list kept beside the program. A list read from any
// text holds at most eight distinct, non-empty paths, and a hero opened then is kept at its
// head so that the next start reads the same list back.

#include "FuzzInput.h"
#include "files/RecentFiles.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzInputFile input("recent.txt");
    RecentFiles recent(input.Write(data, size));
    recent.Load();
    std::vector<std::string> entries = recent.Entries();
    if (entries.size() > RecentFiles::kMaxEntries) __builtin_trap();
    std::sort(entries.begin(), entries.end());
    if (std::adjacent_find(entries.begin(), entries.end()) != entries.end()) __builtin_trap();
    if (!entries.empty() && entries.front().empty()) __builtin_trap();

    // Load takes every carriage return off a line's end: no entry keeps one.
    for (const std::string& entry : entries)
        if (entry.back() == '\r') __builtin_trap();
    if (!recent.Add("/heroes/opened.xml")) return 0;
    RecentFiles again(input.Path());
    again.Load();
    if (again.Entries() != recent.Entries()) __builtin_trap();
    return 0;
}
