// Mutations: one attribute changed in score and maximum alike, drawbacks taken twice, the
// derived scores following negative totals, a dropped source giving the change back, and the
// hero file.

#include "gear/Mutations.h"

#include "BuilderTest.h"

namespace {

const char* kMutations = R"(<Mutations>
  <ADVANTAGE NAME="Dense Bones" SOURCE="Core" COST="4" STR="2" DEX="1"/>
  <ADVANTAGE NAME="Split Mind" SOURCE="Core" COST="8" ACTION="1"/>
  <advantage name="Star Lungs" source="Outer Reaches" cost="3" con="1"/>
  <DRAWBACK NAME="Thin Skin" SOURCE="Core" COST="-2" STUN="-2" DEX="-1"/>
</Mutations>)";

class MutationsTest : public BuilderTest {
protected:
    void SetUp() override {
        WriteData(R"(<Configuration><SOURCE NAME="Outer Reaches" /></Configuration>)");
        app.Write("Data/mutations.xml", kMutations);
        Start();
        prompter.Clear();
    }
    Mutations& M() { return builder->Mutants(); }
    const TableView& Table(const char* name) const { return builder->Views().TableNamed(name); }
};

TEST_F(MutationsTest, AnAdvantageChangesOneAttributeInScoreAndMaximum) {
    EXPECT_EQ(Table("OfferedAdvantages"),
              (TableView{{"Pts", "Description"}, {"4", "Dense Bones"}, {"8", "Split Mind"}}));
    M().TakeMutation(MutationKind::Advantage, 1);
    EXPECT_EQ(Labels("STR.Total STR.Base STR.Limits DEX.Total DEX.Limits"), "12 10 4/16 10 4/14");
    EXPECT_EQ(Table("Advantages"), (TableView{{"Pts", "Description"}, {"4", "Dense Bones"}}));
    EXPECT_TRUE(builder->Changed());
    M().GiveUpMutation(MutationKind::Advantage, 1);
    EXPECT_EQ(Labels("STR.Total STR.Base STR.Limits"), "10 10 4/14");
    M().GiveUpMutation(MutationKind::Advantage, 0);
    M().GiveUpMutation(MutationKind::Drawback, 0);
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (Strings{"Select a mutation to remove.", "Select a mutational drawback to remove."}));
}

TEST_F(MutationsTest, DrawbacksStackAndReachTheDerivedScores) {
    M().TakeMutation(MutationKind::Drawback, 1);
    M().TakeMutation(MutationKind::Drawback, 1);
    EXPECT_EQ(Table("Drawbacks").size(), 3u);
    EXPECT_EQ(Labels("DEX.Total DEX.Base DEX.Limits Stun"), "8 10 4/12 6");
    M().TakeMutation(MutationKind::Advantage, 2);
    EXPECT_EQ(Label("Actions"), "3");
}

TEST_F(MutationsTest, ASourceSwitchedOffDropsItsMutationsAndTheirChange) {
    prompter.confirmAnswers = {false};
    ClickSource("Outer Reaches");
    M().TakeMutation(MutationKind::Advantage, 3); // Star Lungs
    EXPECT_EQ(Labels("CON.Total CON.Base"), "11 10");
    prompter.confirmAnswers = {false};
    ClickSource("Outer Reaches");
    EXPECT_EQ(Table("Advantages").size(), 1u);
    EXPECT_EQ(Labels("CON.Total CON.Base CON.Limits"), "10 10 4/14");
}

TEST_F(MutationsTest, HeroFileKeepsTheBaseAndNamesUnknownMutations) {
    builder->Attributes().SetScore(attSTR, 13);
    M().TakeMutation(MutationKind::Advantage, 1);
    M().TakeMutation(MutationKind::Drawback, 1);
    const std::string text = Files().HeroFileText();
    EXPECT_NE(text.find("<Mutations>\r\n  <Advantage Name=\"Dense Bones\" Source=\"Core\" />\r\n"
                        "  <Drawback Name=\"Thin Skin\" Source=\"Core\" />\r\n</Mutations>\r\n"),
              std::string::npos);
    Files().LoadHeroText(text, "mutant.xml");
    EXPECT_EQ(Labels("STR.Total STR.Base DEX.Total"), "15 13 9");
    EXPECT_EQ(Files().HeroFileText(), text);

    std::string edited = text;
    edited.replace(edited.find("Thin Skin"), 9, "Third Eye");
    Files().LoadHeroText(edited, "odd.xml");
    EXPECT_EQ(Files().ImportErrors(), Strings{"Mutational Advantage \"Third Eye\" not recognized"});
}

} // namespace
