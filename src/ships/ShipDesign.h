#pragma once
// The starship design: a hull, an armor and the components added to it, each a copy of its
// catalogue record with the hull points given to it, and the totals the designer shows.

#include "ships/ShipCatalogue.h"

#include <vector>

struct TShip {
    TShipHulls Hull;                          // empty name = none chosen
    TShipArmor Armor;                         // empty name = none chosen
    std::vector<TShipPower> PowerEntries;     // Size = hull points given to each
    std::vector<TShipEngine> EngineEntries;   // as above
    std::vector<TShipFTL> FTLEntries;         // as above
    std::vector<TShipSupport> SupportEntries; // Hull = hull points given to each
};

// What a design adds up to, exactly: hull points and power in millionths, the cost in
// millionths of a thousand.
struct ShipTotals {
    Exact hullPoints = 0;      // the hull's points and bonus
    Exact armorHullPoints = 0; // the armor's share of the hull's points (bonus excluded)
    Exact power = 0;           // what the power plants give
    Exact netPower = 0;        // what every component gives or takes
    Exact hullPointsUsed = 0;  // the armor's share and every component's points
    Exact cost = 0;            // thousands
};

ShipTotals ComputeShipTotals(const TShip& ship);

// The hull points a component of that size and power per hull point gives (or takes).
Exact ComponentPower(ShipDecimal size, ShipDecimal power);

// The hull points a person may give one component.
inline constexpr std::int64_t kLargestComponentSize = 1'000'000'000;

// The hull points a drive that always takes `percent` of a hull of `points` takes (no more
// than kLargestComponentSize).
ShipDecimal FixedShare(int percent, int points);
