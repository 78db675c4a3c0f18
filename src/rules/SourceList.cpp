#include "rules/SourceList.h"

#include "xml/XmlEventReader.h"

#include <algorithm>
#include <cctype>
#include <string_view>

void SourceList::Reset() {
    entries_ = {{"Core", "Core", true}};
    active_ = {"Core"};
}

void SourceList::AddKnownSource(const std::string& name) {
    entries_.push_back({name, name, false});
}

namespace {
// Equal ignoring the letter case of ASCII letters, without copying either text (every
// catalogue entry's source is checked at every load).
bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y && std::toupper(x) != std::toupper(y)) return false;
    }
    return true;
}
} // namespace

bool SourceList::ValidSource(const std::string& name) const {
    if (SameIgnoringCase(name, "CUSTOM")) return true;
    return std::any_of(active_.begin(), active_.end(),
                       [&](const std::string& active) { return SameIgnoringCase(active, name); });
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
