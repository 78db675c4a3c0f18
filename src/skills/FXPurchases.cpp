#include "skills/FXPurchases.h"

#include "hero/CheckedArithmetic.h"
#include "hero/DerivedScores.h"
#include "hero/ProfessionChoice.h"
#include "rules/RulesConfiguration.h"
#include "skills/SkillBudget.h"
#include "skills/SkillCosts.h"
#include "xml/ValueParsing.h"

#include <algorithm>

namespace {
const TableRow kFXHeader{"FX", "Rank", "Att", "Score", "Die", "Cost"};

std::string RowKey(const TableView& table, int row) {
    if (row < 1 || row >= static_cast<int>(table.size())) return {};
    const TableRow& cells = table[static_cast<std::size_t>(row)];
    return cells.empty() ? std::string() : Trim(cells[0]);
}

bool ValidAttribute(const TFX& fx) {
    return fx.Attrib >= 0 && fx.Attrib <= kAttributeCount;
}

bool SameBonuses(const TBonuses& a, const TBonuses& b) {
    return a.ACBonus == b.ACBonus && a.ACIncrease == b.ACIncrease && a.Action == b.Action &&
           a.Str == b.Str && a.Dex == b.Dex && a.Con == b.Con && a.Int == b.Int && a.Wil == b.Wil &&
           a.Per == b.Per && a.Fatigue == b.Fatigue && a.Mortal == b.Mortal && a.Stun == b.Stun &&
           a.Wound == b.Wound;
}

AttributeValues AttributeBonuses(const TBonuses& bonus) {
    return {bonus.Str, bonus.Dex, bonus.Con, bonus.Int, bonus.Wil, bonus.Per};
}

// The parent of a tree node; the top level (-1) has none above it.
int Up(const std::vector<int>& parents, int node) {
    return node < 0 ? -1 : parents[static_cast<std::size_t>(node)];
}
} // namespace

// --- the catalogue and the offered list -----------------------------------------------------

void FXPurchases::LoadFX() {
    HeroDocument::Operation operation(document_);
    XmlReadResult read;
    const auto file = document_.paths.InDataDir("fx.xml");
    catalogue_ = ReadFXCatalogue(file, &read);
    document_.ReportReadErrors(read);
    if (catalogue_.skills.empty() && read.ok()) document_.ReportEmptyCatalogue(file, "FX");
    choices_ = FXSpecializationChoices(catalogue_.skills);
    // Nameless entries can be neither offered nor found: the list leaves them out.
    std::erase(choices_, std::string());
    prices_.clear();
    for (const TFX& fx : catalogue_.skills)
        prices_.try_emplace(fx.Name, fx.Cost);
    std::string& chosen = document_.Hero.FXSpecialization;
    if (std::find(choices_.begin(), choices_.end(), chosen) == choices_.end()) chosen.clear();
    OfferFX();
}

void FXPurchases::OfferFX() {
    HeroDocument::Operation operation(document_);
    std::vector<TFX>& offered = document_.Hero.FXSkills;
    offered.clear();
    std::string previousType;
    for (const TFX& entry : catalogue_.skills) {
        if (entry.Name.empty() || !rules_.ValidSource(entry.Source)) continue;
        if (entry.FXType != previousType) {
            // The placeholder of the FX type: its node in the tree.
            TFX type;
            type.FXType = entry.FXType;
            offered.push_back(std::move(type));
        }
        TFX copy = entry;
        copy.Selected = false;
        copy.Active = false;
        copy.Rank = 1;
        copy.TotalCost = 0;
        offered.push_back(std::move(copy));
        previousType = entry.FXType;
    }
    document_.Touch(Aspect::FX);
}

void FXPurchases::RestorePurchases(const std::vector<TFX>& kept) {
    HeroDocument::Operation operation(document_);
    for (const TFX& before : kept) {
        if (!before.Selected || IsFXTypeNode(before)) continue;
        for (TFX& offered : document_.Hero.FXSkills) {
            if (offered.Name != before.Name || IsFXTypeNode(offered)) continue;
            offered.Selected = true;
            offered.Rank = IsBroadFX(offered) ? 0 : RankWithinLimits(before.Rank);
            offered.Active = before.Active && offered.CanBeActive;
        }
    }
    document_.Touch(Aspect::FX);
}

// --- the specialization ---------------------------------------------------------------------

