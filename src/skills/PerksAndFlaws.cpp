#include "skills/PerksAndFlaws.h"

#include "hero/CheckedArithmetic.h"
#include "hero/NumberRanges.h"
#include "rules/RulesConfiguration.h"
#include "skills/PerkFlawCatalogue.h"
#include "xml/ValueParsing.h"

#include <algorithm>

namespace {
constexpr const char* kFilthyRich = "Filthy Rich";
constexpr const char* kDirtPoor = "Dirt Poor";
// The totals stay within this bound however many entries a file ticks.
constexpr int kTotalLimit = 1'000'000'000;

std::string ItemText(const PerkFlawItem& item) {
    return std::to_string(item.Cost) + " - " + item.Name;
}

// Calls `shown` for each entry a list shows, in its order: offered catalogue entries, then
// every custom entry.
template <class Entry, class Shown>
void ForEachShown(std::vector<Entry>& catalogue, std::vector<Entry>& custom, Shown shown) {
    for (Entry& entry : catalogue)
        if (entry.Offered) shown(entry);
    for (Entry& entry : custom)
        shown(entry);
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}
} // namespace

PerkFlawTotals TotalPerksAndFlaws(const THero& hero, const std::vector<PerkFlawItem>& customPerks,
                                  const std::vector<PerkFlawItem>& customFlaws) {
    long long perks = 0;
    long long flaws = 0;
    PerkFlawTotals totals;
    const auto sum = [](const std::vector<PerkFlawItem>& catalogue,
                        const std::vector<PerkFlawItem>& custom, long long& total, bool& marker,
                        const char* markerText) {
        const auto add = [&](const PerkFlawItem& item) {
            if (!item.Selected) return;
            total += item.Cost;
            if (item.Name.find(markerText) != std::string::npos) marker = true;
        };
        for (const PerkFlawItem& item : catalogue)
            if (item.Offered) add(item);
        for (const PerkFlawItem& item : custom)
            add(item);
    };
    sum(hero.Perks, customPerks, perks, totals.filthyRich, kFilthyRich);
    sum(hero.Flaws, customFlaws, flaws, totals.dirtPoor, kDirtPoor);
    totals.perkCost = ClampToRange(-perks, -kTotalLimit, kTotalLimit);
    totals.flawBenefit = ClampToRange(flaws, -kTotalLimit, kTotalLimit);
    totals.net = ClampToRange(static_cast<long long>(totals.flawBenefit) + totals.perkCost,
                              -kTotalLimit, kTotalLimit);
    return totals;
}

void PerksAndFlaws::LoadPerksFlaws() {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    XmlReadResult read;
    const auto file = document_.paths.InDataDir("perksnflaws.xml");
    PerkFlawCatalogue catalogue = ReadPerkFlawCatalogue(
        file, [this](const std::string& source) { return rules_.ValidSource(source); }, &read);
    document_.ReportReadErrors(read);
    if (catalogue.perks.empty() && catalogue.flaws.empty() && read.ok())
        document_.ReportEmptyCatalogue(file, "perks or flaws");
    hero.Perks = std::move(catalogue.perks);
    hero.Flaws = std::move(catalogue.flaws);
    document_.Touch(Aspect::PerksFlaws);
}

void PerksAndFlaws::RestoreSelections(const std::vector<PerkFlawItem>& keptPerks,
                                      const std::vector<PerkFlawItem>& keptFlaws) {
    HeroDocument::Operation operation(document_);
    const auto restore = [](const std::vector<PerkFlawItem>& kept, std::vector<PerkFlawItem>& now) {
        for (const PerkFlawItem& item : kept) {
            if (!item.Selected) continue;
            const auto found = std::find_if(now.begin(), now.end(), [&item](const PerkFlawItem& e) {
                return e.Name == item.Name;
            });
            if (found != now.end()) found->Selected = true;
        }
    };
    restore(keptPerks, document_.Hero.Perks);
    restore(keptFlaws, document_.Hero.Flaws);
    document_.Touch(Aspect::PerksFlaws);
}

PerkFlawItem* PerksAndFlaws::ShownItem(PerkOrFlaw kind, int item) {
    THero& hero = document_.Hero;
    auto& catalogue = kind == PerkOrFlaw::Perk ? hero.Perks : hero.Flaws;
    auto& custom = kind == PerkOrFlaw::Perk ? rules_.customPerks : rules_.customFlaws;
    PerkFlawItem* found = nullptr;
    int position = 0;
    ForEachShown(catalogue, custom, [&](PerkFlawItem& entry) {
        if (position++ == item) found = &entry;
    });
    return found;
}

