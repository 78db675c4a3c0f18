// Perks and flaws: the two lists, their totals in the budget, the wealth markers, custom
// entries, and what a reload and a hero file do with the ticks.

#include "skills/PerksAndFlaws.h"

#include "SkillsFixture.h"

namespace {

using skills_test::SkillsTest;

const char* kPerksFlaws = R"(<PerksNFlaws>
  <PERK NAME="Iron Will" SOURCE="Core" COST="3"/>
  <PERK NAME="Old Money, Filthy Rich" SOURCE="Core" COST="2"/>
  <perk name="Star Charts" source="Outer Reaches" cost="4"/>
  <PERK NAME="Odd Luck" SOURCE="Core" COST="lots"/>
  <PERK NAME="Vast Estate" SOURCE="Core" COST="100"/>
  <FLAW NAME="Bad Back" SOURCE="Core" COST="2"/>
  <FLAW NAME="Dirt Poor" SOURCE="Core" COST="3"/>
  <FLAW NAME="Curse" SOURCE="Core" COST="-10"/>
  <GADGET NAME="Not an entry" SOURCE="Core" COST="1"/>
</PerksNFlaws>)";

class PerksFlawsTest : public SkillsTest {
protected:
    void SetUp() override {
        app.Write("Data/perksnflaws.xml", kPerksFlaws);
        SkillsTest::SetUp();
    }
    PerksAndFlaws& PF() { return builder->PerksFlaws(); }
    const TableView& List(const char* name) const { return builder->Views().TableNamed(name); }
    int Item(const char* list, const std::string& text) const {
        const TableView& rows = List(list);
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].at(1) == text) return static_cast<int>(i);
        ADD_FAILURE() << text << " is not listed";
        return -1;
    }
    std::string Totals() const { return Labels("PerksCost FlawBenefit NetAdjustment"); }
};

TEST_F(PerksFlawsTest, ListsShowOfferedEntriesByRecordedCost) {
    EXPECT_EQ(List("Perks"), (TableView{{"", "3 - Iron Will"},
                                        {"", "2 - Old Money, Filthy Rich"},
                                        {"", "0 - Odd Luck"},
                                        {"", "100 - Vast Estate"}}));
    EXPECT_EQ(List("Flaws"),
              (TableView{{"", "2 - Bad Back"}, {"", "3 - Dirt Poor"}, {"", "-10 - Curse"}}));
    // Costs are the entries' own, not read back from the item text.
    PF().TogglePerk(Item("Perks", "100 - Vast Estate"));
    PF().ToggleFlaw(Item("Flaws", "-10 - Curse"));
    EXPECT_EQ(Totals(), "-100 -10 -110");
}

TEST_F(PerksFlawsTest, TicksMoveTheTotalsAndTheBudget) {
    const int used = Budget().PointsUsed;
    PF().TogglePerk(Item("Perks", "3 - Iron Will"));
    PF().ToggleFlaw(Item("Flaws", "2 - Bad Back"));
    EXPECT_EQ(Totals(), "-3 2 -1");
    EXPECT_TRUE(builder->Views().LabelNamed("NetAdjustment").red);
    EXPECT_EQ(Budget().PointsUsed, used + 1);
    EXPECT_TRUE(builder->Changed());
    EXPECT_EQ(List("Perks")[0][0], "X");

    // Only flaws: a positive adjustment, not red, and fewer points used.
    PF().TogglePerk(Item("Perks", "3 - Iron Will"));
    PF().ToggleFlaw(Item("Flaws", "3 - Dirt Poor"));
    EXPECT_EQ(Totals(), "0 5 5");
    EXPECT_FALSE(builder->Views().LabelNamed("NetAdjustment").red);
    EXPECT_EQ(Budget().PointsUsed, used - 5);
}

