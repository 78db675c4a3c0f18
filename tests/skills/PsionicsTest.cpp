// Psionic skills: buying with the broad skill, rank costs under both rules, the dice of the
// psionic specialization, free psionic skills, what a change of profession or source does,
// the scores and energy following the attributes, and the hero file lines.

#include "skills/PsionicPurchases.h"

#include "hero/AttributeScores.h"
#include "skills/SkillBudget.h"

#include "SkillsFixture.h"

namespace {

using skills_test::SkillsTest;

const char* kPsionics = R"(<Psionics>
  <PSI NAME="Telepathy" BROADSKILL="Telepathy" SOURCE="Core" ATTRIB="5" BASEPRICE="5" PROFESSIONS="M"/>
  <PSI NAME="Mind Read" BROADSKILL="Telepathy" SOURCE="Core" ATTRIB="5" BASEPRICE="3" PROFESSIONS="M"/>
  <PSI NAME="Empathy" BROADSKILL="Telepathy" SOURCE="Core" ATTRIB="6" BASEPRICE="2"/>
  <PSI NAME="Telekinesis" BROADSKILL="Telekinesis" SOURCE="Core" ATTRIB="5" BASEPRICE="4"/>
  <PSI NAME="Shove" BROADSKILL="Telekinesis" SOURCE="Core" ATTRIB="0" BASEPRICE="2" COMBATSPEC="True"/>
  <PSI NAME="Far Voice" BROADSKILL="Far Voice" SOURCE="Outer Reaches" ATTRIB="4" BASEPRICE="3"/>
</Psionics>)";

// Terran and a species that knows Empathy from birth.
const char* kPsiSpecies = R"(<SpeciesList>
  <SPECIES><Name>Terran</Name><Source>Core</Source></SPECIES>
  <SPECIES PSIMULT="1.5"><Name>Seer</Name><Source>Core</Source><FreeSkills COUNT="1" />
    <FreeSkill NAME="Empathy" /></SPECIES>
</SpeciesList>)";

class PsionicsTest : public SkillsTest {
protected:
    void SetUp() override {
        app.Write("Data/psionics.xml", kPsionics);
        app.Write("Data/species.xml", kPsiSpecies);
        WriteData(R"(<Configuration><SOURCE NAME="Outer Reaches" /></Configuration>)", nullptr,
                  skillsXml, skills_test::kRuleSets);
        Start();
        prompter.Clear();
    }
    PsionicPurchases& Psi() { return builder->Psionics(); }
    const TableView& PsiTable() const { return builder->Views().TableNamed("Psionics"); }
    int PsiRow(const std::string& name) const {
        for (std::size_t r = 1; r < PsiTable().size(); ++r)
            if (Trim(PsiTable()[r].at(0)) == name) return static_cast<int>(r);
        return 0;
    }
    TableRow PsiRowCells(const std::string& name) const {
        const int row = PsiRow(name);
        return row ? PsiTable()[static_cast<std::size_t>(row)] : TableRow(6, "<no row>");
    }
    int BuyPsi(const std::string& name) {
        const auto& offered = builder->Hero().Psionics;
        for (std::size_t i = 0; i < offered.size(); ++i)
            if (offered[i].Name == name) return Psi().BuyPsionic(static_cast<int>(i));
        ADD_FAILURE() << name << " is not offered";
        return 0;
    }
    std::string PsiCosts(const std::string& name, int ranks) {
        std::string costs;
        for (int rank = 1; rank <= ranks; ++rank) {
            costs += (rank > 1 ? " " : "") + PsiRowCells(name).at(5);
            Psi().RaiseRowRank(PsiRow(name));
        }
        return costs;
    }
};

TEST_F(PsionicsTest, BuyingASpecialtyBuysItsBroadSkillAndSpendsTheBudget) {
    const TSkillPointBudget before = Budget();
    EXPECT_EQ(BuyPsi("Mind Read"), 2);
    EXPECT_EQ(PsiTable(), (TableView{{"Skills", "Rank", "Att", "Score", "Die", "Cost"},
                                     {"Telepathy", "", "WIL", "10/5/2", "+d4", "5"},
                                     {"  Mind Read", "  1", "WIL", "11/5/2", "+d0", "3"}}));
    EXPECT_EQ(Budget().PointsUsed, before.PointsUsed + 8);
    EXPECT_EQ(Budget().BroadSkillsUsed, before.BroadSkillsUsed + 1);
    EXPECT_EQ(BuyPsi("Mind Read"), 2); // bought already: nothing more
    EXPECT_EQ(Budget().PointsUsed, before.PointsUsed + 8);
    // An attribute that is none of the six shows "???" on a base of 20.
    BuyPsi("Shove");
    EXPECT_EQ(PsiRowCells("Shove"), (TableRow{"  Shove", "  1", "???", "21/10/5", "+d0", "2"}));
}

TEST_F(PsionicsTest, RankCostsUnderBothRulesAndTheButtonsMessages) {
    BuyPsi("Empathy");
    EXPECT_EQ(PsiCosts("Empathy", 3), "2 5 9");
    Psi().LowerRowRank(PsiRow("Empathy"));
    Psi().LowerRowRank(PsiRow("Empathy"));
    Psi().LowerRowRank(PsiRow("Empathy"));
    Psi().LowerRowRank(PsiRow("Empathy"));
    EXPECT_EQ(PsiRowCells("Empathy").at(1), "  1");
    ChooseRules("Advanced");
    EXPECT_EQ(PsiCosts("Empathy", 3), "2 4 6");
    Psi().RaiseRowRank(0);
    Psi().LowerRowRank(0);
    EXPECT_EQ(prompter.Texts(ScriptedPrompter::Kind::Plain),
              (Strings{"Please select a psionic ability to raise", "Please select a skill to lower"}));
    // The broad skill has no rank to raise.
    Psi().RaiseRowRank(PsiRow("Telepathy"));
    EXPECT_EQ(PsiRowCells("Telepathy").at(5), "5");
}

