#pragma once
// Last resort points: the hero's ledger of points gained (+1, some bought with skill points)
// and spent (-1), the points held and the skill points they cost. The cost of one point and
// the most a hero may hold follow Perception and the profession; the attribute panel shows
// them, and this ledger reads them from there.

#include "hero/HeroDocument.h"
#include "hero/TypeDefinitions.h"

#include <string>

class LastResortPoints {
public:
    explicit LastResortPoints(HeroDocument& document) : document_(document) {}

    // Appends one entry to the ledger (the entry fields and hero files).
    void AddLastResortPoints(int cost, int points, const std::string& description);
    // "Assign Starting Last Resort Points": as many free points as the maximum.
    void AssignStartingPoints();
    // "Add" with "+" (a point bought at the current cost) or "-" (a point spent) and the
    // description as typed: true when the entry was added.
    enum class Direction { Gain, Spend };
    bool EnterPoint(Direction direction, const std::string& description);

    // Empties the ledger.
    void ClearLastResortPoints();
    // Shows the ledger, the points held and the skill points they cost.
    void PaintLastResortPoints();

private:
    HeroDocument& document_;
};

// The points held: the sum of the ledger's points.
long long LastResortPointsHeld(const THero& hero);
// The skill points the ledger costs, which the skill point budget charges.
long long LastResortSkillCost(const THero& hero);

// Rows {"Pts", "Description"}, then one per entry; the points held; the skill points paid.
inline constexpr TableName kLastResortTable{"LastResortPoints"};
inline constexpr LabelName kLastResortPointsLabel{"LastResortPoints"};
inline constexpr LabelName kLastResortTotalLabel{"LastResortTotal"};
