// Shared record types of the hero builder: catalogue entries, the entries of
// the hero's lists and the three bonus-total records. Data shapes only; the
// subsystem that reads or edits a record holds every rule about it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------
// Attributes
// ---------------------------------------------------------------------------

// A hero always has six attributes, in this order everywhere in the program.
inline constexpr int kAttributeCount = 6;

// Positions of the attributes in every per-attribute array (0-based).
// Where the program stores an attribute as a number (the Attrib field of
// skills and FX, the ID of the species limit lines in a hero file) it is
// numbered 1..6 instead: stored number = position + 1, and 0 or anything
// outside 1..6 means "no attribute".
enum TAttribute : int {
    attSTR = 0,
    attDEX = 1,
    attCON = 2,
    attINT = 3,
    attWIL = 4,
    attPER = 5,
};

// Abbreviations by position, as shown in the tables and written in files.
inline const std::array<std::string, kAttributeCount> kAttributeNames{"STR", "DEX", "CON",
                                                                      "INT", "WIL", "PER"};

// ---------------------------------------------------------------------------
// Rules
// ---------------------------------------------------------------------------

// One rule set: the numbers that choose between the core rules and the
// optional rules for attribute points, skill points, skill advancement and
// FX points. The member defaults are those of an entry read from
// rulesets.xml; BuiltInCore() gives the built-in "Core" rule set, which
// differs in its name and its FXPoints.
struct TRuleset {
    std::string Name;       // rule set name, also the "Rule Set" menu caption
    int SkillPtIntMod = -1; // added to INT in the skill point formula
    int SkillPtMult = 5;    // multiplier in the skill point formula
    int BonusSkillPts = 0;  // added to the skill points available
    int AttributePts = 60;  // attribute point budget (cost above it shows red)
    bool Rule2C = false;    // optional advancement rule: a rank costs Rank x Cost
    int FXPoints = 10;      // FX point budget printed on the hero sheet

    // The built-in "Core" rule set, always first in the rule set list.
    static TRuleset BuiltInCore() {
        TRuleset core;
        core.Name = "Core";
        core.FXPoints = 0;
        return core;
    }
};

// ---------------------------------------------------------------------------
// Species and professions
// ---------------------------------------------------------------------------

// One species of species.xml. A default-constructed record holds the species
// defaults: the values a hero without a species uses.
struct TSpeciesData {
    std::string Name;
    int ID = -1; // catalogue ID, kept only
    bool Psionic = false;
    bool CanGlide = false;  // movement shows a Glide rate
    bool CanFly = false;    // movement shows a Fly rate
    int SkillPoints = 0;    // added to the skill points available
    int BroadSkills = 0;    // kept only
    double DurMult = 1.0;   // durability = Trunc(CON x DurMult)
    double PsiMult = 1.0;   // psionic energy multiplier
    double MoveMult1 = 1.0; // applied to the movement base
    double MoveMult2 = 1.0; // applied to every movement rate shown
    bool MoveSDC = false;   // CON is added to the movement base
    bool MoveCalc = false;  // bases above 32 use the formula, not the table
    int ActionStep = 0;     // added to the action die step
    std::string Source;     // source book
    std::string Armor;      // natural armor text; empty = none
    std::array<int, kAttributeCount> AttrMin{4, 4, 4, 4, 4, 4};       // STR..PER
    std::array<int, kAttributeCount> AttrMax{14, 14, 14, 14, 14, 14}; // STR..PER
    int FreeSkillCount = 0; // how many of FreeSkills are granted
    // Free skill names. The catalogue numbers them 1..12; here position 1 is
    // index 0, so the granted ones are indices 0 .. FreeSkillCount-1.
    std::array<std::string, 12> FreeSkills{};
    std::array<std::string, 8> Notes{}; // note lines for the fixed notes
    bool Found = false;                 // species reader: the chosen species was met
    bool Primitive = false;             // offers the primitive penalty reduction
    double CyberMult = 1.0;             // cyber tolerance multiplier
    int CyberBonus = 0;                 // added to CON for the cyber tolerance
    bool CyberSkill = false;            // the species has the Cyberskill free
    std::string NaturalAttack;          // name of the natural attack; empty = none
    std::string DmgO;                   // natural attack damage, Ordinary result
    std::string DmgG;                   // natural attack damage, Good result
    std::string DmgA;                   // natural attack damage, Amazing result
};

