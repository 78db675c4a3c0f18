#include "hero/Professions.h"

#include <gtest/gtest.h>

TEST(Professions, BuiltInTable) {
    const std::vector<TProfData> list = BuiltInProfessions();
    ASSERT_EQ(list.size(), 7u);
    const char* names[] = {"Combat Spec",
                           "Diplomat (Combat Spec)",
                           "Diplomat (Free Agent)",
                           "Diplomat (Tech Op)",
                           "Free Agent",
                           "Tech Op",
                           "Mindwalker"};
    const char* codes[] = {"C", "DC", "DF", "DT", "F", "T", "M"};
    const int actionMods[] = {3, 1, 1, 1, 2, 1, 1};
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].Name, names[i]);
        EXPECT_EQ(list[i].SkillDiscount, codes[i]);
        EXPECT_EQ(list[i].ActionMod, actionMods[i]);
        EXPECT_EQ(list[i].Source, "Core");
        EXPECT_EQ(list[i].PsiAdj, i == 6 ? 0.0 : -0.5);
    }

    EXPECT_EQ(MinimumsOf(list[0]), (std::array<int, 6>{11, 0, 9, 0, 0, 0}));
    EXPECT_EQ(list[0].Notes, (std::array<std::string, 5>{"Combat Spec Action Check +3"}));

    EXPECT_EQ(MinimumsOf(list[3]), (std::array<int, 6>{0, 0, 0, 0, 9, 11}));
    EXPECT_EQ(list[3].Notes, (std::array<std::string, 5>{
                                 "Diplomat action check +1", "Diplomat contacts/resources bonus",
                                 "Diplomat secondary profession (Tech Op)"}));

    EXPECT_EQ(MinimumsOf(list[4]), (std::array<int, 6>{0, 11, 0, 0, 9, 0}));
    EXPECT_EQ(list[4].Notes, (std::array<std::string, 5>{"Free Agent action check +2",
                                                         "Free Agent last resort bonus"}));

    EXPECT_EQ(MinimumsOf(list[6]), (std::array<int, 6>{0, 0, 9, 9, 11, 0}));
    EXPECT_EQ(list[6].Notes[0], "Mindwalker action check +1");
}

TEST(Professions, CatalogueAttributes) {
    TProfData p;
    const std::pair<const char*, const char*> attributes[] = {
        {"NAME", " Star Pilot "}, {"SOURCE", "Extra"}, {"SKILLDISCOUNT", "T"}, {"MINSTR", "5"},
        {"MINDEX", "12"},         {"MINCON", "x"},     {"MININT", "8"},        {"MINWIL", "-1"},
        {"MINPER", "7.5"},        {"ACTIONMOD", "2"},  {"PSIADJ", "1.5"},      {"COLOUR", "7"}};
    for (const auto& [name, value] : attributes)
        ReadProfessionAttribute(p, name, value);
    EXPECT_EQ(p.Name, " Star Pilot ");
    EXPECT_EQ(p.Source, "Extra");
    EXPECT_EQ(p.SkillDiscount, "T");
    EXPECT_EQ(MinimumsOf(p), (std::array<int, 6>{5, 12, 0, 8, -1, 0}));
    EXPECT_EQ(p.ActionMod, 2);
    EXPECT_EQ(p.PsiAdj, -0.5); // a fraction is not a decimal integer

    ReadProfessionAttribute(p, "PSIADJ", "1");
    EXPECT_EQ(p.PsiAdj, 1.0);
    ReadProfessionAttribute(p, "ACTIONMOD", "");
    EXPECT_EQ(p.ActionMod, 2);
}

TEST(Professions, ResistanceBonusFollowsTheChosenAttribute) {
    EXPECT_EQ(BuiltInProfessions()[kResistanceBonusPosition].Name, "Free Agent");
    EXPECT_TRUE(HasResistanceBonus(kResistanceBonusPosition, 2, attINT));
    EXPECT_FALSE(HasResistanceBonus(kResistanceBonusPosition, 2, attCON));
    EXPECT_FALSE(HasResistanceBonus(kResistanceBonusPosition, -1, attSTR));
    EXPECT_FALSE(HasResistanceBonus(kWeaponSpecializationPosition, 0, attSTR));
}
