#include "skills/SkillBudget.h"

#include "gear/GearViews.h"
#include "gear/LastResortPoints.h"
#include "hero/AttributeScores.h"
#include "hero/CheckedArithmetic.h"
#include "hero/NumberRanges.h"
#include "hero/ProfessionChoice.h"
#include "hero/Professions.h"
#include "rules/RulesConfiguration.h"
#include "skills/PerksAndFlaws.h"
#include "skills/SkillPurchases.h"
#include "xml/ValueParsing.h"

namespace {
constexpr TableName kSpendingTables[] = {kSkillTable, kPsionicTable, kFXTable};
constexpr int kPrimitiveReductionCost = 4;
constexpr int kCyberSkillCost = 10;
constexpr int kCashOutValue = 3;
constexpr int kBroadSkillBase = 12;
constexpr int kTechOpPosition = 5;
// The budget's four numbers stay within this bound, so that the remainders shown and saved
// (their differences) always fit.
constexpr int kPointsLimit = 1'000'000'000;
constexpr const char* kPointsNotNumeric = "Points must be numeric.";
} // namespace

void SkillBudget::CalculateSkillPoints() {
    THero& hero = document_.Hero;
    const TRuleset& rules = rules_.RuleSet();
    // Every sum is taken in 64 bits: the costs and adjustments come from the tables and from
    // hero files, and no count of them can wrap around.
    long long used = 0;
    long long broadUsed = 0;
    for (const TableName name : kSpendingTables) {
        const TableView& table = document_.Views.Table(name);
        if (table.size() < 2 || table[1].empty() || table[1][0].empty()) continue;
        for (std::size_t r = 1; r < table.size(); ++r) {
            const TableRow& row = table[r];
            const std::string cell0 = row.empty() ? std::string() : row[0];
            if (row.size() > 5)
                if (const auto cost = ParseInteger(row[5])) used += *cost;
            const std::string rank = row.size() > 1 ? Trim(row[1]) : std::string();
            if (rank.empty() && !cell0.empty()) ++broadUsed;
        }
    }
    // The perks' and flaws' net adjustment gives points back when positive.
    used -= TotalPerksAndFlaws(hero, rules_.customPerks, rules_.customFlaws).net;
    // The bought benefits' cost in the hero's column.
    used += hero.AchievementTotals.BenefitsPurchased;
    const TSpeciesData& species = hero.CurrentSpecies;
    if (hero.Primitive && species.Primitive) used += kPrimitiveReductionCost;
    if (hero.CyberSkill && !species.CyberSkill) used += kCyberSkillCost;

    const long long intelligence = hero.Score[attINT];
    long long available = (intelligence + rules.SkillPtIntMod) * rules.SkillPtMult +
                          species.SkillPoints + rules.BonusSkillPts;
    available += hero.AchievementTotals.PointsEarned;
    if (hero.ProfessionIndex == kTechOpPosition)
        available += static_cast<long long>(hero.AchievementTotals.Level) - 1;
    // The last resort points bought.
    used += LastResortSkillCost(hero);
    for (const TSkillPointAdjustment& adjustment : hero.SkillPointAdjustments)
        used += adjustment.Points;
    available += kCashOutValue * static_cast<long long>(hero.CashedOutSkills.size());

    const auto intResistance =
        ParseInteger(document_.Views.Label(AttributeLabel(attINT, AttributeColumn::Res)).text);
    const long long broadAvailable =
        static_cast<long long>(intResistance.value_or(0)) + kBroadSkillBase;

    const auto bounded = [](long long value) {
        return ClampToRange(value, -kPointsLimit, kPointsLimit);
    };
    TSkillPointBudget& budget = hero.SkillPointBudget;
    budget = {bounded(available), bounded(used), bounded(broadAvailable), bounded(broadUsed)};
    document_.Views.SetLabel(kSkillPointsLabel,
                             std::to_string(budget.StartingPoints - budget.PointsUsed) + "  [" +
                                 std::to_string(budget.PointsUsed) + " used of " +
                                 std::to_string(budget.StartingPoints) + "]");
    // The Achievements page shows the same balance.
    document_.Views.SetLabel(kPointsAvailableLabel, document_.Views.Label(kSkillPointsLabel).text);
    document_.Views.SetLabel(kBroadSkillsLabel,
                             std::to_string(budget.MaxBroadSkills - budget.BroadSkillsUsed) + " [" +
                                 std::to_string(budget.BroadSkillsUsed) + " used of " +
                                 std::to_string(budget.MaxBroadSkills) + "]");
}