// One profession: a built-in one or a Profession element of config.xml.
// Defaults are those of a new record before the catalogue attributes are read.
struct TProfData {
    std::string Name;
    std::string Source; // source book (professions are not filtered)
    int MinStr = 0;     // minimum attribute scores
    int MinDex = 0;
    int MinCon = 0;
    int MinInt = 0;
    int MinWil = 0;
    int MinPer = 0;
    int ActionMod = 0;         // added to the action check base
    std::string SkillDiscount; // profession code: "C", "DC", "DF", "DT", "F", "T", "M", ...
    double PsiAdj = -0.5;      // psionic adjustment for the psionic energy
    std::array<std::string, 5> Notes{}; // note lines for the fixed notes
};

// ---------------------------------------------------------------------------
// Skills, psionics, FX, perks and flaws
// ---------------------------------------------------------------------------

// One skill or psionic skill. The same record serves the catalogue, the
// skills offered to the hero (with the hero's purchase state) and the
// instances of skills that can be bought several times.
struct TSkillItem {
    std::string Name;       // the key every operation finds a skill by
    std::string BroadSkill; // Name == BroadSkill marks a broad skill
    std::string Source;     // source book
    // Governing attribute, 1 STR .. 6 PER; 0 none; -1 not given in the
    // catalogue; -2 given but not a number.
    int Attrib = -1;
    bool ProfC = false; // profession skill for code letters C, D, F, T, M
    bool ProfD = false;
    bool ProfF = false;
    bool ProfT = false;
    bool ProfM = false;
    bool Untrained = false;  // can be used untrained
    bool Multi = false;      // can be bought several times, each with a Detail
    bool CombatSpec = false; // may be the weapon specialization
    std::string Detail;      // detail text of one instance of a Multi skill
    int Cost = -1;           // per-rank price: base price in the catalogue,
                             // the hero's price in the offered list
    int Rank = 0;            // rank of a specialty (1 and up); no effect on a broad skill
    int TotalCost = 0;       // skill points this entry costs at its rank
    bool Selected = false;   // the hero has bought it
};

// One FX skill. The offered FX list also holds placeholder entries with an
// empty Name, one before each run of the same FXType (the type's tree node).
struct TFX {
    std::string Name;
    std::string Source;     // source book
    std::string FXType;     // FX type that groups it
    std::string BroadSkill; // Name == BroadSkill marks a broad FX skill
    int Attrib = 0;         // 1 STR .. 6 PER; 0 works automatically; -2 not a number
    bool Untrained = false;
    int Cost = 0;             // per-rank price (less 1 for the FX specialization)
    int TotalCost = 0;        // skill points it costs at its rank
    int Energy = 0;           // an always-active FX spends 3 x Energy FX points
    int Rank = 1;             // specialty rank (1 and up); 0 for a bought broad FX skill
    bool Selected = false;    // the hero has bought it
    bool CanBeActive = false; // may be made always active
    bool Active = false;      // the hero made it always active
    int ActiveCost = 0;       // catalogue active costs, carried only
    int ActiveCost2 = 0;
};

// The bonuses that benefits, mutations and always-active FX give the hero's numbers; each
// of the three records carries them, and the hero's three totals add them up. A mutation's
// attribute changes also move that attribute's maximum.
struct TBonuses {
    int ACBonus = 0;    // action die steps
    int ACIncrease = 0; // action check score
    int Action = 0;     // actions per round
    int Str = 0;        // attribute bonuses
    int Dex = 0;
    int Con = 0;
    int Int = 0;
    int Wil = 0;
    int Per = 0;
    int Fatigue = 0; // durability bonuses
    int Mortal = 0;
    int Stun = 0;
    int Wound = 0;
};

// One benefit step of an FX at a given rank (FXBenefit element of fx.xml).
// Also the shape of the hero's FX bonus totals.
struct TFXBenefit : TBonuses {
    std::string Name; // the FX this step belongs to
    std::string Note;
    int Rank = 1; // FX rank from which this step applies
};

// One perk or flaw: a catalogue entry, a custom entry, or (with Selected)
// an entry of the hero's perk or flaw list.
struct PerkFlawItem {
    std::string Name;
    std::string Source;    // source book; "Custom" for a custom entry
    bool Offered = false;  // its source was active when the catalogue was read
    int Cost = 0;          // perk: points it costs; flaw: points it gives back
    bool Selected = false; // the hero has it
};

// One manual adjustment of the skill points used.
struct TSkillPointAdjustment {
    int Points = 0;          // added to the points used; negative lowers them
    std::string Description; // the reason, never empty
};

// Results of the last skill point budget computation, kept with the hero
// and written to the hero file. The remainders written beside them are
// StartingPoints - PointsUsed and MaxBroadSkills - BroadSkillsUsed.
struct TSkillPointBudget {
    int StartingPoints = 0;  // skill points available
    int PointsUsed = 0;      // skill points used
    int MaxBroadSkills = 0;  // broad skills available
    int BroadSkillsUsed = 0; // broad skills bought
};

