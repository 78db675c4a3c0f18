#pragma once
// The source books in play. Every catalogue entry names its source; only entries of active
// sources are offered. "Core" is always active; "Custom" (the person's own perks, flaws,
// cyberware and equipment) is always valid and never shown.

#include <string>
#include <vector>

// One entry of the "Sources" menu.
struct SourceMenuEntry {
    std::string caption;
    std::string name; // the source name as written in the catalogue
    bool checked = false;
};

class SourceList {
public:
    // Back to the start-up state: "Core" checked and active, nothing else known.
    void Reset();

    // A SOURCE element of config.xml: a new unchecked menu entry.
    void AddKnownSource(const std::string& name);

    // True for "Custom" in any letter case, and for any active source ignoring letter case.
    bool ValidSource(const std::string& name) const;

    // Step 2 of a toggle: checks the entry and appends its name to the active list, or
    // unchecks it and removes the first active entry equal to the name (exactly).
    void Toggle(std::size_t entryIndex);

    // The first menu entry whose caption is `caption`; -1 when none.
    int FindEntryByCaption(const std::string& caption) const;

    const std::vector<SourceMenuEntry>& Entries() const { return entries_; }
    const std::vector<std::string>& Active() const { return active_; }

private:
    std::vector<SourceMenuEntry> entries_;
    std::vector<std::string> active_;
};
