// Achievement points and the level, the benefit columns, buying and removing benefits with
// their attribute raise, and what they add to the budget and the hero file.

#include "gear/Achievements.h"
#include "gear/AdvancementRules.h"

#include "BuilderTest.h"

namespace {

TEST(AdvancementRules, LevelsAndColumns) {
    const auto standing = [](long long points) {
        const LevelStanding s = LevelFor(points);
        return std::to_string(s.level) + "/" + std::to_string(s.pointsNeeded);
    };
    EXPECT_EQ(standing(0), "1/6");
    EXPECT_EQ(standing(5), "1/1");
    EXPECT_EQ(standing(6), "2/7");
    EXPECT_EQ(standing(13), "3/8");
    EXPECT_EQ(standing(285), "20/25");
    EXPECT_EQ(standing(-40), "1/46");
    EXPECT_EQ(LevelFor(2'000'000'000).level, 63241); // no maximum, and no overflow

    EXPECT_EQ(ColumnFor("DC"), BenefitColumn::D);
    EXPECT_EQ(ColumnFor("CD"), BenefitColumn::D);
    EXPECT_EQ(ColumnFor("AT"), BenefitColumn::T);
    EXPECT_EQ(ColumnFor("MA"), std::nullopt); // its second letter, A, names no column
    EXPECT_EQ(ColumnFor("CF"), BenefitColumn::C);
    EXPECT_EQ(ColumnFor("ATF"), std::nullopt); // three letters: the first, which names none
    EXPECT_EQ(ColumnFor(""), std::nullopt);
}

const char* kBenefits = R"(<Benefits>
  <BENEFIT NAME="Brawn" SOURCE="Core" CCOST="4" CLEVEL="2" FCOST="5" FLEVEL="1" STR="2" DEX="1"/>
  <BENEFIT NAME="Grit" SOURCE="Core" CCOST="2" CLEVEL="1" STUN="2" ACTION="1" ACINCREASE="1"/>
  <BENEFIT NAME="Dip Only" SOURCE="Core" DCOST="1" DLEVEL="1"/>
  <benefit name="Far Trick" source="Outer Reaches" ccost="1" clevel="1"/>
  <BENEFIT NAME="Broken" SOURCE="Core" CCOST="lots" CLEVEL="x"/>
</Benefits>)";

class AchievementsTest : public BuilderTest {
protected:
    void SetUp() override {
        WriteData(R"(<Configuration><SOURCE NAME="Outer Reaches" /></Configuration>)");
        app.Write("Data/benefits.xml", kBenefits);
        Start();
        prompter.Clear();
    }
    Achievements& Adv() { return builder->Advancement(); }
    const TableView& Table(const char* name) const { return builder->Views().TableNamed(name); }
    std::string Figures() const {
        return Labels("PointsEarned Level PointsNeeded BenefitsPurchased");
    }
};

TEST_F(AchievementsTest, EntriesGiveTheLevelAndThePoints) {
    const int available = builder->Hero().SkillPointBudget.StartingPoints;
    EXPECT_FALSE(Adv().AddPoints("five", "Typo"));
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"Points must be numeric!"});
    EXPECT_TRUE(Adv().AddPoints("5", "Saved the convoy"));
    EXPECT_EQ(Figures(), "5 1 1 ");
    EXPECT_TRUE(Adv().AddPoints("8", "Held the line"));
    EXPECT_EQ(Figures(), "13 3 8 ");
    EXPECT_EQ(Table("Achievements"),
              (TableView{{"5", "Saved the convoy"}, {"8", "Held the line"}}));
    EXPECT_EQ(builder->Hero().SkillPointBudget.StartingPoints, available + 13);
    EXPECT_EQ(Label("PointsAvailable"), Label("SkillPoints"));
    Adv().RemoveAchievement(0);
    EXPECT_EQ(prompter.Texts(Kind::Error).back(), "Select an achivement item to remove.");
    Adv().RemoveAchievement(2);
    Adv().RemoveAchievement(1);
    EXPECT_EQ(Figures(), "0 1 6 ");
}

