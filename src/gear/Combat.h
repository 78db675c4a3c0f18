#pragma once
// The combat tables: the weapon table (unarmed attacks, the species' natural attack, carried
// weapons) and the armor table (natural armor, carried armor), with the hero's score and step
// for each. Pure functions over the hero and the skill grid as shown.

#include "app/ViewData.h"
#include "hero/Hero.h"

#include <string>

// A damage text (die, optional signed modifier, damage letter) with the Strength modifier
// added: with +1, "d4s" gives "d4+1s", "d6-1w" gives "d6w". An empty text stays empty, and a
// modifier that is not a number leaves the text as it is.
std::string StrengthAdjusted(const std::string& damage, int strengthModifier);

// The score and step cells for a weapon or armor of this subcategory: the bought skill's row
// of the skill grid, its broad skill's, untrained use of the key attribute, or "-" and "-".
struct CombatScore {
    std::string score = "-";
    std::string step = "-";
};
CombatScore ScoreForSubcategory(const THero& hero, const TableView& skillGrid,
                                const std::string& subcategory);

// What the tables need besides the hero: the skill grid as shown and the weapon
// specialization when the profession page shows one.
struct CombatContext {
    const TableView& skillGrid;
    std::string weaponSpecialization; // empty when none is shown or chosen
};

TableView WeaponTable(const THero& hero, const CombatContext& context);
TableView ArmorTable(const THero& hero, const CombatContext& context);
