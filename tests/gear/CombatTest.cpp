// The combat tables: Strength-adjusted damage, the unarmed damage tables by rank, the score
// for a weapon from a bought skill, its broad skill or untrained use, natural attack and armor.

#include "gear/Combat.h"

#include <gtest/gtest.h>

namespace {

TSkillItem Skill(const std::string& name, const std::string& broad, int attribute, int rank,
                 bool bought) {
    TSkillItem skill;
    skill.Name = name;
    skill.BroadSkill = broad;
    skill.Attrib = attribute;
    skill.Rank = rank;
    skill.Selected = bought;
    return skill;
}

THero HeroWithStrength(int strength) {
    THero hero;
    hero.Score.fill(10);
    hero.Score[attSTR] = strength;
    return hero;
}

TEquipmentItem Weapon(const std::string& name, const std::string& subcategory,
                      const std::string& range) {
    TEquipmentItem item;
    item.Name = name;
    item.Category = "Weapons";
    item.Subcategory = subcategory;
    item.Range = range;
    item.Type = "LI/O";
    item.DmgO = "d4s";
    item.DmgG = "d4+1s";
    item.DmgA = "d6-1w";
    item.Quantity = 1;
    return item;
}

// Name, score, die and damage of each weapon row.
std::vector<std::string> Rows(const TableView& table) {
    std::vector<std::string> rows;
    for (std::size_t r = 1; r < table.size(); ++r)
        rows.push_back(table[r][0] + " " + table[r][1] + " " + table[r][2] + " " + table[r][5]);
    return rows;
}

const TableView kNoGrid{{"Skills", "Rank", "Att", "Score", "Die", "Cost"}};

} // namespace

TEST(StrengthAdjusted, AddsTheModifierToTheDieExpression) {
    EXPECT_EQ(StrengthAdjusted("d4s", 1), "d4+1s");
    EXPECT_EQ(StrengthAdjusted("d4+1s", 1), "d4+2s");
    EXPECT_EQ(StrengthAdjusted("d6-1w", 1), "d6w");
    EXPECT_EQ(StrengthAdjusted("d4s", -1), "d4-1s");
    EXPECT_EQ(StrengthAdjusted("d4+1s", -1), "d4s");
    EXPECT_EQ(StrengthAdjusted("d6-1w", -1), "d6-2w");
    EXPECT_EQ(StrengthAdjusted("d4s", 0), "d4s");
    // Nothing to adjust, or nothing it understands: left alone.
    EXPECT_EQ(StrengthAdjusted("", 2), "");
    EXPECT_EQ(StrengthAdjusted("d4+xs", 2), "d4+xs");
    EXPECT_EQ(StrengthAdjusted("s", 2), "+2s");
}

TEST(WeaponTable, UnarmedDamageFollowsSkillAndRank) {
    THero hero = HeroWithStrength(10);
    hero.Skills = {Skill("Unarmed Attack", "Unarmed Attack", 1, 0, false),
                   Skill("Brawl", "Unarmed Attack", 1, 7, true),
                   Skill("Power Martial Arts", "Unarmed Attack", 1, 6, true),
                   Skill("Defensive Martial Arts", "Unarmed Attack", 2, 3, false)};
    const CombatContext context{kNoGrid, ""};
    EXPECT_EQ(Rows(WeaponTable(hero, context)),
              (std::vector<std::string>{"Brawl 5/2/1 +d0 d4s/d4+1s/d4+2s",
                                        "Power Martial Arts 5/2/1 +d0 d6s/d6+2s/d4w"}));
    hero.Skills[1].Rank = 8;
    hero.Skills[2].Rank = 7;
    EXPECT_EQ(Rows(WeaponTable(hero, context)),
              (std::vector<std::string>{"Brawl 5/2/1 +d0 d6s/d6+2s/d4w",
                                        "Power Martial Arts 5/2/1 +d0 d6+2s/d4w/d4+2w"}));
}

TEST(WeaponTable, TheBroadSkillAddsTheRankAndDefensiveArtsUseDexterity) {
    THero hero = HeroWithStrength(12);                            // modifier +1
    hero.Skills = {Skill("Brawl", "Unarmed Attack", 1, 0, false), // before the broad skill
                   Skill("Unarmed Attack", "Unarmed Attack", 1, 0, true),
                   Skill("Power Martial Arts", "Unarmed Attack", 1, 2, true),
                   Skill("Defensive Martial Arts", "Unarmed Attack", 2, 3, true)};
    hero.Score[attDEX] = 11;
    const CombatContext context{kNoGrid, "Power Martial Arts"};
    const TableView table = WeaponTable(hero, context);
    EXPECT_EQ(Rows(table),
              (std::vector<std::string>{"Brawl 6/3/1 +d4 d4+1s/d4+2s/d4+3s",
                                        "Power Martial Arts 14/7/3 -d4 d6+1s/d6+3s/d4+1w",
                                        "Defensive Martial Arts 14/7/3 +d0 d4+1s/d4+2s/d4+3s"}));
    EXPECT_EQ(table[1][3] + " " + table[1][4], "LI/O Personal");
}

