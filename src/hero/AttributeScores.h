#pragma once
// The hero's six attribute scores and every number that follows from them: limits, bases,
// untrained scores, resistance modifiers, the attribute point cost, the action check and
// die, the number of actions, movement, durability and last resort points.

#include "hero/DerivedScores.h"
#include "hero/HeroDocument.h"

#include <array>
#include <string>

class RulesConfiguration;
class ProfessionChoice;

class AttributeScores {
public:
    AttributeScores(HeroDocument& document, const RulesConfiguration& rules,
                    const ProfessionChoice& professions)
        : document_(document), rules_(rules), professions_(professions) {}

    // Sets an attribute's score, kept within its limits.
    void SetScore(int attribute, int score);
    // Keyboard stepping in an attribute's fields: "w" raises by one, "q" lowers by one.
    void StepScore(int attribute, char key);

    // Sets every score whose base lies outside its limits to the minimum (after the species,
    // the profession or the rules changed).
    void ApplyLimits();
    // Shows every attribute cell, the attribute point cost, the action check and die, the
    // actions, movement, durability and last resort points.
    void PaintScores();

    BonusTotals Bonuses() const;
    // The limits as the species, the profession and the mutations make them now.
    AttributeLimits Limits() const;

private:
    void PaintAttribute(int attribute);

    HeroDocument& document_;
    const RulesConfiguration& rules_;
    const ProfessionChoice& professions_;
};

// Attributes without a resistance modifier (CON and PER) show none.
bool ShowsResistanceModifier(int attribute);

// The columns of the attribute panel, one label per attribute each.
enum class AttributeColumn { Base, Total, Res, Ut, Limits };
LabelName AttributeLabel(int attribute, AttributeColumn column);

inline constexpr LabelName kAttributeCostLabel{"AttributeCost"};
inline constexpr LabelName kActionMarginalLabel{"ActionCheck.Marginal"};
inline constexpr LabelName kActionOrdinaryLabel{"ActionCheck.Ordinary"};
inline constexpr LabelName kActionGoodLabel{"ActionCheck.Good"};
inline constexpr LabelName kActionAmazingLabel{"ActionCheck.Amazing"};
inline constexpr LabelName kActionDieLabel{"ActionDie"};
inline constexpr LabelName kActionsLabel{"Actions"};
inline constexpr LabelName kSprintLabel{"Move.Sprint"};
inline constexpr LabelName kRunLabel{"Move.Run"};
inline constexpr LabelName kWalkLabel{"Move.Walk"};
inline constexpr LabelName kEasySwimLabel{"Move.EasySwim"};
inline constexpr LabelName kSwimLabel{"Move.Swim"};
inline constexpr LabelName kGlideLabel{"Move.Glide"};
inline constexpr LabelName kFlyLabel{"Move.Fly"};
inline constexpr LabelName kStunLabel{"Stun"};
inline constexpr LabelName kWoundLabel{"Wound"};
inline constexpr LabelName kMortalLabel{"Mortal"};
inline constexpr LabelName kFatigueLabel{"Fatigue"};
inline constexpr LabelName kLastResortCostLabel{"LastResortCost"};
inline constexpr LabelName kLastResortMaxLabel{"LastResortMax"};
