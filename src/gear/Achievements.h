#pragma once
// Achievements and benefits: the achievement point entries and the level they give, the
// benefits catalogue, the benefits the hero's profession may buy at that level, the bought
// benefits with their bonus totals, and the figures of the Achievements page.
//
// A bought benefit raises the attribute it names (the first of its six values above 0) by
// that value, and the bonus totals count exactly that raise, so the attribute's base never
// moves when benefits are bought, removed, saved or read.

#include "gear/AdvancementRules.h"
#include "hero/HeroDocument.h"
#include "hero/TypeDefinitions.h"

#include <optional>
#include <string>
#include <vector>

class RulesConfiguration;
class ProfessionChoice;
class AttributeScores;

class Achievements {
public:
    Achievements(HeroDocument& document, const RulesConfiguration& rules,
                 const ProfessionChoice& professions, const AttributeScores& attributes)
        : document_(document), rules_(rules), professions_(professions),
          attributes_(attributes) {}

    // Rereads benefits.xml; the bought benefits stay.
    void LoadBenefits();

    // "Add Points" with the two fields as typed: true when the entry was added. Points that
    // are not a whole number are refused ("Points must be numeric!" unless a file is read).
    bool AddPoints(const std::string& pointsText, const std::string& detail);
    // Removes the entry of a row of the entries table (from 1; 0 when none is selected).
    void RemoveAchievement(int row);

    // Buys the benefit of a row of the available table (from 1); the row of the bought table
    // it became, 0 when nothing was bought.
    int BuyBenefit(int row);
    // Buys the first catalogue benefit of that name (hero files); false when there is none or
    // the attribute it raises is at its maximum.
    bool AddBenefit(const std::string& name);
    // Removes the benefit of a row of the bought table (from 1; 0 when none is selected).
    void RemoveBenefit(int row);
    // Empties the entries and the bought benefits.
    void ClearAchievements();

    // Recomputes the points earned, the level, the points needed, the cost of the bought
    // benefits and their bonus totals from the hero's lists (before the derived scores).
    void CountAdvancement();
    // Shows the three tables and the page's figures.
    void PaintAchievements();

    // The benefit column of the chosen profession; none without one.
    std::optional<BenefitColumn> Column() const;
    const std::vector<TBenefit>& Catalogue() const { return catalogue_; }

private:
    // Positions in the catalogue of the benefits offered now, in the order shown.
    std::vector<std::size_t> OfferedBenefits() const;
    // Applies a benefit's raise (refused at the attribute's maximum) and appends it.
    bool TakeBenefit(const TBenefit& benefit);

    HeroDocument& document_;
    const RulesConfiguration& rules_;
    const ProfessionChoice& professions_;
    const AttributeScores& attributes_;
    std::vector<TBenefit> catalogue_;
};

// Rows {points, description}; {cost, name} for the two benefit tables (no header rows).
inline constexpr TableName kAchievementTable{"Achievements"};
inline constexpr TableName kAvailableBenefitsTable{"AvailableBenefits"};
inline constexpr TableName kBenefitsTable{"Benefits"};