bool FXPurchases::SpecializationShown() const {
    return ChoosesFXSpecialization(FXLabelFor(professions_.ChosenName()));
}

std::string FXPurchases::SpecializationInForce() const {
    return SpecializationShown() ? document_.Hero.FXSpecialization : std::string();
}

void FXPurchases::ChooseFXSpecialization(int index) {
    const std::string chosen = index >= 0 && index < static_cast<int>(choices_.size())
                                   ? choices_[static_cast<std::size_t>(index)]
                                   : std::string();
    // The same choice again is no change: the FX stay.
    if (chosen == document_.Hero.FXSpecialization) return;
    HeroDocument::Operation operation(document_);
    document_.SetChanged(true);
    document_.Hero.FXSpecialization = chosen;
    OfferFX();
}

void FXPurchases::ChooseFXSpecializationByName(const std::string& name) {
    HeroDocument::Operation operation(document_);
    document_.SetChanged(true);
    if (std::find(choices_.begin(), choices_.end(), name) != choices_.end())
        document_.Hero.FXSpecialization = name;
    OfferFX();
}

// --- buying, ranks, removing ----------------------------------------------------------------

int FXPurchases::RowOf(const std::string& name) const {
    int row = 0;
    for (const TFX& fx : document_.Hero.FXSkills) {
        if (!fx.Selected) continue;
        ++row;
        if (fx.Name == name) return row;
    }
    return 0;
}

void FXPurchases::ReportUnmatched(const std::vector<std::string>& names) const {
    for (const std::string& name : names)
        document_.prompter.error(name + " is not matched to a valid attribute");
}

int FXPurchases::BuyFX(int node) {
    std::vector<TFX>& offered = document_.Hero.FXSkills;
    if (node < 0 || node >= static_cast<int>(offered.size())) return 0;
    if (IsFXTypeNode(offered[static_cast<std::size_t>(node)])) return 0;
    if (SpecializationShown() && document_.Hero.FXSpecialization.empty()) {
        document_.prompter.error("Select your specialization before adding skills");
        return 0;
    }
    HeroDocument::Operation operation(document_);
    document_.SetChanged(true);
    const TFX& entry = offered[static_cast<std::size_t>(node)];
    const std::string name = entry.Name;
    const std::string broadSkill = entry.BroadSkill;
    // An FX comes into the table once: a row without a valid attribute is told of then.
    std::vector<std::string> unmatched;
    auto select = [&unmatched](TFX& fx) {
        if (fx.Selected) return;
        fx.Selected = true;
        fx.Active = false;
        fx.Rank = IsBroadFX(fx) ? 0 : 1;
        if (!ValidAttribute(fx)) unmatched.push_back(fx.Name);
    };
    select(offered[static_cast<std::size_t>(node)]);
    for (TFX& fx : offered)
        if (!IsFXTypeNode(fx) && fx.Name == broadSkill) select(fx);
    document_.Touch(Aspect::FX);
    ReportUnmatched(unmatched);
    return RowOf(name);
}

bool FXPurchases::AddFX(const std::string& name, int rank, bool makeActive) {
    if (name.empty()) return false;
    HeroDocument::Operation operation(document_);
    bool found = false;
    std::vector<std::string> unmatched;
    for (TFX& fx : document_.Hero.FXSkills) {
        if (fx.Name != name) continue;
        found = true;
        if (!fx.Selected && !ValidAttribute(fx)) unmatched.push_back(fx.Name);
        fx.Selected = true;
        // A broad FX has no rank, whatever rank a file gives it: it costs its price.
        fx.Rank = IsBroadFX(fx) ? 0 : RankWithinLimits(rank);
        if (makeActive && fx.CanBeActive) fx.Active = true;
    }
    document_.Touch(Aspect::FX);
    ReportUnmatched(unmatched);
    return found;
}

void FXPurchases::RaiseFXRank(const std::string& name) {
    HeroDocument::Operation operation(document_);
    for (TFX& fx : document_.Hero.FXSkills)
        if (fx.Selected && fx.Name == name && !IsBroadFX(fx))
            fx.Rank = RankWithinLimits(fx.Rank + 1);
    document_.Touch(Aspect::FX);
}

void FXPurchases::LowerFXRank(const std::string& name) {
    HeroDocument::Operation operation(document_);
    for (TFX& fx : document_.Hero.FXSkills)
        if (fx.Selected && fx.Name == name && !IsBroadFX(fx) && fx.Rank >= 2)
            fx.Rank = RankWithinLimits(fx.Rank - 1);
    document_.Touch(Aspect::FX);
}

