#include "hero/Professions.h"

#include <gtest/gtest.h>

TEST(Professions, BuiltInTableSpotCheck) {
    const std::vector<TProfData> list = BuiltInProfessions();
    ASSERT_EQ(list.size(), 7u);
    const TProfData& diplomat = list[3];
    EXPECT_EQ(std::tie(diplomat.Name, diplomat.SkillDiscount, diplomat.ActionMod, diplomat.PsiAdj),
              std::make_tuple(std::string("Diplomat (Tech Op)"), std::string("DT"), 1, -0.5));
    EXPECT_EQ(MinimumsOf(diplomat), (std::array<int, 6>{0, 0, 0, 0, 9, 11}));
    EXPECT_EQ(diplomat.Notes, (std::array<std::string, 5>{
                                  "Diplomat action check +1", "Diplomat contacts/resources bonus",
                                  "Diplomat secondary profession (Tech Op)"}));
    EXPECT_EQ(list[6].PsiAdj, 0.0); // Mindwalker
}

TEST(Professions, CatalogueAttributes) {
    TProfData p;
    const std::pair<const char*, const char*> attributes[] = {
        {"NAME", " Star Pilot "}, {"SKILLDISCOUNT", "T"}, {"MINSTR", "5"},
        {"MINCON", "x"},          {"MINWIL", "-1"},       {"MINPER", "7.5"},
        {"ACTIONMOD", "2"},       {"PSIADJ", "1.5"},      {"ACTIONMOD", ""}};
    for (const auto& [name, value] : attributes)
        ReadProfessionAttribute(p, name, value);
    EXPECT_EQ(p.Name, " Star Pilot ");
    EXPECT_EQ(p.SkillDiscount, "T");
    EXPECT_EQ(MinimumsOf(p), (std::array<int, 6>{5, 0, 0, 0, 0, 0})); // below 0: ignored
    EXPECT_EQ(p.ActionMod, 2);
    EXPECT_EQ(p.PsiAdj, -0.5); // a fraction is not a decimal integer
    ReadProfessionAttribute(p, "PSIADJ", "1");
    EXPECT_EQ(p.PsiAdj, 1.0);
}
