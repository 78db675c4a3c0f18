#include "ships/ShipDesign.h"

#include <algorithm>

Exact ComponentPower(ShipDecimal size, ShipDecimal power) {
    // Sizes have two decimal places and catalogue figures four, so no digit is lost.
    return size.Value() * power.Value() / kMillion;
}

ShipDecimal FixedShare(int percent, int points) {
    // As many hull points as a person may give a component at most, either way.
    const Exact limit = Exact(kLargestComponentSize) * kMillion;
    const Exact share = Exact(percent) * points * (kMillion / 100);
    return ShipDecimal{static_cast<std::int64_t>(std::clamp(share, -limit, limit))};
}

namespace {
// BaseCost + Cost x Size, for power plants, engines and FTL drives.
template <class Component> Exact DriveCost(const Component& component) {
    return Exact(component.BaseCost) * kMillion + Exact(component.Cost) * component.Size.Value();
}
} // namespace

ShipTotals ComputeShipTotals(const TShip& ship) {
    ShipTotals totals;
    const Exact points = ship.Hull.Points;
    totals.hullPoints = (points + ship.Hull.Bonus) * kMillion;
    // The armor takes its percentage of the hull's points: P x A / 100, exact since A has at
    // most four decimal places.
    totals.armorHullPoints = points * ship.Armor.Hull.Value() / 100;
    totals.hullPointsUsed = totals.armorHullPoints;
    totals.cost = Exact(ship.Hull.Cost) * kMillion + totals.armorHullPoints * ship.Armor.Cost;

    for (const TShipPower& power : ship.PowerEntries) {
        totals.power += ComponentPower(power.Size, power.Power);
        totals.hullPointsUsed += power.Size.Value();
        totals.cost += DriveCost(power);
    }
    totals.netPower = totals.power;
    for (const TShipEngine& engine : ship.EngineEntries) {
        totals.netPower += ComponentPower(engine.Size, engine.Power);
        totals.hullPointsUsed += engine.Size.Value();
        totals.cost += DriveCost(engine);
    }
    for (const TShipFTL& ftl : ship.FTLEntries) {
        totals.netPower += ComponentPower(ftl.Size, ftl.Power);
        totals.hullPointsUsed += ftl.Size.Value();
        totals.cost += DriveCost(ftl);
    }
    for (const TShipSupport& support : ship.SupportEntries) {
        totals.netPower += ComponentPower(support.Hull, support.Power);
        totals.hullPointsUsed += support.Hull.Value();
        totals.cost += Exact(support.Cost) * support.Hull.Value();
    }
    return totals;
}
