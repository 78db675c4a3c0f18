// Buying, ranking and removing skills through the builder, checked against the skill table,
// the tree of skills on offer and the debug log.

#include "SkillsFixture.h"

#include <algorithm>

namespace skills_test {
namespace {

using Purchases = SkillsTest;

// Any empty-element tag is an entry; a skill written with an end tag is not.
const char* kOddCatalogue = R"(<Catalogue>
  <Blank/>
  <SKILL NAME="Tinker" BROADSKILL="Tinker" SOURCE="Core" ATTRIB="two" BASEPRICE="cheap" MULTI="yes" />
  <gadget name="Wrench" broadskill="Tinker" source="Core" attrib="3" professions="dc" untrained="TRUE" />
  <SKILL NAME="Hidden" BROADSKILL="Hidden" SOURCE="Core" ATTRIB="1" BASEPRICE="2"></SKILL>
  <SKILL NAME="Gauge" BROADSKILL="Tinker" SOURCE="Core" ATTRIB="7" BASEPRICE="2" />
</Catalogue>)";

class OddCatalogue : public SkillsTest {
protected:
    OddCatalogue() { skillsXml = kOddCatalogue; }
};

TEST_F(OddCatalogue, EveryEmptyTagIsAnEntryWithTheReadersFallbacks) {
    const auto& catalogue = Skills().Catalogue();
    ASSERT_EQ(catalogue.size(), 4u);
    EXPECT_EQ(std::tie(catalogue[0].Name, catalogue[0].Attrib, catalogue[0].Cost),
              std::make_tuple(std::string(), -1, -1));
    EXPECT_EQ(std::tie(catalogue[1].Attrib, catalogue[1].Cost, catalogue[1].Multi),
              std::make_tuple(-2, 100, false));
    const TSkillItem& wrench = catalogue[2]; // attribute names in any letter case
    EXPECT_EQ(std::tie(wrench.BroadSkill, wrench.Attrib, wrench.Untrained),
              std::make_tuple(std::string("Tinker"), 3, true));
    EXPECT_TRUE(wrench.ProfD && wrench.ProfC && !wrench.ProfT);

    // The entry without a source is not offered; the missing price is discounted like any.
    EXPECT_EQ(builder->Views().TableNamed("SkillTree"),
              (TableView{{"0", "Tinker [100]"}, {"1", "Wrench [-1]"}, {"1", "Gauge [2]"}}));
    ChooseProfession("Diplomat (Combat Spec)");
    EXPECT_EQ(builder->Views().TableNamed("SkillTree")[1][1], "Wrench [-2]");

    // An attribute outside 0..6 leaves blank cells and is reported; blank costs are not spent.
    Buy("Gauge");
    EXPECT_EQ(Row("Tinker"), (TableRow{"Tinker", "", "", "", "", ""}));
    EXPECT_EQ(Row("Gauge"), (TableRow{"  Gauge", "  1", "", "", "", ""}));
    const auto errors = prompter.Texts(Kind::Error);
    EXPECT_NE(std::find(errors.begin(), errors.end(), "Gauge is not matched to a valid attribute"),
              errors.end());
    EXPECT_EQ(Budget().PointsUsed, 0);
    EXPECT_EQ(Budget().BroadSkillsUsed, 1);
}

TEST_F(Purchases, TreeFollowsBroadSkillRunsAndPricesForTheProfession) {
    EXPECT_EQ(builder->Views().TableNamed("SkillTree"), (TableView{{"0", "Athletics [4]"},
                                                                   {"1", "Climb [3]"},
                                                                   {"1", "Swim [3]"},
                                                                   {"0", "Firearms [4]"},
                                                                   {"1", "Sidearm [3]"},
                                                                   {"0", "Lore [3]"},
                                                                   {"1", "Language [2]"},
                                                                   {"0", "Meditate [5]"}}));
    auto prices = [this] {
        const TableView& tree = builder->Views().TableNamed("SkillTree");
        return tree[0][1] + " " + tree[1][1] + " " + tree[2][1];
    };
    ChooseProfession("Combat Spec"); // "C"
    EXPECT_EQ(prices(), "Athletics [4] Climb [2] Swim [3]");
    ChooseProfession("Diplomat (Tech Op)"); // "DT": Swim has both letters, one point off
    EXPECT_EQ(prices(), "Athletics [4] Climb [3] Swim [2]");
}

TEST_F(Purchases, ProfessionChangeKeepsRanksAndRecomputesCosts) {
    Buy("Climb");
    Raise("Climb", 2);
    EXPECT_EQ(Cost("Climb"), "12");
    ChooseProfession("Combat Spec");
    EXPECT_EQ(Rank("Climb"), "  3");
    EXPECT_EQ(Cost("Climb"), "9"); // 2 + 3 + 4
    ChooseProfession("Tech Op");
    EXPECT_EQ(Cost("Climb"), "12");
}

TEST_F(Purchases, RankCostsUnderTheStandardRuleAndRule2C) {
    auto costs = [this](const std::string& name) {
        Buy(name);
        Strings costs{Cost(name)};
        for (int i = 0; i < 3; ++i) {
            Raise(name);
            costs.push_back(Cost(name));
        }
        return costs;
    };
    EXPECT_EQ(costs("Climb"), (Strings{"3", "7", "12", "18"}));
    const TableView fourRanks = Table();
    Skills().RaiseRowRank(0); // no row selected
    Skills().LowerRowRank(0);
    EXPECT_EQ(prompter.Texts(Kind::Plain),
              (Strings{"Please select a skill to raise", "Please select a skill to lower"}));
    EXPECT_EQ(Table(), fourRanks);
    ChooseRules("Advanced");
    EXPECT_EQ(costs("Swim"), (Strings{"3", "6", "9", "12"}));
    // Every rank change recomputes with the rule now in force.
    Lower("Climb"); // rank 3
    EXPECT_EQ(Cost("Climb"), "9");
}

TEST_F(Purchases, FreeSpecialtyCostsOnlyItsExtraRanks) {
    ChooseSpecies("Quill");
    EXPECT_EQ(Row("Climb"), (TableRow{"  Climb", "  1", "STR", "11/5/2", "+d0", "0"}));
    Raise("Climb");
    EXPECT_EQ(Cost("Climb"), "1");
    Raise("Climb");
    EXPECT_EQ(Cost("Climb"), "3");
    ChooseRules("Advanced");
    Raise("Climb");
    EXPECT_EQ(Cost("Climb"), "0");
}

TEST_F(Purchases, SpecialtyBringsItsBroadSkillAndRemovalFollowsTheTree) {
    EXPECT_EQ(Buy("Climb"), 2); // the row selected
    EXPECT_EQ(Names(), (Strings{"Athletics", "  Climb"}));
    Buy("Swim");
    Remove("Athletics");
    EXPECT_EQ(Names(), Strings{});

    Buy("Climb");
    Buy("Climb"); // bought already: nothing changes
    Remove("Climb");
    EXPECT_EQ(Names(), Strings{"Athletics"});
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(Purchases, MultiSkillInstancesEachHaveTheirOwnRankAndCost) {
    prompter.textAnswers = {"Old Tongue", "Trade Cant"};
    Buy("Language");
    Buy("Language");
    EXPECT_EQ(prompter.Texts(Kind::AskText),
              Strings(2, "Skill Details|Provide details for this instance of: \rLanguage"));
    Raise("Language: Trade Cant");
    EXPECT_EQ(Table(), (TableView{{"Skills", "Rank", "Att", "Score", "Die", "Cost"},
                                  {"Lore", "", "INT", "10/5/2", "+d4", "3"},
                                  {"  Language: Old Tongue", "  1", "INT", "11/5/2", "+d0", "2"},
                                  {"  Language: Trade Cant", "  2", "INT", "12/6/3", "+d0", "5"}}));
    Lower("Language: Old Tongue"); // rank 1 goes no lower
    EXPECT_EQ(Rank("Language: Old Tongue"), "  1");
    Remove("Language: Old Tongue");
    EXPECT_EQ(Names(), (Strings{"Lore", "  Language: Trade Cant"}));

    // Cancelling is silent; an empty detail is refused. Neither adds a row.
    const TableView before = Table();
    prompter.textAnswers = {std::nullopt, std::string()};
    Buy("Language");
    Buy("Language");
    EXPECT_EQ(Table(), before);
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"Detail cannot be null"});
}

