// The skill point budget: the two labels, the rule set's formula and its fixed note, free and
// cashed-out skills, the adjustments of the points used and the Tech Op's extra points.

#include "SkillsFixture.h"

#include <climits>

namespace skills_test {
namespace {

using SkillBudgetTest = SkillsTest;

TEST_F(SkillBudgetTest, EachKindOfRuleSetHasItsFormulaAndNote) {
    // The first two fixed-note lines (the second only when Rule2C is in play).
    auto notes = [this] {
        const TableView& table = builder->Views().TableNamed("FixedNotes");
        std::string text = table.at(0).at(0);
        if (table.size() > 1 && table[1].at(0).find("Rule2C") != std::string::npos)
            text += " / " + table[1][0];
        return text;
    };
    EXPECT_EQ(Label("SkillPoints"), "45  [0 used of 45]");
    EXPECT_EQ(notes(), "Core rules for calculating skill points; 0 bonus skill points");
    ChooseRules("Advanced");
    EXPECT_EQ(Label("SkillPoints"), "45  [0 used of 45]");
    EXPECT_EQ(notes(), "Core rules for calculating skill points; 0 bonus skill points / "
                       "Rule2C in play for skill advancement");
    ChooseRules("Option 2A");
    EXPECT_EQ(Label("SkillPoints"), "60  [0 used of 60]");
    EXPECT_EQ(notes(), "Optional rule 2A for calculating skill points; 0 bonus skill points");
    ChooseRules("House");
    EXPECT_EQ(Label("SkillPoints"), "50  [0 used of 50]");
    EXPECT_EQ(notes(), "Custom rule for skill points: ((INT + 0) * 4) + 10");
}

TEST_F(SkillBudgetTest, BroadSkillsAvailableFollowTheIntResistanceModifier) {
    EXPECT_EQ(Label("BroadSkills"), "12 [0 used of 12]");
    builder->Attributes().SetScore(attINT, 6);
    EXPECT_EQ(Labels("INT.Res BroadSkills"), "-1 11 [0 used of 11]");
    EXPECT_EQ(Label("SkillPoints"), "25  [0 used of 25]");
    builder->Attributes().SetScore(attINT, 14);
    EXPECT_EQ(Labels("INT.Res BroadSkills"), "+2 14 [0 used of 14]");
}

TEST_F(SkillBudgetTest, LabelsCountEveryRowAndMayGoNegative) {
    Buy("Climb");
    Buy("Meditate");
    EXPECT_EQ(Label("SkillPoints"), "33  [12 used of 45]");
    EXPECT_EQ(Label("BroadSkills"), "10 [2 used of 12]");
    builder->Attributes().SetScore(attINT, 4); // (4 - 1) x 5 = 15
    Raise("Climb", 3);                         // nothing is refused over the budget
    EXPECT_EQ(Label("SkillPoints"), "-12  [27 used of 15]");
}

TEST_F(SkillBudgetTest, FreeBroadSkillsTakeAPlaceAndCashOutsAddThreePointsEach) {
    ChooseSpecies("Vesk");
    EXPECT_EQ(Names(), (Strings{"Athletics", "Lore"}));
    EXPECT_EQ(Cost("Athletics"), "0");
    EXPECT_EQ(Label("BroadSkills"), "10 [2 used of 12]");
    Buy("Climb");
    EXPECT_EQ(Label("SkillPoints"), "42  [3 used of 45]");

    const std::string question = "Cashing out a free skill cannot be undone.\rProceed?";
    prompter.confirmAnswers = {false};
    Remove("Athletics");
    EXPECT_EQ(prompter.Texts(Kind::Confirm), Strings{question});
    EXPECT_EQ(Names().size(), 3u);

    prompter.confirmAnswers = {true, true};
    Remove("Athletics"); // with its specialty
    EXPECT_EQ(Names(), Strings{"Lore"});
    EXPECT_EQ(Label("SkillPoints"), "48  [0 used of 48]");
    Remove("Lore");
    EXPECT_EQ(prompter.Texts(Kind::Confirm), Strings(3, question));
    EXPECT_EQ(Labels("SkillPoints BroadSkills"), "51  [0 used of 51] 12 [0 used of 12]");
    EXPECT_EQ(builder->Hero().CashedOutSkills, (Strings{"Athletics", "Lore"}));

    // Clearing the hero empties skills, cash-outs and adjustments.
    builder->Budget().EnterAdjustment("2", "Mentor");
    builder->ClearHero();
    EXPECT_TRUE(Names().empty() && builder->Hero().CashedOutSkills.empty());
    EXPECT_EQ(builder->Views().TableNamed("SkillPointAdjustments"),
              (TableView{{"", ""}, {"", ""}}));
    EXPECT_EQ(Label("SkillPoints"), "45  [0 used of 45]");
}

TEST_F(SkillBudgetTest, FreeSkillsTakeTheirPriceAgainWithAnotherSpecies) {
    ChooseSpecies("Vesk");
    ChooseSpecies("Terran"); // "Clear skill list?" answered No
    EXPECT_EQ(Names(), (Strings{"Athletics", "Lore"}));
    EXPECT_EQ(Label("SkillPoints"), "38  [7 used of 45]");
}

TEST_F(SkillBudgetTest, AdjustmentsChangeThePointsUsedUntilRemoved) {
    Buy("Climb"); // 4 + 3
    auto adjust = [this](const std::string& points, const std::string& description) {
        return builder->Budget().EnterAdjustment(points, description);
    };
    auto table = [this] { return builder->Views().TableNamed("SkillPointAdjustments"); };
    builder->Document().SetChanged(false);
    const auto added = adjust("-5", "Mentor");
    EXPECT_TRUE(added.added);
    EXPECT_EQ(added.focus, SkillBudget::Focus::Points);
    EXPECT_TRUE(builder->Changed());
    EXPECT_TRUE(adjust("4", "Lost notes").added);
    EXPECT_EQ(table(), (TableView{{"", ""}, {"-5", "Mentor"}, {"4", "Lost notes"}}));
    EXPECT_EQ(Label("SkillPoints"), "39  [6 used of 45]");

    builder->Budget().RemoveAdjustment(1);
    EXPECT_EQ(table(), (TableView{{"", ""}, {"4", "Lost notes"}}));
    EXPECT_EQ(Label("SkillPoints"), "34  [11 used of 45]");
    builder->Budget().RemoveAdjustment(1);

    // Refusals add nothing.
    EXPECT_EQ(adjust("five", "Mentor").focus, SkillBudget::Focus::Points);
    const auto noDescription = adjust("3", "");
    EXPECT_FALSE(noDescription.added);
    EXPECT_EQ(noDescription.focus, SkillBudget::Focus::Description);
    builder->Budget().RemoveAdjustment(1);
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (Strings{"Points must be numeric.", "Provide a description", "Nothing to remove"}));
    EXPECT_TRUE(builder->Hero().SkillPointAdjustments.empty());
    EXPECT_EQ(Label("SkillPoints"), "38  [7 used of 45]");
}

TEST_F(SkillBudgetTest, TypedAdjustmentsStayWithinAThousandPoints) {
    const std::string outOfRange = "Points must be a whole number from -1000 to 1000.";
    const std::pair<const char*, const char*> refused[] = {{"1001", outOfRange.c_str()},
                                                           {"-1001", outOfRange.c_str()},
                                                           {"99999999999", outOfRange.c_str()},
                                                           {"2147483648", outOfRange.c_str()},
                                                           {"12 points", "Points must be numeric."},
                                                           {"", "Points must be numeric."}};
    for (const auto& [points, message] : refused) {
        prompter.Clear();
        const auto result = builder->Budget().EnterAdjustment(points, "Mentor");
        EXPECT_FALSE(result.added) << points;
        EXPECT_EQ(result.focus, SkillBudget::Focus::Points);
        EXPECT_EQ(prompter.Texts(Kind::Error), Strings{message}) << points;
    }
    EXPECT_TRUE(builder->Budget().EnterAdjustment("1000", "Mentor").added);
    EXPECT_TRUE(builder->Budget().EnterAdjustment(" -1000 ", "Debt").added);
    EXPECT_EQ(Label("SkillPoints"), "45  [0 used of 45]");
}

TEST_F(SkillBudgetTest, AdjustmentsFromAFileAreAddedUpWithoutWrappingAround) {
    // As a hero file gives them: no range is checked on the way in.
    builder->Budget().AddAdjustment(INT_MAX, "a");
    builder->Budget().AddAdjustment(INT_MAX, "b");
    EXPECT_EQ(Label("SkillPoints"), "-999999955  [1000000000 used of 45]");
    builder->Budget().RemoveAdjustment(2);
    EXPECT_EQ(Label("SkillPoints"), "-999999955  [1000000000 used of 45]");
    builder->Budget().RemoveAdjustment(1);
    builder->Budget().AddAdjustment(INT_MIN, "c");
    builder->Budget().AddAdjustment(INT_MIN, "d");
    EXPECT_EQ(Label("SkillPoints"), "1000000045  [-1000000000 used of 45]");

    // Saved, the remainders are the differences shown, and the file reads back the same.
    const std::string text = Files().HeroFileText();
    EXPECT_NE(text.find(R"(PointsUsed="-1000000000" PointsRemaining="1000000045")"),
              std::string::npos);
    Files().LoadHeroText(text, "hero.xml");
    EXPECT_EQ(Label("SkillPoints"), "1000000045  [-1000000000 used of 45]");
    EXPECT_EQ(Files().HeroFileText(), text);
}

TEST_F(SkillBudgetTest, TechOpGainsItsLevelMinusOne) {
    builder->Advancement().AddPoints("21", "Four levels' worth"); // level 4
    ChooseProfession("Free Agent");
    EXPECT_EQ(Budget().StartingPoints, 45 + 21);
    ChooseProfession("Tech Op"); // INT 11: 50 points, and 3 more at level 4
    EXPECT_EQ(Budget().StartingPoints, 50 + 21 + 3);
    builder->Advancement().RemoveAchievement(1);
    EXPECT_EQ(Label("SkillPoints"), "50  [0 used of 50]");
}

} // namespace
} // namespace skills_test
