#include "rules/RuleSetList.h"

#include "hero/NumberRanges.h"
#include "xml/ValueParsing.h"

void RuleSetList::Reset() {
    list_ = {TRuleset::BuiltInCore()};
    entries_ = {{"RuleSet0", "Core", "Core", true}};
    inForce_ = list_.front();
    currentName_ = "Core";
}

XmlReadResult RuleSetList::ReadCatalogue(const std::filesystem::path& file) {
    return ReadXmlFile(file, XmlHandlers::ForTags(
                                 [this](const std::string& name, const XmlAttributes& attributes) {
                                     if (UpperCase(name) == "RULESET")
                                         ReadRuleSetElement(attributes);
                                 }));
}

void RuleSetList::ReadRuleSetElement(const XmlAttributes& attributes) {
    TRuleset ruleSet;
    RuleSetMenuEntry entry;
    entry.menuName = "RuleSet" + std::to_string(list_.size());
    // The parameter names are taken exactly as written; another letter case is ignored. A
    // value that is not an integer within its range (hero/NumberRanges.h) is ignored too:
    //   AttributePts, FXPoints 0..1000; SkillPtIntMod -99..99; SkillPtMult 0..100;
    //   BonusSkillPts -1000..1000.
    auto readInteger = [](const std::string& value, int& field, IntRange range) {
        if (const auto number = ParseIntegerIn(value, range)) field = *number;
    };
    for (const auto& [attribute, value] : attributes) {
        if (UpperCase(attribute) == "NAME") {
            entry.caption = value;
            entry.keptName = value;
            ruleSet.Name = value;
        } else if (attribute == "AttributePts") {
            readInteger(value, ruleSet.AttributePts, kBudgetRange);
        } else if (attribute == "SkillPtIntMod") {
            readInteger(value, ruleSet.SkillPtIntMod, kModifierRange);
        } else if (attribute == "SkillPtMult") {
            readInteger(value, ruleSet.SkillPtMult, kSkillPointMultiplierRange);
        } else if (attribute == "FXPoints") {
            readInteger(value, ruleSet.FXPoints, kBudgetRange);
        } else if (attribute == "BonusSkillPts") {
            readInteger(value, ruleSet.BonusSkillPts, kSkillPointRange);
        } else if (attribute == "Rule2C") {
            if (const auto flag = ParseBooleanText(value)) ruleSet.Rule2C = *flag;
        }
    }
    entries_.push_back(std::move(entry));
    list_.push_back(std::move(ruleSet));
}

void RuleSetList::Choose(std::size_t entryIndex) {
    if (entryIndex >= entries_.size()) return;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        entries_[i].checked = i == entryIndex;
    currentName_ = entries_[entryIndex].keptName;
    for (const TRuleset& ruleSet : list_) {
        if (ruleSet.Name == currentName_) {
            inForce_ = ruleSet;
            break;
        }
    }
}

int RuleSetList::EntryForName(const std::string& name) const {
    bool known = false;
    for (const TRuleset& ruleSet : list_)
        known = known || ruleSet.Name == name;
    if (!known) return -1;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].caption == name) return static_cast<int>(i);
    return -1;
}
