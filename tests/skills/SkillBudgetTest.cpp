// The skill point budget: the two labels, the rule set's formula and its fixed note, free and
// cashed-out skills, the adjustments of the points used and the Tech Op's extra points.

#include "SkillsFixture.h"

namespace skills_test {
namespace {

using SkillBudgetTest = SkillsTest;

std::string FixedNote(const HeroBuilder& builder, std::size_t line) {
    const TableView& notes = builder.Views.Table("FixedNotes");
    return line < notes.size() && !notes[line].empty() ? notes[line][0] : "<no line>";
}

TEST_F(SkillBudgetTest, EachKindOfRuleSetHasItsFormulaAndNote) {
    EXPECT_EQ(Label("SkillPoints"), "45  [0 used of 45]");
    EXPECT_EQ(FixedNote(*builder, 0),
              "Core rules for calculating skill points; 0 bonus skill points");
    EXPECT_NE(FixedNote(*builder, 1), "Rule2C in play for skill advancement");

    ChooseRules("Advanced");
    EXPECT_EQ(Label("SkillPoints"), "45  [0 used of 45]");
    EXPECT_EQ(FixedNote(*builder, 0),
              "Core rules for calculating skill points; 0 bonus skill points");
    EXPECT_EQ(FixedNote(*builder, 1), "Rule2C in play for skill advancement");

    ChooseRules("Option 2A");
    EXPECT_EQ(Label("SkillPoints"), "60  [0 used of 60]");
    EXPECT_EQ(FixedNote(*builder, 0),
              "Optional rule 2A for calculating skill points; 0 bonus skill points");
    EXPECT_NE(FixedNote(*builder, 1), "Rule2C in play for skill advancement");

    ChooseRules("House");
    EXPECT_EQ(Label("SkillPoints"), "50  [0 used of 50]");
    EXPECT_EQ(FixedNote(*builder, 0), "Custom rule for skill points: ((INT + 0) * 4) + 10");
}

TEST_F(SkillBudgetTest, BroadSkillsAvailableFollowTheIntResistanceModifier) {
    EXPECT_EQ(Label("BroadSkills"), "12 [0 used of 12]");
    builder->Attributes.SetScore(attINT, 6);
    ASSERT_EQ(Label("INT.Res"), "-1");
    EXPECT_EQ(Label("BroadSkills"), "11 [0 used of 11]");
    EXPECT_EQ(Label("SkillPoints"), "25  [0 used of 25]");
    builder->Attributes.SetScore(attINT, 14);
    ASSERT_EQ(Label("INT.Res"), "+2");
    EXPECT_EQ(Label("BroadSkills"), "14 [0 used of 14]");
    EXPECT_EQ(Budget().MaxBroadSkills, 14);
}

TEST_F(SkillBudgetTest, LabelsCountEveryRowAndMayGoNegative) {
    Buy("Climb");
    Buy("Meditate");
    EXPECT_EQ(Label("SkillPoints"), "33  [12 used of 45]");
    EXPECT_EQ(Label("BroadSkills"), "10 [2 used of 12]");
    EXPECT_EQ(Budget().StartingPoints, 45);
    EXPECT_EQ(Budget().PointsUsed, 12);
    EXPECT_EQ(Budget().BroadSkillsUsed, 2);

    // Nothing is refused over the budget.
    builder->Attributes.SetScore(attINT, 4); // (4 - 1) x 5 = 15
    Raise("Climb", 3);                       // 18
    EXPECT_EQ(Label("SkillPoints"), "-12  [27 used of 15]");
    EXPECT_EQ(Rank("Climb"), "  4");
}

TEST_F(SkillBudgetTest, FreeBroadSkillsTakeAPlaceAndCashOutsAddThreePointsEach) {
    ChooseSpecies("Vesk");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Athletics", "Lore"}));
    EXPECT_EQ(Cost("Athletics"), "0");
    EXPECT_EQ(Label("SkillPoints"), "45  [0 used of 45]");
    EXPECT_EQ(Label("BroadSkills"), "10 [2 used of 12]");
    Buy("Climb");
    EXPECT_EQ(Label("SkillPoints"), "42  [3 used of 45]");

    const std::string question = "Cashing out a free skill cannot be undone.\rProceed?";
    prompter.confirmAnswers = {false};
    Remove("Athletics");
    EXPECT_EQ(prompter.Texts(Kind::Confirm), std::vector<std::string>{question});
    EXPECT_EQ(Names(), (std::vector<std::string>{"Athletics", "  Climb", "Lore"}));
    EXPECT_EQ(Label("SkillPoints"), "42  [3 used of 45]");

    prompter.Clear();
    prompter.confirmAnswers = {true, true};
    Remove("Athletics"); // with its specialty
    EXPECT_EQ(prompter.Texts(Kind::Confirm), std::vector<std::string>{question});
    EXPECT_EQ(Names(), std::vector<std::string>{"Lore"});
    EXPECT_EQ(Label("SkillPoints"), "48  [0 used of 48]");
    Remove("Lore");
    EXPECT_EQ(Names(), std::vector<std::string>{});
    EXPECT_EQ(Label("SkillPoints"), "51  [0 used of 51]");
    EXPECT_EQ(Label("BroadSkills"), "12 [0 used of 12]");
    EXPECT_EQ(builder->Hero.CashedOutSkills, (std::vector<std::string>{"Athletics", "Lore"}));
}

TEST_F(SkillBudgetTest, FreeSkillsTakeTheirPriceAgainWithAnotherSpecies) {
    ChooseSpecies("Vesk");
    ChooseSpecies("Terran"); // "Clear skill list?" answered No
    EXPECT_EQ(Names(), (std::vector<std::string>{"Athletics", "Lore"}));
    EXPECT_EQ(Label("SkillPoints"), "38  [7 used of 45]");
}

TEST_F(SkillBudgetTest, ClearingTheHeroEmptiesSkillsCashOutsAndAdjustments) {
    ChooseSpecies("Vesk");
    prompter.confirmAnswers = {true};
    Remove("Lore");
    Buy("Climb");
    builder->Budget.CmdAdjSkillptsClick("2", "Mentor");
    ASSERT_EQ(Label("SkillPoints"), "43  [5 used of 48]"); // Athletics is free

    builder->FormClear();
    EXPECT_EQ(Names(), std::vector<std::string>{});
    EXPECT_TRUE(builder->Hero.CashedOutSkills.empty());
    EXPECT_EQ(builder->Views.Table("SkillPointAdjustments"), (TableView{{"", ""}, {"", ""}}));
    EXPECT_EQ(Label("SkillPoints"), "45  [0 used of 45]");
    EXPECT_EQ(Label("BroadSkills"), "12 [0 used of 12]");
}

TEST_F(SkillBudgetTest, AdjustmentsChangeThePointsUsedUntilRemoved) {
    Buy("Climb"); // 4 + 3
    auto adjust = [this](const std::string& points, const std::string& description) {
        return builder->Budget.CmdAdjSkillptsClick(points, description);
    };
    auto table = [this] { return builder->Views.Table("SkillPointAdjustments"); };
    EXPECT_EQ(table(), (TableView{{"", ""}, {"", ""}}));

    builder->SetChanged(false);
    const auto added = adjust("-5", "Mentor");
    EXPECT_TRUE(added.added);
    EXPECT_EQ(added.focus, SkillBudget::Focus::Points);
    EXPECT_TRUE(builder->Changed);
    EXPECT_EQ(Label("SkillPoints"), "43  [2 used of 45]");
    EXPECT_TRUE(adjust("4", "Lost notes").added);
    EXPECT_EQ(table(), (TableView{{"", ""}, {"-5", "Mentor"}, {"4", "Lost notes"}}));
    EXPECT_EQ(Label("SkillPoints"), "39  [6 used of 45]");

    builder->Budget.SgAdjSkillPtsDblClick(1);
    EXPECT_EQ(table(), (TableView{{"", ""}, {"4", "Lost notes"}}));
    EXPECT_EQ(Label("SkillPoints"), "34  [11 used of 45]");
    builder->Budget.SgAdjSkillPtsDblClick(1);
    EXPECT_EQ(table(), (TableView{{"", ""}, {"", ""}}));
    EXPECT_EQ(Label("SkillPoints"), "38  [7 used of 45]");

    // Refusals add nothing.
    const auto notNumeric = adjust("five", "Mentor");
    EXPECT_FALSE(notNumeric.added);
    EXPECT_EQ(notNumeric.focus, SkillBudget::Focus::Points);
    EXPECT_FALSE(adjust("", "Mentor").added);
    const auto noDescription = adjust("3", "");
    EXPECT_FALSE(noDescription.added);
    EXPECT_EQ(noDescription.focus, SkillBudget::Focus::Description);
    builder->Budget.SgAdjSkillPtsDblClick(1);
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (std::vector<std::string>{"Points must be numeric.", "Points must be numeric.",
                                        "Provide a description", "Nothing to remove"}));
    EXPECT_TRUE(builder->Hero.SkillPointAdjustments.empty());
    EXPECT_EQ(Label("SkillPoints"), "38  [7 used of 45]");
}

TEST_F(SkillBudgetTest, TechOpGainsItsLevelMinusOne) {
    builder->Hero.AchievementTotals.Level = 4;
    ChooseProfession("Free Agent");
    EXPECT_EQ(Budget().StartingPoints, 45);
    ChooseProfession("Tech Op"); // INT 11
    EXPECT_EQ(Budget().StartingPoints, 53);
    builder->Hero.AchievementTotals.Level = 1;
    builder->CalculateSkillPoints();
    EXPECT_EQ(Budget().StartingPoints, 50);
    EXPECT_EQ(Label("SkillPoints"), "50  [0 used of 50]");
}

} // namespace
} // namespace skills_test