TEST_F(PsionicsTest, PsionicSpecializationSetsTheDice) {
    ChooseProfession("Mindwalker");
    EXPECT_EQ(builder->Professions().specializations, (Strings{"Telepathy", "Telekinesis"}));
    BuyPsi("Mind Read");
    BuyPsi("Shove");
    ChooseSpecialization("Telepathy");
    const auto dice = [this] {
        std::string text;
        for (std::size_t r = 1; r < PsiTable().size(); ++r)
            text += Trim(PsiTable()[r][0]) + PsiTable()[r][4] + " ";
        return text;
    };
    EXPECT_EQ(dice(), "Telepathy+d0 Mind Read-d4 Telekinesis+d4 Shove+d0 ");
    // The Mindwalker's letter takes one off the price.
    EXPECT_EQ(PsiRowCells("Mind Read").at(5), "2");
}

TEST_F(PsionicsTest, FreePsionicSkillsStayAndChoicesDropTheRest) {
    ChooseSpecies("Seer");
    EXPECT_EQ(PsiRowCells("Empathy"), (TableRow{"  Empathy", "  1", "PER", "11/5/2", "+d0", "0"}));
    Psi().RemovePsionic(PsiRow("Empathy"));
    EXPECT_EQ(prompter.Texts(ScriptedPrompter::Kind::Error),
              Strings{"You cannot remove a free skill."});
    EXPECT_EQ(PsiRow("Empathy"), 1);

    BuyPsi("Telekinesis");
    BuyPsi("Mind Read");
    Psi().RemovePsionic(PsiRow("Telekinesis"));
    EXPECT_EQ(PsiRow("Telekinesis"), 0);
    ChooseProfession("Combat Spec");
    EXPECT_EQ(PsiTable().size(), 2u); // the free Empathy alone
    EXPECT_EQ(PsiRowCells("Empathy").at(5), "0");
}

TEST_F(PsionicsTest, ScoresAndEnergyFollowEveryAttribute) {
    ChooseProfession("Mindwalker"); // adjustment 0, WIL at least 11
    ChooseSpecies("Seer");          // multiplier 1.5
    BuyPsi("Mind Read");
    EXPECT_EQ(Label("PsionicEnergy"), "16"); // Trunc(11 x 1.5)
    builder->Attributes().SetScore(attWIL, 13);
    EXPECT_EQ(PsiRowCells("Mind Read").at(3), "14/7/3");
    EXPECT_EQ(Label("PsionicEnergy"), "19");
    builder->Attributes().SetScore(attPER, 12);
    EXPECT_EQ(PsiRowCells("Empathy").at(3), "13/6/3");
}

TEST_F(PsionicsTest, ASourceToggleKeepsPurchasesWithTheirRanks) {
    prompter.confirmAnswers = {false};
    ClickSource("Outer Reaches");
    BuyPsi("Far Voice");
    BuyPsi("Empathy");
    Psi().RaiseRowRank(PsiRow("Empathy"));
    prompter.confirmAnswers = {false};
    ClickSource("Outer Reaches");
    EXPECT_EQ(PsiRow("Far Voice"), 0);
    EXPECT_EQ(PsiRowCells("Empathy").at(1), "  2");
}

TEST_F(PsionicsTest, HeroFileLinesAndUnknownNames) {
    ChooseProfession("Mindwalker");
    ChooseSpecialization("Telekinesis");
    builder->Attributes().SetScore(attWIL, 11);
    BuyPsi("Mind Read");
    Psi().RaiseRowRank(PsiRow("Mind Read"));
    Psi().RaiseRowRank(PsiRow("Mind Read"));
    const std::string text = Files().HeroFileText();
    EXPECT_NE(text.find("<PsionicSkills Energy=\"11\">\r\n"
                        "<PsionicSkill Level=\"1\" Name=\"Telepathy\"  Cost=\"4\" Source=\"Core\">"
                        "<Ability>WIL</Ability><Die>+d4</Die><Specific/>"
                        "<Score Ordinary=\"12\" Good=\"6\" Amazing=\"3\"/></PsionicSkill>\r\n"
                        "<PsionicSkill Level=\"3\" Name=\"Mind Read\"  Cost=\"9\" Source=\"Core\">"
                        "<Ability>WIL</Ability><Die>+d0</Die><Specific/>"
                        "<Score Ordinary=\"14\" Good=\"7\" Amazing=\"3\"/></PsionicSkill>\r\n"
                        "</PsionicSkills>\r\n"),
              std::string::npos)
        << text;
    Files().LoadHeroText(text, "psi.xml");
    EXPECT_EQ(Files().HeroFileText(), text);

    // A skill line naming a psionic skill buys it as one; unknown names are reported.
    std::string edited = text;
    const std::string skills = "</Skills>";
    edited.replace(edited.find(skills), skills.size(),
                   "<Skill Level=\"2\" Name=\"Telekinesis\" />\r\n<Skill Level=\"2\" Name=\"Nope\" />\r\n"
                   "</Skills>");
    const std::string end = "</PsionicSkills>";
    edited.replace(edited.find(end), end.size(),
                   "<PsionicSkill Level=\"2\" Name=\"Ghost\" />\r\n</PsionicSkills>");
    Files().LoadHeroText(edited, "edited.xml");
    EXPECT_GT(PsiRow("Telekinesis"), 0);
    EXPECT_EQ(Files().ImportErrors(), (Strings{"Unknown skill: Nope  2", "Unknown Psionic Skill: Ghost  2"}));
}

} // namespace