TEST_F(AchievementsTest, OfferedBenefitsFollowTheColumnLevelAndSources) {
    EXPECT_TRUE(Table("AvailableBenefits").empty()); // no profession
    ChooseProfession("Combat Spec");
    EXPECT_EQ(Table("AvailableBenefits"), (TableView{{"2", "Grit"}}));
    Adv().AddPoints("6", "Level two");
    EXPECT_EQ(Table("AvailableBenefits"), (TableView{{"4", "Brawn"}, {"2", "Grit"}}));
    prompter.confirmAnswers = {false};
    ClickSource("Outer Reaches");
    EXPECT_EQ(Table("AvailableBenefits").back(), (TableRow{"1", "Far Trick"}));
    ChooseProfession("Diplomat (Combat Spec)"); // D wins
    EXPECT_EQ(Table("AvailableBenefits"), (TableView{{"1", "Dip Only"}}));
}

TEST_F(AchievementsTest, ABoughtBenefitMovesNoBaseAcrossSaveOpenAndRemoval) {
    ChooseProfession("Combat Spec"); // STR at least 11
    Adv().AddPoints("6", "Level two");
    const std::string base = Label("STR.Base");
    const int used = builder->Hero().SkillPointBudget.PointsUsed;
    EXPECT_EQ(Adv().BuyBenefit(1), 1); // Brawn: STR 2 (DEX ignored)
    EXPECT_EQ(Labels("STR.Total STR.Base DEX.Total"), "13 " + base + " 10");
    EXPECT_EQ(builder->Hero().SkillPointBudget.PointsUsed, used + 4);
    EXPECT_EQ(Label("BenefitsPurchased"), "4");
    EXPECT_EQ(Adv().BuyBenefit(2), 2); // Grit: durability, actions and action check
    EXPECT_EQ(Label("Stun"), "12");

    const std::string text = Files().HeroFileText();
    EXPECT_NE(
        text.find(
            "<Achievements>\r\n  <Achievement Points=\"6\" Description=\"Level two\" />\r\n"
            "  <Benefit Cost=\"4\" Name=\"Brawn\" />\r\n  <Benefit Cost=\"2\" Name=\"Grit\" />\r\n"
            "</Achievements>\r\n"),
        std::string::npos);
    Files().LoadHeroText(text, "brawn.xml");
    EXPECT_EQ(Labels("STR.Total STR.Base"), "13 " + base);
    EXPECT_EQ(Files().HeroFileText(), text);
    std::string unknown = text;
    unknown.replace(unknown.find("Name=\"Grit\""), 11, "Name=\"Nope\"");
    Files().LoadHeroText(unknown, "nope.xml");
    EXPECT_EQ(Files().ImportErrors().back(),
              "Benefit not bought: Nope is not in the catalogue, or its attribute is at its "
              "maximum");
    Files().LoadHeroText(text, "brawn.xml");

    Adv().RemoveBenefit(1);
    EXPECT_EQ(Labels("STR.Total STR.Base"), "11 " + base);
    EXPECT_EQ(Table("Benefits"), (TableView{{"2", "Grit"}}));
    Adv().RemoveBenefit(1); // the last row
    EXPECT_TRUE(Table("Benefits").empty());
    Adv().RemoveBenefit(0);
    EXPECT_EQ(prompter.Texts(Kind::Error).back(), "Select a benefit to remove.");
}

TEST_F(AchievementsTest, RacialMaximumRefusesWithoutAChange) {
    ChooseProfession("Combat Spec");
    Adv().AddPoints("6", "Level two");
    builder->Attributes().SetScore(attSTR, 14); // the maximum
    EXPECT_EQ(Adv().BuyBenefit(1), 0);
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"STR already at racial max!"});
    EXPECT_TRUE(Table("Benefits").empty());
    EXPECT_EQ(Label("STR.Total"), "14");
    Adv().BuyBenefit(9);
    EXPECT_EQ(prompter.Texts(Kind::Error).back(), "No benefits to add");
}

} // namespace
