#include "hero/HeroHistory.h"

#include <algorithm>
#include <utility>

HeroHistory::HeroHistory(std::size_t limit) : limit_(std::max<std::size_t>(limit, 1)) {}

bool HeroHistory::Record(HeroSnapshot before, std::string name, bool merges) {
    if (merges && redo_.empty() && !undo_.empty() && undo_.back().merges &&
        undo_.back().name == name && saved_ != undo_.size())
        return false;
    // The saved hero lay ahead, among the steps dropped now: no step leads back to it.
    if (saved_ != kNowhere && saved_ > undo_.size()) saved_ = kNowhere;
    redo_.clear();
    undo_.push_back({std::move(before), std::move(name), merges});
    if (undo_.size() > limit_) {
        undo_.pop_front();
        // The saved point was the state before the step forgotten.
        saved_ = saved_ == 0 || saved_ == kNowhere ? kNowhere : saved_ - 1;
    }
    return true;
}

const std::string& HeroHistory::UndoName() const {
    static const std::string none;
    return undo_.empty() ? none : undo_.back().name;
}

const std::string& HeroHistory::RedoName() const {
    static const std::string none;
    return redo_.empty() ? none : redo_.back().name;
}

HeroSnapshot HeroHistory::Undo(HeroSnapshot present) {
    Step step = std::move(undo_.back());
    undo_.pop_back();
    HeroSnapshot before = std::move(step.state);
    redo_.push_back({std::move(present), std::move(step.name), step.merges});
    return before;
}

HeroSnapshot HeroHistory::Redo(HeroSnapshot present) {
    Step step = std::move(redo_.back());
    redo_.pop_back();
    HeroSnapshot after = std::move(step.state);
    // A step taken again is whole: typing after it starts a step of its own.
    undo_.push_back({std::move(present), std::move(step.name), false});
    return after;
}

void HeroHistory::Clear() {
    undo_.clear();
    redo_.clear();
    saved_ = kNowhere;
}

void HeroHistory::MarkSaved() {
    saved_ = undo_.size();
}

void HeroHistory::ForgetSaved() {
    saved_ = kNowhere;
}

std::vector<std::string> HeroHistory::StepNames() const {
    std::vector<std::string> names;
    for (const Step& step : undo_)
        names.push_back(step.name);
    for (auto step = redo_.rbegin(); step != redo_.rend(); ++step)
        names.push_back(step->name);
    return names;
}

// --- naming a step ----------------------------------------------------------------------------

namespace {

// A list that grew or shrank by entries: "Buy X" for the first entry of the longer list that
// the shorter one does not hold at its place.
template <class Item, class NameOf>
std::string GrownOrShrunk(const std::vector<Item>& before, const std::vector<Item>& after,
                          const char* added, const char* removed, NameOf nameOf) {
    if (before.size() == after.size()) return {};
    const bool grew = after.size() > before.size();
    const auto& longer = grew ? after : before;
    const auto& shorter = grew ? before : after;
    std::size_t at = 0;
    while (at < shorter.size() && nameOf(shorter[at]) == nameOf(longer[at]))
        ++at;
    const std::string name = nameOf(longer[at]);
    return std::string(grew ? added : removed) + (name.empty() ? "" : " " + name);
}

// A skill, psionic or FX list of the same entries: what the person did to the first entry
// that differs.
template <class Item> std::string PurchaseChange(const Item& was, const Item& is) {
    if (was.Selected != is.Selected) return (is.Selected ? "Buy " : "Drop ") + is.Name;
    if (was.Rank != is.Rank) return (is.Rank > was.Rank ? "Raise " : "Lower ") + is.Name;
    return {};
}

// Buying a specialty buys its broad skill with it: the specialty names the step.
template <class Item>
std::string PurchasesChanged(const std::vector<Item>& before, const std::vector<Item>& after) {
    if (before.size() != after.size()) return {};
    std::string broadChange;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].Name != after[i].Name) return {};
        std::string change = PurchaseChange(before[i], after[i]);
        if (change.empty()) continue;
        if (after[i].Name != after[i].BroadSkill) return change;
        if (broadChange.empty()) broadChange = std::move(change);
    }
    return broadChange;
}

std::string InstanceName(const TSkillItem& item) {
    return item.Detail.empty() ? item.Name : item.Name + " (" + item.Detail + ")";
}

std::string InstancesChanged(const std::vector<TSkillItem>& before,
                             const std::vector<TSkillItem>& after) {
    std::string change = GrownOrShrunk(before, after, "Buy", "Drop", InstanceName);
    if (!change.empty()) return change;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i].Rank != after[i].Rank)
            return (after[i].Rank > before[i].Rank ? "Raise " : "Lower ") + InstanceName(after[i]);
    return {};
}

std::string TicksChanged(const std::vector<PerkFlawItem>& before,
                         const std::vector<PerkFlawItem>& after) {
    std::string change = GrownOrShrunk(before, after, "Add", "Remove",
                                       [](const PerkFlawItem& item) { return item.Name; });
    if (!change.empty()) return change;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i].Selected != after[i].Selected)
            return (after[i].Selected ? "Tick " : "Untick ") + after[i].Name;
    return {};
}