void FXPurchases::RaiseRowRank(int row) {
    const std::string name = RowKey(document_.Views.Table(kFXTable), row);
    if (name.empty()) {
        document_.prompter.plain("Please select a skill to raise");
        return;
    }
    HeroDocument::Operation operation(document_);
    document_.SetChanged(true);
    RaiseFXRank(name);
}

void FXPurchases::LowerRowRank(int row) {
    const std::string name = RowKey(document_.Views.Table(kFXTable), row);
    if (name.empty()) {
        document_.prompter.plain("Please select a skill to lower");
        return;
    }
    HeroDocument::Operation operation(document_);
    document_.SetChanged(true);
    LowerFXRank(name);
}

void FXPurchases::RemoveFX(int row) {
    const std::string name = RowKey(document_.Views.Table(kFXTable), row);
    if (name.empty()) {
        document_.prompter.error("Select an FX to remove");
        return;
    }
    HeroDocument::Operation operation(document_);
    document_.SetChanged(true);
    for (TFX& fx : document_.Hero.FXSkills) {
        if (!fx.Selected || (fx.Name != name && fx.BroadSkill != name)) continue;
        fx.Selected = false;
        fx.Active = false;
        fx.Rank = 1;
        fx.TotalCost = 0;
    }
    document_.Touch(Aspect::FX);
}

bool FXPurchases::CanMakeActive(int row) const {
    const std::string name = RowKey(document_.Views.Table(kFXTable), row);
    if (name.empty()) return false;
    const auto& offered = document_.Hero.FXSkills;
    return std::any_of(offered.begin(), offered.end(),
                       [&name](const TFX& fx) { return fx.Name == name && fx.CanBeActive; });
}

void FXPurchases::MakeAlwaysActive(int row) {
    const std::string name = RowKey(document_.Views.Table(kFXTable), row);
    if (name.empty()) {
        document_.prompter.error("Select an FX skill to make active first");
        return;
    }
    for (const TableRow& active : document_.Views.Table(kAlwaysActiveTable))
        if (!active.empty() && active[0] == name) {
            document_.prompter.error(name + " is already active.");
            return;
        }
    HeroDocument::Operation operation(document_);
    for (TFX& fx : document_.Hero.FXSkills) {
        if (!fx.Selected || fx.Name != name) continue;
        if (fx.CanBeActive) {
            fx.Active = true;
            // The hero file keeps the mark: the hero has changed.
            document_.SetChanged(true);
        } else {
            document_.prompter.error("*Sputter*\rIt seems an error has occured.\r" + name +
                                     " is not actually allowed to be made active.\r"
                                     "Sorry for raising your hopes...");
        }
    }
    document_.Touch(Aspect::FX);
}

void FXPurchases::ClearFX() {
    HeroDocument::Operation operation(document_);
    for (TFX& fx : document_.Hero.FXSkills) {
        fx.Selected = false;
        fx.Active = false;
        fx.Rank = 1;
        fx.TotalCost = 0;
    }
    document_.Hero.FXSpecialization.clear();
    document_.Touch(Aspect::FX);
}

// --- the recompute --------------------------------------------------------------------------

bool FXPurchases::CountFXTotals() {
    THero& hero = document_.Hero;
    TFXBenefit totals = FXTotalsOf(hero.FXSkills, catalogue_.benefits);
    if (SameBonuses(totals, hero.FXTotals)) return false;
    // The scores take exactly the change of the totals, so that each base stays.
    const AttributeValues before = AttributeBonuses(hero.FXTotals);
    const AttributeValues after = AttributeBonuses(totals);
    for (std::size_t a = 0; a < kAttributeCount; ++a)
        hero.Score[a] = AddClamped(hero.Score[a], SubtractClamped(after[a], before[a]));
    hero.FXTotals = std::move(totals);
    return true;
}

int FXPurchases::PriceOf(const TFX& offered, const std::string& specialization) const {
    const auto price = prices_.find(offered.Name);
    const int cost = price != prices_.end() ? price->second : offered.Cost;
    return !specialization.empty() && offered.BroadSkill == specialization
               ? SubtractClamped(cost, 1)
               : cost;
}

