#include "gear/Achievements.h"

#include "gear/BenefitCatalogue.h"
#include "gear/GearViews.h"
#include "hero/AttributeScores.h"
#include "hero/CheckedArithmetic.h"
#include "hero/NumberRanges.h"
#include "hero/ProfessionChoice.h"
#include "rules/RulesConfiguration.h"
#include "xml/ValueParsing.h"

namespace {
constexpr const char* kRacialMax[] = {
    "STR already at racial max!", "DEX already at racial max!", "CON already at racial max!",
    "INT already at racial max!", "WIL already at racial max!", "PER already at racial max!"};
// Points earned and spent stay within this bound however many entries a file holds.
constexpr int kPointsLimit = 1'000'000'000;
} // namespace

void Achievements::LoadBenefits() {
    HeroDocument::Operation operation(document_);
    XmlReadResult read;
    const auto file = document_.paths.InDataDir("benefits.xml");
    catalogue_ = ReadBenefitCatalogue(file, &read);
    document_.ReportReadErrors(read);
    if (catalogue_.empty() && read.ok()) document_.ReportEmptyCatalogue(file, "benefits");
    document_.Touch(Aspect::Achievements);
}

std::optional<BenefitColumn> Achievements::Column() const {
    const TProfData* profession = professions_.Chosen();
    if (!profession) return std::nullopt;
    return ColumnFor(profession->SkillDiscount);
}

bool Achievements::AddPoints(const std::string& pointsText, const std::string& detail) {
    const auto points = ParseIntegerIn(Trim(pointsText), kAchievementPointRange);
    if (!points) {
        if (document_.Ready()) document_.prompter.error("Points must be numeric!");
        return false;
    }
    HeroDocument::Operation operation(document_);
    document_.Hero.AchievementEntries.push_back({*points, detail});
    document_.SetChanged(true);
    document_.Touch(Aspect::Achievements);
    return true;
}

void Achievements::RemoveAchievement(int row) {
    auto& entries = document_.Hero.AchievementEntries;
    if (row < 1 || row > static_cast<int>(entries.size())) {
        document_.prompter.error("Select an achivement item to remove.");
        return;
    }
    HeroDocument::Operation operation(document_);
    entries.erase(entries.begin() + (row - 1));
    document_.SetChanged(true);
    document_.Touch(Aspect::Achievements);
}

std::vector<std::size_t> Achievements::OfferedBenefits() const {
    std::vector<std::size_t> offered;
    const auto column = Column();
    if (!column) return offered;
    const int level = document_.Hero.AchievementTotals.Level;
    for (std::size_t i = 0; i < catalogue_.size(); ++i)
        if (rules_.ValidSource(catalogue_[i].Source) && LevelIn(catalogue_[i], *column) <= level)
            offered.push_back(i);
    return offered;
}

bool Achievements::TakeBenefit(const TBenefit& benefit) {
    THero& hero = document_.Hero;
    const auto raise = RaiseOf(benefit);
    if (raise) {
        const std::size_t a = static_cast<std::size_t>(raise->attribute);
        if (hero.Score[a] >= attributes_.Limits().Max[a]) {
            // A hero file's refused benefit is reported with the file's other notices.
            if (!document_.Loading()) document_.prompter.error(kRacialMax[a]);
            return false;
        }
    }
    HeroDocument::Operation operation(document_);
    if (raise) {
        const std::size_t a = static_cast<std::size_t>(raise->attribute);
        hero.Score[a] = AddClamped(hero.Score[a], raise->amount);
        document_.Touch(Aspect::Attributes);
    }
    hero.Benefits.push_back(benefit);
    // The totals follow at once: the limits and bases read them within the operation.
    hero.BenefitTotals = BenefitTotalsOf(hero.Benefits);
    document_.SetChanged(true);
    document_.Touch(Aspect::Achievements);
    return true;
}

int Achievements::BuyBenefit(int row) {
    const std::vector<std::size_t> offered = OfferedBenefits();
    if (row < 1 || row > static_cast<int>(offered.size())) {
        document_.prompter.error("No benefits to add");
        return 0;
    }
    if (!TakeBenefit(catalogue_[offered[static_cast<std::size_t>(row - 1)]])) return 0;
    return static_cast<int>(document_.Hero.Benefits.size());
}

bool Achievements::AddBenefit(const std::string& name) {
    for (const TBenefit& benefit : catalogue_)
        if (benefit.Name == name) return TakeBenefit(benefit);
    return false;
}

void Achievements::RemoveBenefit(int row) {
    THero& hero = document_.Hero;
    if (row < 1 || row > static_cast<int>(hero.Benefits.size())) {
        document_.prompter.error("Select a benefit to remove.");
        return;
    }
    HeroDocument::Operation operation(document_);
    const auto at = hero.Benefits.begin() + (row - 1);
    if (const auto raise = RaiseOf(*at)) {
        const std::size_t a = static_cast<std::size_t>(raise->attribute);
        hero.Score[a] = SubtractClamped(hero.Score[a], raise->amount);
        document_.Touch(Aspect::Attributes);
    }
    hero.Benefits.erase(at);
    hero.BenefitTotals = BenefitTotalsOf(hero.Benefits);
    document_.SetChanged(true);
    document_.Touch(Aspect::Achievements);
}

void Achievements::ClearAchievements() {
    HeroDocument::Operation operation(document_);
    document_.Hero.AchievementEntries.clear();
    document_.Hero.Benefits.clear();
    document_.Hero.BenefitTotals = TBenefit{};
    document_.Touch(Aspect::Achievements);
}

void Achievements::CountAdvancement() {
    THero& hero = document_.Hero;
    long long earned = 0;
    for (const TAchievementEntry& entry : hero.AchievementEntries)
        earned += entry.Points;
    earned = ClampToRange(earned, -kPointsLimit, kPointsLimit);
    const LevelStanding standing = LevelFor(earned);
    long long spent = 0;
    if (const auto column = Column())
        for (const TBenefit& benefit : hero.Benefits)
            spent += CostIn(benefit, *column);
    hero.AchievementTotals = {static_cast<int>(earned), standing.level, standing.pointsNeeded,
                              ClampToRange(spent, -kPointsLimit, kPointsLimit)};
    hero.BenefitTotals = BenefitTotalsOf(hero.Benefits);
}

void Achievements::PaintAchievements() {
    const THero& hero = document_.Hero;
    ViewData& views = document_.Views;
    TableView entries;
    for (const TAchievementEntry& entry : hero.AchievementEntries)
        entries.push_back({std::to_string(entry.Points), entry.Description});
    views.SetTable(kAchievementTable, std::move(entries));

    const auto column = Column();
    TableView available;
    for (const std::size_t i : OfferedBenefits())
        available.push_back({std::to_string(CostIn(catalogue_[i], *column)), catalogue_[i].Name});
    views.SetTable(kAvailableBenefitsTable, std::move(available));
    TableView bought;
    for (const TBenefit& benefit : hero.Benefits)
        bought.push_back({std::to_string(column ? CostIn(benefit, *column) : 0), benefit.Name});
    views.SetTable(kBenefitsTable, std::move(bought));

    const TAchievementTotals& totals = hero.AchievementTotals;
    views.SetLabel(kPointsEarnedLabel, std::to_string(totals.PointsEarned));
    views.SetLabel(kLevelLabel, std::to_string(totals.Level));
    views.SetLabel(kPointsNeededLabel, std::to_string(totals.PointsNeeded));
    views.SetLabel(kBenefitsPurchasedLabel,
                   hero.Benefits.empty() ? std::string() : std::to_string(totals.BenefitsPurchased));
}