TEST_F(Purchases, RowsWithoutAnAttributeAndOfTheWeaponSpecialization) {
    Buy("Meditate");
    EXPECT_EQ(Row("Meditate"), (TableRow{"Meditate", "", "-", "N/A", "+d4", "5"}));

    ChooseProfession("Combat Spec");
    ASSERT_EQ(builder->Views().ChoiceNamed("Specialization").items, Strings{"Sidearm"});
    builder->ChooseSpecialization(0);
    Buy("Sidearm");
    EXPECT_EQ(Row("Sidearm"), (TableRow{"  Sidearm", "  1", "DEX", "11/5/2", "-d4", "2"}));
}

TEST_F(Purchases, AddSkillTracesItsWorkAndBuysOnlyWhatItNames) {
    ChooseProfession("Combat Spec"); // Sidearm at 2
    builder->Document().logs.DebugLog(-2, "");
    EXPECT_TRUE(Skills().AddSkill("Sidearm", "", 2));
    EXPECT_EQ(app.Read("debug.log"), "?AddSkill\"Sidearm:\"\n"
                                     " *AddSkill: Not a multiple\n"
                                     " *AddSkill: Rank=2\n" // set at once
                                     " *AddSkill: Cost=5\n"
                                     "+AddSkill\"Sidearm:\"\n");
    EXPECT_EQ(Names(), Strings{"  Sidearm"}); // the broad skill is not bought along

    builder->Document().logs.DebugLog(-2, "");
    const TableView before = Table();
    EXPECT_FALSE(Skills().AddSkill("Warp Theory", "", 1));
    EXPECT_EQ(app.Read("debug.log"), "?AddSkill\"Warp Theory:\"\n-AddSkill\"Warp Theory:\"\n");
    EXPECT_FALSE(Skills().AddSkill("Language", "", 1)); // needs its detail
    EXPECT_EQ(Table(), before);
    EXPECT_TRUE(Skills().AddSkill("Language", "Old Tongue", 3));
    EXPECT_EQ(Rank("Language: Old Tongue") + " " + Cost("Language: Old Tongue"), "  3 9");
}