TableView FXPurchases::FXTree() const {
    // Three levels: FX type, broad FX skill, specialty. Each entry of the offered list has its
    // node, in list order; a placeholder's node is its FX type.
    TableView tree;
    const std::string specialization = SpecializationInForce();
    std::vector<int> parents;
    std::vector<int> depths;
    int current = -1;
    std::string previousType;
    std::string previousBroadSkill;
    auto addNode = [&](std::string text) {
        const int depth = current < 0 ? 0 : depths[static_cast<std::size_t>(current)] + 1;
        parents.push_back(current);
        depths.push_back(depth);
        current = static_cast<int>(parents.size()) - 1;
        tree.push_back({std::to_string(depth), std::move(text)});
    };
    for (const TFX& fx : document_.Hero.FXSkills) {
        if (IsFXTypeNode(fx)) {
            if (!previousType.empty()) current = Up(parents, Up(parents, current));
            addNode(fx.FXType);
            continue;
        }
        if (fx.BroadSkill != previousBroadSkill && !previousBroadSkill.empty() &&
            fx.FXType == previousType)
            current = Up(parents, current);
        addNode(fx.Name + " [" + std::to_string(PriceOf(fx, specialization)) + "]");
        if (fx.BroadSkill == previousBroadSkill && !previousBroadSkill.empty())
            current = Up(parents, current);
        previousType = fx.FXType;
        previousBroadSkill = fx.BroadSkill;
    }
    return tree;
}

void FXPurchases::PaintFXChoices() {
    const THero& hero = document_.Hero;
    ViewData& views = document_.Views;
    const std::string label = FXLabelFor(professions_.ChosenName());
    views.SetLabel(kFXLabel, label);
    ChoiceView choice;
    choice.items = choices_;
    const auto chosen = std::find(choices_.begin(), choices_.end(), hero.FXSpecialization);
    choice.index = chosen != choices_.end() && !hero.FXSpecialization.empty()
                       ? static_cast<int>(chosen - choices_.begin())
                       : -1;
    choice.visible = ChoosesFXSpecialization(label);
    choice.caption = "Specialization:";
    views.SetChoice(kFXSpecializationChoice, std::move(choice));
    views.SetLabel(kFXSpecializationLabel, SpecializationInForce());
    views.SetTable(kFXTree, FXTree());
}

TableView FXPurchases::FXTable() const {
    const THero& hero = document_.Hero;
    TableView table{kFXHeader};
    for (const TFX& fx : hero.FXSkills) {
        if (!fx.Selected) continue;
        const bool broad = IsBroadFX(fx);
        TableRow row(6);
        row[0] = broad ? fx.Name : "  " + fx.Name;
        if (!broad) row[1] = std::to_string(fx.Rank);
        // A row without a valid attribute shows its name and rank only and costs nothing.
        if (ValidAttribute(fx)) {
            if (fx.Attrib == 0) {
                row[2] = "N/A";
                row[3] = "AUTO";
                row[4] = "N/A";
            } else {
                row[2] = kAttributeNames[static_cast<std::size_t>(fx.Attrib - 1)];
                const int score = hero.Score[static_cast<std::size_t>(fx.Attrib - 1)];
                row[3] = ScoreText(broad ? score : AddClamped(score, fx.Rank));
                row[4] = broad ? "+d4" : "+d0";
            }
            row[5] = std::to_string(fx.TotalCost);
        }
        table.push_back(std::move(row));
    }
    return table;
}

void FXPurchases::PaintSelectedFX() {
    THero& hero = document_.Hero;
    const bool rule2C = rules_.RuleSet().Rule2C;
    const std::string specialization = SpecializationInForce();
    TableView active;
    for (TFX& fx : hero.FXSkills) {
        if (IsFXTypeNode(fx)) continue;
        fx.Cost = PriceOf(fx, specialization);
        fx.TotalCost = fx.Selected ? RankCost(fx.Cost, fx.Rank, IsBroadFX(fx), rule2C) : 0;
        if (fx.Selected && fx.Active) active.push_back({fx.Name});
    }
    ViewData& views = document_.Views;
    views.SetTable(kFXTable, FXTable());
    views.SetTable(kAlwaysActiveTable, std::move(active));
    const int spent = FXPointsSpent(hero.FXSkills);
    const int points = rules_.RuleSet().FXPoints;
    views.SetLabel(kFXPointsLabel,
                   std::to_string(points - spent) + "  [" + std::to_string(spent) + " used of " +
                       std::to_string(points) + "]",
                   spent > points);
}