std::string FXChanged(const THero& before, const THero& after) {
    if (before.FXSpecialization != after.FXSpecialization) return "Choose FX Specialization";
    std::string change = PurchasesChanged(before.FXSkills, after.FXSkills);
    if (!change.empty() || before.FXSkills.size() != after.FXSkills.size()) return change;
    for (std::size_t i = 0; i < before.FXSkills.size(); ++i)
        if (before.FXSkills[i].Active != after.FXSkills[i].Active)
            return (after.FXSkills[i].Active ? "Make Active " : "Make Inactive ") +
                   after.FXSkills[i].Name;
    return {};
}

std::string GearChanged(const THero& before, const THero& after) {
    auto name = [](const auto& item) { return item.Name; };
    std::string change = GrownOrShrunk(before.Equipment, after.Equipment, "Buy", "Remove", name);
    if (!change.empty()) return change;
    for (std::size_t i = 0; i < before.Equipment.size(); ++i)
        if (before.Equipment[i].Quantity != after.Equipment[i].Quantity)
            return "Change Quantity of " + after.Equipment[i].Name;
    change = GrownOrShrunk(before.Cyberware, after.Cyberware, "Install", "Remove", name);
    if (!change.empty()) return change;
    change = GrownOrShrunk(before.Benefits, after.Benefits, "Buy", "Remove", name);
    if (!change.empty()) return change;
    change = GrownOrShrunk(before.Advantages, after.Advantages, "Take", "Remove", name);
    if (!change.empty()) return change;
    return GrownOrShrunk(before.Drawbacks, after.Drawbacks, "Take", "Remove", name);
}

// The text fields typed into.
const std::pair<std::string THero::*, const char*> kTypedFields[] = {
    {&THero::HeroName, "Change Name"},
    {&THero::Player, "Change Player"},
    {&THero::GameMaster, "Change Game Master"},
    {&THero::Career, "Change Career"},
    {&THero::FreeNotes, "Edit Notes"}};

std::string IdentityChanged(const THero& before, const THero& after) {
    for (const auto& [field, name] : kTypedFields)
        if (before.*field != after.*field) return name;
    const std::pair<std::string THero::*, const char*> fields[] = {
        {&THero::Gender, "Change Gender"},
        {&THero::Motivation, "Change Motivation"},
        {&THero::MoralAttitude, "Change Moral Attitude"},
        {&THero::Trait1, "Change Trait"},
        {&THero::Trait2, "Change Trait"}};
    for (const auto& [field, name] : fields)
        if (before.*field != after.*field) return name;
    return {};
}

} // namespace

bool IsTypingStep(const std::string& name) {
    for (const auto& field : kTypedFields)
        if (name == field.second) return true;
    return false;
}

std::string DescribeStep(const THero& before, const THero& after) {
    // The choices first: they carry the skills and the scores with them.
    if (before.SpeciesIndex != after.SpeciesIndex) return "Choose Species";
    if (before.ProfessionIndex != after.ProfessionIndex) return "Choose Profession";
    if (before.Specialization != after.Specialization) return "Choose Specialization";
    if (before.Primitive != after.Primitive) return "Change Primitive";
    if (before.CyberSkill != after.CyberSkill) return "Change Cyberskill";
    std::string change = IdentityChanged(before, after);
    if (!change.empty()) return change;
    for (std::size_t i = 0; i < before.Score.size(); ++i)
        if (before.Score[i] != after.Score[i]) return "Change " + kAttributeNames[i];
    for (const auto& described :
         {PurchasesChanged(before.Skills, after.Skills),
          InstancesChanged(before.SkillInstances, after.SkillInstances),
          GrownOrShrunk(before.CashedOutSkills, after.CashedOutSkills, "Cash Out", "Restore",
                        [](const std::string& name) { return name; }),
          PurchasesChanged(before.Psionics, after.Psionics), FXChanged(before, after),
          TicksChanged(before.Perks, after.Perks), TicksChanged(before.Flaws, after.Flaws),
          GearChanged(before, after)})
        if (!described.empty()) return described;
    if (before.AchievementEntries.size() != after.AchievementEntries.size())
        return after.AchievementEntries.size() > before.AchievementEntries.size()
                   ? "Add Achievement Points"
                   : "Remove Achievement Points";
    if (before.SkillPointAdjustments.size() != after.SkillPointAdjustments.size())
        return "Adjust Skill Points";
    if (before.LastResortEntries.size() != after.LastResortEntries.size() ||
        before.CurrentLastResortPoints != after.CurrentLastResortPoints)
        return "Change Last Resort Points";
    if (before.Accounts.size() != after.Accounts.size()) return "Change Accounts";
    for (std::size_t i = 0; i < before.Accounts.size(); ++i)
        if (before.Accounts[i].Entries.size() != after.Accounts[i].Entries.size())
            return "Change Account " + after.Accounts[i].Name;
    return {};
}
