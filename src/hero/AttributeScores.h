#pragma once
// The hero's six attribute scores and every number that follows from them: limits, bases,
// untrained scores, resistance modifiers, the attribute point cost, the action check and
// die, the number of actions, movement, durability and last resort points. Each operation
// recomputes its numbers and shows them in the builder's views.

#include "hero/DerivedScores.h"

#include <string>

class HeroBuilder;

class AttributeScores {
public:
    explicit AttributeScores(HeroBuilder& builder) : builder_(builder) {}

    // Sets an attribute's score, kept within its limits, then runs its change operation.
    void SetScore(int attribute, int score);
    // Keyboard stepping in an attribute's fields: "w" raises by one, "q" lowers by one.
    void KeyPress(int attribute, char key);

    // The change operation of one attribute after its score changed (UDStrClick ...).
    void AttributeChanged(int attribute);

    void SetAttribLevels(); // limits, with scores outside them set to the minimum
    void UpdateCost();      // attribute point cost, red when over the rule set's budget
    void SetActionScore();  // action check scores and die
    void SetActionCount();  // actions per round
    void SetMovement();
    void SetDurability();
    void SetLastResort();
    // Shows one attribute's total, base, untrained score and resistance modifier.
    void PaintAttribute(int attribute);

    BonusTotals Bonuses() const;
    const AttributeLimits& Limits() const { return limits_; }

private:
    HeroBuilder& builder_;
    AttributeLimits limits_;
};

// The view name of one column of an attribute: "STR.Base", "DEX.Limits", ...
std::string AttributeViewName(int attribute, const char* column);
