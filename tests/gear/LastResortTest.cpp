// The last resort point ledger: cost and maximum by Perception and profession, starting
// points, gaining and spending, the skill points charged, and the hero file section.

#include "gear/LastResortPoints.h"

#include "BuilderTest.h"

namespace {

const char* kSpecies = R"(<Catalogue>
  <SPECIES ID="1"><Name>Keeneye</Name><Source>Core</Source><PER MIN="3" MAX="18"/></SPECIES>
</Catalogue>)";

class LastResortTest : public BuilderTest {
protected:
    void SetUp() override {
        WriteData("<Configuration/>", kSpecies);
        Start();
        ChooseSpecies("Keeneye");
        prompter.Clear();
    }
    LastResortPoints& Ledger() { return builder->LastResortLedger(); }
    void SetPerception(int score) { builder->Attributes().SetScore(attPER, score); }
    std::string Shown() const {
        return Labels("LastResortPoints LastResortMax LastResortCost LastResortTotal");
    }
    const TableView& Table() const { return builder->Views().TableNamed("LastResortPoints"); }
    int Used() const { return builder->Hero().SkillPointBudget.PointsUsed; }
};

TEST_F(LastResortTest, StartingPointsGainsAndSpendsAtPerception12) {
    ChooseProfession("Combat Spec");
    SetPerception(12);
    EXPECT_EQ(Shown(), "0 2 2 0");
    Ledger().AssignStartingPoints();
    EXPECT_EQ(
        Table(),
        (TableView{{"Pts", "Description"}, {"1", "Starting Point"}, {"1", "Starting Point"}}));
    const int used = Used();
    EXPECT_FALSE(Ledger().EnterPoint(LastResortPoints::Direction::Gain, "One more"));
    EXPECT_TRUE(Ledger().EnterPoint(LastResortPoints::Direction::Spend, "Dodged the blast"));
    EXPECT_EQ(Shown(), "1 2 2 0");
    EXPECT_TRUE(Ledger().EnterPoint(LastResortPoints::Direction::Gain, "Bought back"));
    EXPECT_EQ(Shown(), "2 2 2 2");
    EXPECT_EQ(Used(), used + 2);
    EXPECT_EQ(Table().back(), (TableRow{"1", "Bought back"}));

    // Perception falls below what the points held need: no more are bought.
    SetPerception(9);
    EXPECT_EQ(Shown(), "2 1 3 2");
    EXPECT_FALSE(Ledger().EnterPoint(LastResortPoints::Direction::Gain, "Greedy"));
    for (int i = 0; i < 3; ++i)
        Ledger().EnterPoint(LastResortPoints::Direction::Spend, "Close call");
    EXPECT_EQ(Label("LastResortPoints"), "-1"); // no lower limit
    Ledger().AssignStartingPoints();
    EXPECT_FALSE(Ledger().EnterPoint(LastResortPoints::Direction::Spend, ""));
    EXPECT_EQ(
        prompter.Texts(Kind::Error),
        (Strings{"Last Resort Points already at maximum", "Last Resort Points already at maximum",
                 "This character already has Last Resort Points", "Please provide a desciption"}));
    EXPECT_TRUE(builder->Changed());
}

TEST_F(LastResortTest, ProfessionAndPerceptionDecideWhoMayHavePoints) {
    SetPerception(15);
    Ledger().AssignStartingPoints(); // no profession yet
    ChooseProfession("Free Agent");
    EXPECT_EQ(Labels("LastResortMax LastResortCost"), "5 1");
    ChooseProfession("Tech Op");
    SetPerception(7);
    EXPECT_EQ(Labels("LastResortMax LastResortCost"), "0 -");
    Ledger().AssignStartingPoints();
    Ledger().EnterPoint(LastResortPoints::Direction::Spend, "Anything");
    // A Free Agent with low Perception may take a starting point but add none.
    ChooseProfession("Free Agent");
    SetPerception(7);
    Ledger().AssignStartingPoints();
    EXPECT_EQ(Shown(), "1 1 - 0");
    Ledger().EnterPoint(LastResortPoints::Direction::Spend, "Anything");
    const std::string notEligible =
        "Your PER attribute is too low.\rYou are not eligible to use Last Resort Points";
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (Strings{"Choose a profession first", notEligible, notEligible, notEligible}));
}

TEST_F(LastResortTest, LedgerSavesOpensAndChargesTheBudgetAgain) {
    ChooseProfession("Free Agent");
    SetPerception(13);
    Ledger().AssignStartingPoints();
    Ledger().EnterPoint(LastResortPoints::Direction::Spend, "Fell from the gantry");
    Ledger().EnterPoint(LastResortPoints::Direction::Gain, "Bought \"back\"");
    const int used = Used();
    const std::string text = Files().HeroFileText();
    EXPECT_NE(
        text.find("  <LastResortPoint Cost=\"0\" Amt=\"-1\" Desc=\"Fell from the gantry\" />\r\n"
                  "  <LastResortPoint Cost=\"1\" Amt=\"1\" Desc=\"Bought &quot;back&quot;\" />\r\n"
                  "</LastResortPoints>\r\n"),
        std::string::npos);
    ClickNew();
    EXPECT_EQ(Shown(), "0 1 3 0");
    Files().LoadHeroText(text, "ledger.xml");
    EXPECT_EQ(Files().HeroFileText(), text);
    EXPECT_EQ(Used(), used);
    EXPECT_EQ(Labels("LastResortPoints LastResortTotal"), "4 1");
}

} // namespace