void PerksAndFlaws::Toggle(PerkOrFlaw kind, int item) {
    PerkFlawItem* entry = ShownItem(kind, item);
    if (!entry) return;
    HeroDocument::Operation operation(document_);
    document_.SetChanged(true);
    entry->Selected = !entry->Selected;
    document_.Touch(Aspect::PerksFlaws);
}

void PerksAndFlaws::TogglePerk(int item) {
    Toggle(PerkOrFlaw::Perk, item);
}

void PerksAndFlaws::ToggleFlaw(int item) {
    Toggle(PerkOrFlaw::Flaw, item);
}

void PerksAndFlaws::Tick(PerkOrFlaw kind, const std::string& name) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    auto& catalogue = kind == PerkOrFlaw::Perk ? hero.Perks : hero.Flaws;
    auto& custom = kind == PerkOrFlaw::Perk ? rules_.customPerks : rules_.customFlaws;
    for (auto* list : {&catalogue, &custom})
        for (PerkFlawItem& entry : *list)
            if (entry.Name == name) entry.Selected = true;
    document_.Touch(Aspect::PerksFlaws);
}

void PerksAndFlaws::AddPerk(const std::string& name) {
    Tick(PerkOrFlaw::Perk, name);
}

void PerksAndFlaws::AddFlaw(const std::string& name) {
    Tick(PerkOrFlaw::Flaw, name);
}

void PerksAndFlaws::ClearPerksFlaws() {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    for (auto* list : {&hero.Perks, &hero.Flaws, &rules_.customPerks, &rules_.customFlaws})
        for (PerkFlawItem& entry : *list)
            entry.Selected = false;
    document_.Touch(Aspect::PerksFlaws);
}

PerksAndFlaws::CustomResult PerksAndFlaws::AddCustomPerkFlaw(PerkOrFlaw kind,
                                                             const std::string& costText,
                                                             const std::string& description) {
    Prompter& prompter = document_.prompter;
    const auto cost = ParseInteger64(costText);
    if (!cost) {
        prompter.error("Cost must be numeric");
        return {};
    }
    if (!kSkillPointRange.Contains(*cost)) {
        prompter.error("Cost must be a whole number from " +
                       std::to_string(kSkillPointRange.lowest) + " to " +
                       std::to_string(kSkillPointRange.highest));
        return {};
    }
    if (description.empty()) {
        prompter.error("You must provide a description");
        return {false, true};
    }
    const bool flaw = kind == PerkOrFlaw::Flaw;
    const auto& catalogue = flaw ? document_.Hero.Flaws : document_.Hero.Perks;
    auto& custom = flaw ? rules_.customFlaws : rules_.customPerks;
    const std::string wanted = Lower(description);
    const auto sameName = [&wanted](const PerkFlawItem& item) { return Lower(item.Name) == wanted; };
    if (std::any_of(catalogue.begin(), catalogue.end(), sameName) ||
        std::any_of(custom.begin(), custom.end(), sameName)) {
        prompter.error(flaw ? "A flaw with that name already exists"
                            : "A perk with that name already exists");
        return {false, true};
    }
    if (flaw) prompter.plain("Check for duplication");

    HeroDocument::Operation operation(document_);
    PerkFlawItem item;
    item.Name = description;
    item.Source = "Custom";
    item.Offered = true;
    item.Cost = static_cast<int>(*cost);
    custom.push_back(std::move(item));
    document_.Touch(Aspect::PerksFlaws);
    rules_.SaveDefaults();
    return {true, false};
}

void PerksAndFlaws::PaintPerksFlaws() {
    THero& hero = document_.Hero;
    const auto list = [](std::vector<PerkFlawItem>& catalogue, std::vector<PerkFlawItem>& custom) {
        TableView rows;
        ForEachShown(catalogue, custom, [&rows](const PerkFlawItem& entry) {
            rows.push_back({entry.Selected ? "X" : "", ItemText(entry)});
        });
        return rows;
    };
    ViewData& views = document_.Views;
    views.SetTable(kPerkList, list(hero.Perks, rules_.customPerks));
    views.SetTable(kFlawList, list(hero.Flaws, rules_.customFlaws));

    const PerkFlawTotals totals = TotalPerksAndFlaws(hero, rules_.customPerks, rules_.customFlaws);
    hero.FilthyRich = totals.filthyRich;
    hero.DirtPoor = totals.dirtPoor;
    views.SetLabel(kPerksCostLabel, std::to_string(totals.perkCost));
    views.SetLabel(kFlawBenefitLabel, std::to_string(totals.flawBenefit));
    views.SetLabel(kNetAdjustmentLabel, std::to_string(totals.net), totals.net < 0);
}
