// The hero being built: identity, choices, attribute scores, every list the
// builder pages edit and the bonus totals that feed the derived scores.
// Derived values (limits, action check, movement, durability ...) are not
// stored here; they are recomputed from this record. The builder, not the
// hero, holds the Changed, Ready and Loading flags.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "hero/TypeDefinitions.h"

// The one hero of the builder. A default-constructed THero is a cleared hero.
struct THero {
    // --- Identity (free text, or the chosen entry's text; empty = no choice)
    std::string HeroName;
    std::string Player;
    std::string GameMaster;
    std::string Career; // set by hand or by a career template
    std::string Gender; // "Male", "Female", "Other" or "(none/blank)"
    std::string Motivation;
    std::string MoralAttitude;
    std::string Trait1;
    std::string Trait2;
    std::string FileName;  // hero file last opened or saved
    std::string FreeNotes; // the user's free notes, lines separated by '\n'

    // --- Species, profession and special choices
    int SpeciesIndex = -1;       // position in the species list; -1 = none
    TSpeciesData CurrentSpecies; // copy of the chosen species; defaults when none
    bool Primitive = false;      // primitive penalty reduced from +2 to +1 step
    int ProfessionIndex = -1;    // position in the profession list; -1 = none
    int Specialization = -1;     // position in the profession's specialization list; -1 = none
    // Profession minimum per attribute (STR..PER): 0 right after clearing,
    // 4 each once the profession change has run with no profession.
    std::array<int, kAttributeCount> ProfessionMinimums{0, 0, 0, 0, 0, 0};
    bool CyberSkill = false;      // the hero has the Cyberskill
    std::string FXSpecialization; // chosen FX specialization; empty = none

    // --- Attributes: the total score per attribute (STR..PER). The base is
    // Score minus the benefit, mutation and FX bonuses for that attribute.
    std::array<int, kAttributeCount> Score{10, 10, 10, 10, 10, 10};

    // --- Skills and powers
    std::vector<TSkillItem> Skills;           // skills on offer, with the hero's purchases
    std::vector<TSkillItem> SkillInstances;   // instances of Multi skills
    std::vector<std::string> CashedOutSkills; // names of cashed-out free skills
    std::vector<TSkillItem> Psionics;         // psionic skills on offer, with purchases
    std::vector<TFX> FXSkills;                // FX on offer (with FX type placeholders)
    std::vector<PerkFlawItem> Perks;          // every catalogue perk, with the hero's ticks
    std::vector<PerkFlawItem> Flaws;          // every catalogue flaw, with the hero's ticks
    std::vector<TSkillPointAdjustment> SkillPointAdjustments;
    TSkillPointBudget SkillPointBudget; // results of the last budget computation

    // Wealth markers: a ticked perk contains "Filthy Rich", a ticked flaw
    // contains "Dirt Poor". Both may be set; starting money then refuses.
    bool FilthyRich = false;
    bool DirtPoor = false;

    // --- Gear and advancement
    std::vector<TEquipmentItem> Equipment; // carried items, Quantity >= 1
    std::vector<TCyberTech> Cyberware;     // installed items, in install order
    std::vector<TAchievementEntry> AchievementEntries;
    TAchievementTotals AchievementTotals;     // points earned, level, points needed
    std::vector<TBenefit> Benefits;           // bought benefits, repeats allowed
    std::vector<TMutation> Advantages;        // taken advantageous mutations
    std::vector<TMutation> Drawbacks;         // taken mutational drawbacks
    std::vector<TAccount> Accounts;           // sorted by Name (character codes)
    std::vector<TLRPEntry> LastResortEntries; // last resort point ledger
    std::string CurrentLastResortPoints;      // current last resort points field text

    // --- Bonus totals, summed from the lists above. The derived scores add
    // each field over all three records. Only the bonus fields are summed;
    // the other fields of each record keep their defaults.
    TBenefit BenefitTotals;   // bought benefits
    TMutation MutationTotals; // taken mutations; also raises attribute maxima
    TFXBenefit FXTotals;      // always-active FX
};
