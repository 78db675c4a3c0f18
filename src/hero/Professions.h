#pragma once
// The professions: the seven built into the program, the reading of one attribute of a
// Profession element of config.xml, and the list positions that carry a specialization
// choice.

#include "hero/TypeDefinitions.h"

#include <array>
#include <string>
#include <vector>

// The seven built-in professions, in the order they head the profession list.
std::vector<TProfData> BuiltInProfessions();

// Applies one attribute of a Profession element; `upperName` is the attribute name
// upper-cased. NAME, SOURCE and SKILLDISCOUNT are taken as written; MINSTR..MINPER,
// ACTIONMOD and PSIADJ must be decimal integers within the range the rules use
// (hero/NumberRanges.h): the minimums 0..99, ACTIONMOD and PSIADJ -99..99. A value that is
// not one is ignored (the field keeps its value). Unknown attributes are ignored.
void ReadProfessionAttribute(TProfData& profession, const std::string& upperName,
                             const std::string& value);

// The profession's minimum scores, STR..PER.
std::array<int, kAttributeCount> MinimumsOf(const TProfData& profession);

// The minimum of every attribute while no profession is chosen.
inline constexpr int kNoProfessionMinimum = 4;

// List positions of the professions with special rules.
inline constexpr int kWeaponSpecializationPosition = 0; // chooses a weapon skill
inline constexpr int kResistanceBonusPosition = 4;      // resistance bonus; +1 last resort point
inline constexpr int kLastResortBonusPosition = kResistanceBonusPosition;
inline constexpr int kPsionicSpecializationPosition = 6; // chooses a psionic broad skill

// Captions of the specialization choice.
inline const std::string kWeaponSpecializationLabel = "Weapon Specialization";
inline const std::string kResistanceBonusLabel = "Resistance Bonus";
inline const std::string kPsionicSpecializationLabel = "Psionic Specialization";
inline const std::string kNoSpecializationLabel = "---";

// The resistance bonus choices, in list order, and the attribute each one names.
inline const std::array<std::string, 4> kResistanceBonusChoices{"STR", "DEX", "INT", "WIL"};
inline constexpr std::array<int, 4> kResistanceBonusAttributes{attSTR, attDEX, attINT, attWIL};

// The caption of the specialization choice for a profession position (-1 for none):
// one of the three labels above, or "---" where there is no choice.
std::string SpecializationLabel(int professionIndex);

// True when the hero's profession and specialization give the resistance bonus on the
// attribute at `attribute` (a TAttribute position).
bool HasResistanceBonus(int professionIndex, int specialization, int attribute);
