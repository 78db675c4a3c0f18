#pragma once
// The skill point budget: points available and used, broad skills available and used, the
// person's manual adjustments of the points used, and the fixed notes on the rules in play.

#include "hero/HeroDocument.h"

#include <string>

class RulesConfiguration;
class ProfessionChoice;

class SkillBudget {
public:
    SkillBudget(HeroDocument& document, const RulesConfiguration& rules,
                const ProfessionChoice& professions)
        : document_(document), rules_(rules), professions_(professions) {}

    // Recomputes the budget from the tables that spend points and shows its two labels.
    void CalculateSkillPoints();
    // Appends one adjustment of the points used.
    void AddAdjustment(int points, const std::string& description);
    // The "Adjust" button with the two fields as typed: whether the adjustment was added
    // (the fields are then emptied) and the field to focus afterwards.
    enum class Focus { Points, Description };
    struct AdjustResult {
        bool added = false;
        Focus focus = Focus::Points;
    };
    AdjustResult EnterAdjustment(const std::string& pointsText, const std::string& description);
    // Removes the adjustment of a table row (rows from 1).
    void RemoveAdjustment(int row);
    // Rewrites the fixed notes.
    void PaintFixedNotes();
    // Shows the adjustment table.
    void PaintAdjustments();

private:
    HeroDocument& document_;
    const RulesConfiguration& rules_;
    const ProfessionChoice& professions_;
};

inline constexpr LabelName kSkillPointsLabel{"SkillPoints"};
inline constexpr LabelName kBroadSkillsLabel{"BroadSkills"};
inline constexpr TableName kAdjustmentTable{"SkillPointAdjustments"};
inline constexpr TableName kFixedNotesTable{"FixedNotes"};
// The tables besides the skill table whose Cost column spends skill points; the psionics and
// FX pages fill them.
inline constexpr TableName kPsionicTable{"Psionics"};
inline constexpr TableName kFXTable{"FX"};
// The FX page's heading, which names the hero's FX standing.
inline constexpr LabelName kFXLabel{"FXLabel"};