TEST(WeaponTable, NaturalAttackTakesTheBestUnarmedScore) {
    THero hero = HeroWithStrength(5); // modifier -1
    hero.CurrentSpecies.NaturalAttack = "Tail Lash";
    hero.CurrentSpecies.DmgO = "d4+1s";
    hero.CurrentSpecies.DmgG = "d6s";
    hero.CurrentSpecies.DmgA = "";
    hero.Skills = {Skill("Brawl", "Unarmed Attack", 1, 1, false),
                   Skill("Power Martial Arts", "Unarmed Attack", 1, 4, true)};
    const CombatContext context{kNoGrid, ""};
    EXPECT_EQ(Rows(WeaponTable(hero, context)).back(), "Tail Lash 2/1/0 +d0 d4s/d6-1s/");
    hero.Skills.pop_back();
    EXPECT_EQ(Rows(WeaponTable(hero, context)).back(), "Tail Lash 2/1/0 +d4 d4s/d6-1s/");
    hero.Skills.clear();
    EXPECT_EQ(Rows(WeaponTable(hero, context)),
              std::vector<std::string>{"Tail Lash - - d4s/d6-1s/"});
}

TEST(WeaponTable, CarriedWeaponsScoreBySkillBroadSkillOrUntrainedUse) {
    THero hero = HeroWithStrength(11); // modifier +1
    hero.Skills = {Skill("Melee Weapons", "Melee Weapons", 1, 0, false),
                   Skill("Edged Weapon", "Melee Weapons", 1, 2, false),
                   Skill("Ranged Weapons", "Ranged Weapons", 2, 0, false),
                   Skill("Sidearm", "Ranged Weapons", 2, 1, false)};
    hero.Equipment = {Weapon("Knife", "Melee-Edged Weapon", "Personal"),
                      Weapon("Needler", "Sidearm", "10/20/40"),
                      Weapon("Odd Thing", "Unheard Of", "Personal")};
    TableView grid = kNoGrid;
    const CombatContext context{grid, ""};
    // Nothing bought: half the key attribute, "+d4"; a hand weapon hits with Strength.
    EXPECT_EQ(Rows(WeaponTable(hero, context)),
              (std::vector<std::string>{"Knife 5/2/1 +d4 d4+1s/d4+2s/d6w",
                                        "Needler 5/2/1 +d4 d4s/d4+1s/d6-1w",
                                        "Odd Thing - - d4+1s/d4+2s/d6w"}));
    // The broad skill bought: its grid row; the specialty bought: its own.
    hero.Skills[0].Selected = true;
    hero.Skills[3].Selected = true;
    grid.push_back({"Melee Weapons", "", "STR", "11/5/2", "+d4", "5"});
    grid.push_back({"  Sidearm", "  1", "DEX", "11/5/2", "+d0", "3"});
    const CombatContext bought{grid, ""};
    const std::vector<std::string> rows = Rows(WeaponTable(hero, bought));
    EXPECT_EQ(rows[0], "Knife 11/5/2 +d4 d4+1s/d4+2s/d6w");
    EXPECT_EQ(rows[1], "Needler 11/5/2 +d0 d4s/d4+1s/d6-1w");
}

TEST(ArmorTable, NaturalArmorThenCarriedArmorWithArmorOperation) {
    THero hero = HeroWithStrength(10);
    hero.CurrentSpecies.Armor = "d4-1/d4-2/d4-3";
    hero.Skills = {Skill("Armor Operation", "Armor Operation", 3, 0, false)};
    TEquipmentItem vest;
    vest.Name = "Vest";
    vest.Category = "Armor";
    vest.Subcategory = "basic armor";
    vest.Type = "LI/O";
    vest.DmgO = "d6";
    vest.DmgG = "d4";
    vest.DmgA = "d4-1";
    vest.AP = "-1";
    vest.Hide = "2";
    hero.Equipment = {vest, Weapon("Knife", "Edged Weapon", "Personal")};
    EXPECT_EQ(ArmorTable(hero, {kNoGrid, ""}),
              (TableView{{"Armor", "Score", "Die", "Type", "Effect", "AP", "Hide"},
                         {"Natural Armor", "N/A", "N/A", "O", "d4-1/d4-2/d4-3", "-", "-"},
                         {"Vest", "2/1/0", "+d4", "LI/O", "d6/d4/d4-1", "-1", "2"}}));
}
