#pragma once
// The skill point budget: points available and used, broad skills available and used, the
// person's manual adjustments of the points used, and the fixed notes on the rules in play.

#include <string>

class HeroBuilder;

class SkillBudget {
public:
    explicit SkillBudget(HeroBuilder& builder) : builder_(builder) {}

    // Recomputes the budget and shows its two labels.
    void CalculateSkillPoints();
    // Appends one adjustment of the points used.
    void AddSkillPtAdj(int points, const std::string& description);
    // The "Adjust" button: whether the adjustment was added (the fields are then emptied)
    // and the field to focus afterwards.
    enum class Focus { Points, Description };
    struct AdjustResult {
        bool added = false;
        Focus focus = Focus::Points;
    };
    AdjustResult CmdAdjSkillptsClick(const std::string& pointsText, const std::string& description);
    // A double click on the adjustment table: removes the adjustment of that row (rows from 1).
    void SgAdjSkillPtsDblClick(int row);
    // Rewrites the fixed notes.
    void PaintNotes();
    // Shows the adjustment table.
    void PaintAdjustments();

private:
    HeroBuilder& builder_;
};
