#include "gear/LastResortPoints.h"

#include "hero/AttributeScores.h"
#include "xml/ValueParsing.h"

namespace {
constexpr const char* kNotEligible =
    "Your PER attribute is too low.\rYou are not eligible to use Last Resort Points";
constexpr const char* kNoProfession = "Choose a profession first";
constexpr const char* kHasPoints = "This character already has Last Resort Points";
constexpr const char* kNoDescription = "Please provide a desciption";
constexpr const char* kCostUnknown = "Unknown system error.";
constexpr const char* kAtMaximum = "Last Resort Points already at maximum";
constexpr const char* kStartingPoint = "Starting Point";
} // namespace

long long LastResortPointsHeld(const THero& hero) {
    long long held = 0;
    for (const TLRPEntry& entry : hero.LastResortEntries)
        held += entry.Points;
    return held;
}

long long LastResortSkillCost(const THero& hero) {
    long long cost = 0;
    for (const TLRPEntry& entry : hero.LastResortEntries)
        cost += entry.Cost;
    return cost;
}

void LastResortPoints::AddLastResortPoints(int cost, int points, const std::string& description) {
    HeroDocument::Operation operation(document_);
    document_.Hero.LastResortEntries.push_back({points, cost, description});
    document_.Touch(Aspect::LastResort);
}

void LastResortPoints::AssignStartingPoints() {
    const int maximum = ParseInteger(document_.Views.Label(kLastResortMaxLabel).text).value_or(0);
    const THero& hero = document_.Hero;
    if (maximum <= 0) {
        document_.prompter.error(kNotEligible);
        return;
    }
    if (hero.ProfessionIndex < 0) {
        document_.prompter.error(kNoProfession);
        return;
    }
    if (!hero.LastResortEntries.empty()) {
        document_.prompter.error(kHasPoints);
        return;
    }
    HeroDocument::Operation operation(document_);
    for (int i = 0; i < maximum; ++i)
        AddLastResortPoints(0, 1, kStartingPoint);
    document_.SetChanged(true);
}

bool LastResortPoints::EnterPoint(Direction direction, const std::string& description) {
    const std::string costText = document_.Views.Label(kLastResortCostLabel).text;
    if (costText == "-") {
        document_.prompter.error(kNotEligible);
        return false;
    }
    if (description.empty()) {
        document_.prompter.error(kNoDescription);
        return false;
    }
    const auto cost = ParseInteger(costText);
    if (!cost) {
        document_.prompter.error(kCostUnknown);
        return false;
    }
    if (direction == Direction::Gain) {
        // Also a hero whose Perception fell below the points held buys no more.
        const int maximum =
            ParseInteger(document_.Views.Label(kLastResortMaxLabel).text).value_or(0);
        if (LastResortPointsHeld(document_.Hero) >= maximum) {
            document_.prompter.error(kAtMaximum);
            return false;
        }
    }
    HeroDocument::Operation operation(document_);
    if (direction == Direction::Gain)
        AddLastResortPoints(*cost, 1, description);
    else
        AddLastResortPoints(0, -1, description);
    document_.SetChanged(true);
    return true;
}

void LastResortPoints::ClearLastResortPoints() {
    HeroDocument::Operation operation(document_);
    document_.Hero.LastResortEntries.clear();
    document_.Touch(Aspect::LastResort);
}

void LastResortPoints::PaintLastResortPoints() {
    const THero& hero = document_.Hero;
    TableView ledger{{"Pts", "Description"}};
    for (const TLRPEntry& entry : hero.LastResortEntries)
        ledger.push_back({std::to_string(entry.Points), entry.Description});
    ViewData& views = document_.Views;
    views.SetTable(kLastResortTable, std::move(ledger));
    views.SetLabel(kLastResortPointsLabel, std::to_string(LastResortPointsHeld(hero)));
    views.SetLabel(kLastResortTotalLabel, std::to_string(LastResortSkillCost(hero)));
}
