#pragma once
// Reading the bonus fields catalogue entries share (benefits, mutations, FX benefits): the
// attribute names ACBONUS .. WOUND (upper-cased by the caller), each a whole number from -99 to
// 99, else 0.

#include "hero/NumberRanges.h"
#include "hero/TypeDefinitions.h"

#include <string>
#include <utility>

// True when `upper` names a bonus field; the field then holds the value read.
inline bool ReadBonusAttribute(TBonuses& bonuses, const std::string& upper,
                               const std::string& value) {
    const std::pair<const char*, int TBonuses::*> fields[] = {
        {"ACBONUS", &TBonuses::ACBonus}, {"ACINCREASE", &TBonuses::ACIncrease},
        {"ACTION", &TBonuses::Action},   {"STR", &TBonuses::Str},
        {"DEX", &TBonuses::Dex},         {"CON", &TBonuses::Con},
        {"INT", &TBonuses::Int},         {"WIL", &TBonuses::Wil},
        {"PER", &TBonuses::Per},         {"FATIGUE", &TBonuses::Fatigue},
        {"MORTAL", &TBonuses::Mortal},   {"STUN", &TBonuses::Stun},
        {"WOUND", &TBonuses::Wound}};
    for (const auto& [name, field] : fields)
        if (upper == name) {
            bonuses.*field = ParseIntegerIn(value, kModifierRange).value_or(0);
            return true;
        }
    return false;
}
