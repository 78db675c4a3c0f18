// A whole set of catalogues whose numbers no game would use, read by the program as the
// person starts it: every number shown on the pages stays one the rules could give.

#include "BuilderTest.h"

namespace {

const char* kConfig = R"(<Configuration>
 <Profession NAME="Titan" SOURCE="Core" MINSTR="2147483647" MINDEX="99" ACTIONMOD="2147483647"
   PSIADJ="-2147483648" SKILLDISCOUNT="C"/>
</Configuration>)";

const char* kSpecies = R"(<SpeciesList>
 <SPECIES DURMULT="100000000000000000000" MOVEMULT1="2147483647" MOVEMULT2="100000000000000000000"
   SKILLPOINTS="2147483647" CANFLY="TRUE">
  <Name>Colossus</Name><Source>Core</Source><ActionStep>2147483647</ActionStep>
  <STR MIN="2147483647" MAX="2147483647"/><DEX MIN="1" MAX="99"/>
 </SPECIES>
</SpeciesList>)";

const char* kSkills = R"(<Skills>
 <SKILL NAME="Lift" BROADSKILL="Lift" SOURCE="Core" ATTRIB="1" BASEPRICE="-2147483648"/>
 <SKILL NAME="Heave" BROADSKILL="Lift" SOURCE="Core" ATTRIB="1" BASEPRICE="2147483647"
   PROFESSIONS="C"/>
</Skills>)";

const char* kRuleSets = R"(<RuleSets>
 <RULESET NAME="Wild" AttributePts="2147483647" SkillPtIntMod="-2147483648"
   SkillPtMult="2147483647" BonusSkillPts="2147483647" Rule2C="False"/>
</RuleSets>)";

using HostileCatalogues = BuilderTest;

TEST_F(HostileCatalogues, EveryShownNumberIsOneTheRulesCouldGive) {
    WriteData(kConfig, kSpecies, kSkills, kRuleSets);
    Start();
    ChooseSpecies("Colossus");
    ChooseProfession("Titan");
    const auto& offered = builder->Hero().Skills;
    ASSERT_EQ(offered.size(), 2u);
    builder->Skills().BuySkill(1); // Heave, with Lift

    // Ignored limits and minimums: STR keeps 4/14; DEX has the profession's 99 as minimum.
    EXPECT_EQ(Labels("STR.Limits DEX.Limits DEX.Total"), "4/14 99/99 99");
    // Multipliers out of range: movement uses 1, durability takes the fallback 0.
    EXPECT_EQ(Labels("Move.Sprint Move.Run Move.Fly"), "32 22 64");
    EXPECT_EQ(Labels("Stun Wound Mortal Fatigue"), "0 0 0 0");
    const TProfData& titan = *builder->Professions().Chosen();
    EXPECT_EQ(std::tie(titan.MinStr, titan.ActionMod, titan.PsiAdj), std::make_tuple(0, 0, -0.5));
    // No profession modifier and no species step were taken: Trunc((99 + 10) / 2).
    EXPECT_EQ(Labels("ActionCheck.Ordinary ActionCheck.Marginal ActionDie"), "54 55+ 0");
    // Both prices read as unreadable (100), Heave one less for the profession.
    EXPECT_EQ(builder->Views().TableNamed("SkillTree"),
              (TableView{{"0", "Lift [100]"}, {"1", "Heave [99]"}}));
    for (int i = 0; i < 3; ++i)
        builder->Skills().RaiseSkillRank("Heave");
    EXPECT_EQ(offered[1].TotalCost, 99 * 4 + 6);

    // The rule set's numbers are all ignored: (INT 10 - 1) x 5, no bonus, no species points.
    ChooseRules("Wild");
    EXPECT_EQ(builder->Hero().SkillPointBudget.StartingPoints, 45);
    EXPECT_EQ(Label("AttributeCost"), "149"); // 10 x 5 + 99
}

} // namespace
