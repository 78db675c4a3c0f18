#pragma once
// The rule sets: the built-in "Core" first, then those of rulesets.xml in file order, the
// "Rule Set" menu with one radio entry per rule set, and the rule set in force.

#include "hero/TypeDefinitions.h"
#include "xml/XmlEventReader.h"

#include <filesystem>
#include <string>
#include <vector>

struct RuleSetMenuEntry {
    std::string menuName; // "RuleSet0", "RuleSet1", ...
    std::string caption;
    std::string keptName; // the rule set name as written
    bool checked = false;
};

class RuleSetList {
public:
    // Only the built-in "Core", checked and in force.
    void Reset();

    // Appends the RULESET elements of the catalogue; the rule set in force does not change.
    XmlReadResult ReadCatalogue(const std::filesystem::path& file);

    // Puts the rule set of a menu entry in force: the entry is checked, the current name
    // becomes its kept name and the first rule set of exactly that name is copied in force
    // (none found: the rule set in force stays).
    void Choose(std::size_t entryIndex);

    // The menu entry to click for a rule set name: -1 when no rule set has that exact name
    // or no entry carries it as caption.
    int EntryForName(const std::string& name) const;

    const TRuleset& InForce() const { return inForce_; }
    const std::string& CurrentName() const { return currentName_; }
    const std::vector<TRuleset>& List() const { return list_; }
    const std::vector<RuleSetMenuEntry>& Entries() const { return entries_; }

private:
    void ReadRuleSetElement(const XmlAttributes& attributes);

    std::vector<TRuleset> list_;
    std::vector<RuleSetMenuEntry> entries_;
    TRuleset inForce_;
    std::string currentName_;
};

// The single house rule the program keeps; it has no effect.
inline constexpr const char* kHouseRuleNone = "None";
inline constexpr const char* kHouseRuleMenuName = "HouseRule0";