void SkillBudget::AddAdjustment(int points, const std::string& description) {
    HeroDocument::Operation operation(document_);
    document_.Hero.SkillPointAdjustments.push_back({points, description});
    document_.Touch(Aspect::Budget);
}

SkillBudget::AdjustResult SkillBudget::EnterAdjustment(const std::string& pointsText,
                                                       const std::string& description) {
    const auto points = ParseInteger64(pointsText);
    if (!points) {
        document_.prompter.error(kPointsNotNumeric);
        return {false, Focus::Points};
    }
    if (!kAdjustmentRange.Contains(*points)) {
        document_.prompter.error("Points must be a whole number from " +
                                 std::to_string(kAdjustmentRange.lowest) + " to " +
                                 std::to_string(kAdjustmentRange.highest) + ".");
        return {false, Focus::Points};
    }
    if (description.empty()) {
        document_.prompter.error("Provide a description");
        return {false, Focus::Description};
    }
    HeroDocument::Operation operation(document_);
    AddAdjustment(static_cast<int>(*points), description);
    document_.SetChanged(true);
    return {true, Focus::Points};
}

void SkillBudget::RemoveAdjustment(int row) {
    auto& adjustments = document_.Hero.SkillPointAdjustments;
    if (adjustments.empty()) {
        document_.prompter.error("Nothing to remove");
        return;
    }
    // With one adjustment, that one goes whatever the row; with more, a row that names none
    // changes nothing.
    if (adjustments.size() > 1 && (row < 1 || row > static_cast<int>(adjustments.size()))) return;
    HeroDocument::Operation operation(document_);
    if (adjustments.size() == 1)
        adjustments.clear();
    else
        adjustments.erase(adjustments.begin() + (row - 1));
    document_.Touch(Aspect::Budget);
    document_.SetChanged(true);
}

void SkillBudget::PaintAdjustments() {
    TableView table{{"", ""}};
    for (const TSkillPointAdjustment& adjustment : document_.Hero.SkillPointAdjustments)
        table.push_back({std::to_string(adjustment.Points), adjustment.Description});
    if (table.size() == 1) table.push_back({"", ""});
    document_.Views.SetTable(kAdjustmentTable, std::move(table));
}

void SkillBudget::PaintFixedNotes() {
    const THero& hero = document_.Hero;
    const TRuleset& rules = rules_.RuleSet();
    TableView lines;
    auto line = [&lines](std::string text) { lines.push_back({std::move(text)}); };

    if (rules.SkillPtIntMod == -1 && rules.SkillPtMult == 5)
        line("Core rules for calculating skill points; " + std::to_string(rules.BonusSkillPts) +
             " bonus skill points");
    else if (rules.SkillPtIntMod == 0 && rules.SkillPtMult == 3)
        line("Optional rule 2A for calculating skill points; " +
             std::to_string(rules.BonusSkillPts - 30) + " bonus skill points");
    else
        line("Custom rule for skill points: ((INT + " + std::to_string(rules.SkillPtIntMod) +
             ") * " + std::to_string(rules.SkillPtMult) + ") + " +
             std::to_string(rules.BonusSkillPts));
    if (rules.Rule2C) line("Rule2C in play for skill advancement");

    const auto& notes = hero.CurrentSpecies.Notes;
    for (std::size_t i = 0; i < notes.size(); ++i)
        if (i < 2 || !notes[i].empty()) line(notes[i]);
    if (hero.CurrentSpecies.Primitive && hero.Primitive)
        line("Primitive Penalty Reduced from +2 to +1 step");

    if (const TProfData* profession = professions_.Chosen()) {
        for (const std::string& note : profession->Notes)
            if (!note.empty()) line(note);
        const std::string label = SpecializationLabel(hero.ProfessionIndex);
        const std::string name = professions_.ChosenName();
        if (label != kNoSpecializationLabel)
            line(name + " " + label + " (" + professions_.ChosenSpecialization() + ")");
        const std::string fxLabel = document_.Views.Label(kFXLabel).text;
        if (fxLabel == "FX Adept" || fxLabel == "FX Talent*")
            line(name + " FX Specialization: " + hero.FXSpecialization);
    }
    document_.Views.SetTable(kFixedNotesTable, std::move(lines));
}