TEST_F(Purchases, SourceTogglesKeepSkillsByNameAndDropThoseWhoseSourceWentAway) {
    Buy("Climb");
    Raise("Climb", 2);
    prompter.textAnswers = {"Old Tongue", "Trade Cant", "Skiff"};
    Buy("Language");
    Buy("Language");
    Raise("Language: Old Tongue");
    const TableView coreOnly = Table();

    ClickSource("Outer Reaches"); // answered No to "Make this the default?"
    EXPECT_EQ(Table(), coreOnly);
    Buy("Helm");
    Buy("Pilot");
    EXPECT_EQ(Names().size(), 8u);

    ClickSource("Outer Reaches");
    EXPECT_EQ(Table(), coreOnly);
    EXPECT_EQ(builder->Hero().SkillInstances.size(), 2u);
    ClickSource("Outer Reaches");
    EXPECT_EQ(Table(), coreOnly); // the dropped skills do not come back
}

TEST_F(Purchases, SpeciesChangeAsksToClearOnlyWhenTheTableListsTwoSkills) {
    // One row left: a broad skill whose only instance was removed.
    prompter.textAnswers = {"Old Tongue"};
    Buy("Language");
    Remove("Language: Old Tongue");
    ASSERT_EQ(Names(), Strings{"Lore"});
    ChooseSpecies("Terran");
    EXPECT_TRUE(prompter.Texts(Kind::Confirm).empty());

    Buy("Climb");
    prompter.confirmAnswers = {true};
    ChooseSpecies("Quill");
    EXPECT_EQ(prompter.Texts(Kind::Confirm),
              Strings{"Clear skill list?\r\"No\" means keep all skills and recalculate costs"});
    EXPECT_EQ(Names(), Strings{"  Climb"}); // only the free skill
}

} // namespace
} // namespace skills_test