TEST_F(PerksFlawsTest, WealthMarkersFollowTheTickedNames) {
    PF().TogglePerk(Item("Perks", "2 - Old Money, Filthy Rich"));
    PF().ToggleFlaw(Item("Flaws", "3 - Dirt Poor"));
    EXPECT_TRUE(builder->Hero().FilthyRich);
    EXPECT_TRUE(builder->Hero().DirtPoor);
    PF().TogglePerk(Item("Perks", "2 - Old Money, Filthy Rich"));
    EXPECT_FALSE(builder->Hero().FilthyRich);
    ClickNew();
    EXPECT_FALSE(builder->Hero().DirtPoor);
    EXPECT_EQ(Totals(), "0 0 0");
}

TEST_F(PerksFlawsTest, PerkOfAnInactiveSourceIsKeptButCountsOnlyWhenItsSourceIsActive) {
    PF().AddPerk("Star Charts");
    PF().AddPerk("No Such Perk");
    EXPECT_EQ(Totals(), "0 0 0");
    EXPECT_EQ(List("Perks").size(), 4u);
    // The hero keeps it: it is written and read back.
    const std::string text = Files().HeroFileText();
    EXPECT_NE(text.find("<Perk cost=\"4\" Name=\"Star Charts\">Star Charts</Perk>\r\n"),
              std::string::npos);

    prompter.confirmAnswers = {false};
    ClickSource("Outer Reaches");
    EXPECT_EQ(List("Perks")[2], (TableRow{"X", "4 - Star Charts"}));
    EXPECT_EQ(Totals(), "-4 0 -4");
    prompter.confirmAnswers = {false};
    ClickSource("Outer Reaches");
    EXPECT_EQ(Totals(), "0 0 0");
    Files().LoadHeroText(text, "kept.xml");
    prompter.confirmAnswers = {false};
    ClickSource("Outer Reaches");
    EXPECT_EQ(Totals(), "-4 0 -4");
}

TEST_F(PerksFlawsTest, CustomEntriesAreCheckedListedAndKeptInTheDefaults) {
    using Kind = ScriptedPrompter::Kind;
    EXPECT_FALSE(PF().AddCustomPerkFlaw(PerkOrFlaw::Perk, "two", "Lucky").added);
    EXPECT_FALSE(PF().AddCustomPerkFlaw(PerkOrFlaw::Perk, "2", "").added);
    const auto duplicate = PF().AddCustomPerkFlaw(PerkOrFlaw::Flaw, "2", "bad BACK");
    EXPECT_FALSE(duplicate.added);
    EXPECT_TRUE(duplicate.focusDescription);
    EXPECT_FALSE(PF().AddCustomPerkFlaw(PerkOrFlaw::Perk, "2", "IRON WILL").added);
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (Strings{"Cost must be numeric", "You must provide a description",
                       "A flaw with that name already exists",
                       "A perk with that name already exists"}));
    EXPECT_EQ(app.Read("defaults.xml"), kCoreOnlyDefaults);

    EXPECT_TRUE(PF().AddCustomPerkFlaw(PerkOrFlaw::Flaw, "4", "Stubborn").added);
    EXPECT_EQ(prompter.Texts(Kind::Plain), Strings{"Check for duplication"});
    EXPECT_TRUE(PF().AddCustomPerkFlaw(PerkOrFlaw::Perk, "5", "Lucky").added);
    EXPECT_EQ(List("Perks").back(), (TableRow{"", "5 - Lucky"}));
    EXPECT_EQ(List("Flaws").back(), (TableRow{"", "4 - Stubborn"}));
    EXPECT_NE(app.Read("defaults.xml").find("Lucky"), std::string::npos);
    EXPECT_FALSE(PF().AddCustomPerkFlaw(PerkOrFlaw::Perk, "1", "lucky").added);

    // Ticked, saved and read by the next run of the program from the defaults file.
    PF().AddPerk("Lucky");
    EXPECT_EQ(Totals(), "-5 0 -5");
    const std::string text = Files().HeroFileText();
    Start();
    EXPECT_EQ(List("Perks").back(), (TableRow{"", "5 - Lucky"}));
    Files().LoadHeroText(text, "lucky.xml");
    EXPECT_EQ(List("Perks").back(), (TableRow{"X", "5 - Lucky"}));
    EXPECT_EQ(Files().HeroFileText(), text);
}

} // namespace
