#include "rules/SourceList.h"

#include "xml/XmlEventReader.h"

#include <algorithm>

void SourceList::Reset() {
    entries_ = {{"Core", "Core", true}};
    active_ = {"Core"};
}

void SourceList::AddKnownSource(const std::string& name) {
    entries_.push_back({name, name, false});
}

bool SourceList::ValidSource(const std::string& name) const {
    const std::string upper = UpperCase(name);
    if (upper == "CUSTOM") return true;
    return std::any_of(active_.begin(), active_.end(),
                       [&](const std::string& active) { return UpperCase(active) == upper; });
}

void SourceList::Toggle(std::size_t entryIndex) {
    if (entryIndex >= entries_.size()) return;
    SourceMenuEntry& entry = entries_[entryIndex];
    if (entry.checked) {
        entry.checked = false;
        const auto it = std::find(active_.begin(), active_.end(), entry.name);
        if (it != active_.end()) active_.erase(it);
    } else {
        entry.checked = true;
        active_.push_back(entry.name);
    }
}

int SourceList::FindEntryByCaption(const std::string& caption) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].caption == caption) return static_cast<int>(i);
    return -1;
}