// ---------------------------------------------------------------------------
// Equipment and cyberware
// ---------------------------------------------------------------------------

// One equipment catalogue entry, or with a Quantity one carried item.
// The defaults are those of an entry read from equipment.xml; the hero file
// reader starts an item with an empty Range and Ammo -1 instead.
struct TEquipmentItem {
    std::string Name;
    std::string Category;     // "Weapons" and "Armor" feed the combat tables
    std::string Subcategory;  // for weapons and armor: names the skill used
    std::string Availability; // shown only
    double Mass = 0.0;        // kg per unit
    int Cost = 0;             // unit cost
    int PL = 0;               // Progress Level
    std::string Source;       // source book
    int Quantity = 0;         // number carried; 0 in a catalogue entry
    int Ammo = 0;             // custom "Ammunition": count; other custom items -1
    std::string Type;         // damage or protection type, e.g. "LI/O"
    std::string Range = "Personal";
    std::string DmgO; // weapon: Ordinary damage; armor: LI protection
    std::string DmgG; // weapon: Good damage;     armor: HI protection
    std::string DmgA; // weapon: Amazing damage;  armor: EN protection
    std::string AP;   // armor penalty (ACC for custom weapons)
    std::string Hide; // concealment rating
};

// One equipment subcategory of config.xml and the category it belongs to.
struct TEquipmentSubCategory {
    std::string Name;     // subcategory name
    std::string Category; // name of its category
};

// One cyberware item: a catalogue entry (from cyberware.xml or a custom
// item) or an installed item. Defaults are those of a catalogue entry
// whose attributes are absent.
struct TCyberTech {
    std::string Name;
    std::string Source;  // source book; "Custom" for user-defined items
    int PL = 8;          // Progress Level
    int Quality = 3;     // 1 Ordinary, 2 Good, 3 Amazing
    double Mass = 100.0; // kg
    int Size = 100;      // cyber tolerance points used
    int Cost = 100000;
    bool Multi = false;      // may be installed more than once (carried only)
    bool NanoCompReq = true; // needs a nano-computer
    bool SkillReq = true;    // needs the Cyberskill
    std::string Note;
};

// ---------------------------------------------------------------------------
// Achievements, benefits and mutations
// ---------------------------------------------------------------------------

// One achievement point entry of the hero.
struct TAchievementEntry {
    int Points = 0;
    std::string Description;
};

// Achievement values shown on the achievements page and kept with the hero:
// the values after clearing. PointsNeeded keeps its value when the last
// entry is removed, so it is state rather than derived.
struct TAchievementTotals {
    int PointsEarned = 0; // sum of the entries' points
    int Level = 1;
    int PointsNeeded = 6;      // points still missing for the next level
    int BenefitsPurchased = 0; // cost of the bought benefits in the hero's column
};

// One benefit of benefits.xml, or a bought benefit of the hero. Also the
// shape of the hero's benefit bonus totals. A level of 100 keeps the
// benefit out of that profession column.
struct TBenefit : TBonuses {
    std::string Name;
    std::string Source; // source book
    int CCost = 0;      // cost and minimum level per profession column
    int CLevel = 100;
    int DCost = 0;
    int DLevel = 100;
    int FCost = 0;
    int FLevel = 100;
    int TCost = 0;
    int TLevel = 100;
    int MCost = 0;
    int MLevel = 100;
};

// One mutation of mutations.xml (an advantage or a drawback), or one the
// hero has taken. Also the shape of the hero's mutation bonus totals.
struct TMutation : TBonuses {
    std::string Name;
    std::string Class;
    std::string Group;
    int Cost = 0;       // shown in the "Pts" column; charged nowhere
    int Attrib = 0;     // attribute number, stored only
    std::string Source; // source book
    std::string Note;
};

// ---------------------------------------------------------------------------
// Wealth and last resort points
// ---------------------------------------------------------------------------

// One signed amount of a wealth account.
struct TAccountEntry {
    std::int64_t Amount = 0; // money in ten-thousandths (12.5 is 125000)
    std::string Description;
};

// One named wealth account; its balance is the sum of its entries.
struct TAccount {
    std::string Name; // unique, compared as typed
    std::vector<TAccountEntry> Entries;
};

// One line of the last resort point ledger.
struct TLRPEntry {
    int Points = 0; // +1 gained, -1 spent
    int Cost = 0;   // skill points paid; 0 for starting and spent points
    std::string Description;
};

// ---------------------------------------------------------------------------
// Career templates
// ---------------------------------------------------------------------------

// One career template found in the careers directory.
struct TCareer {
    std::string Name;               // the template's career name
    std::string Path;               // full path of the template file
    std::string Source;             // source book the template belongs to
    std::vector<std::string> Notes; // description lines
};
