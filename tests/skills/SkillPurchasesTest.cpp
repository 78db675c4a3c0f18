// Buying, ranking and removing skills through the builder, checked against the skill table,
// the tree of skills on offer and the debug log.

#include "SkillsFixture.h"

#include <algorithm>

namespace skills_test {
namespace {

using Purchases = SkillsTest;

// --- the catalogue ---------------------------------------------------------------------------

// Any empty-element tag is an entry; a skill written with an end tag is not.
const char* kOddCatalogue = R"(<?xml version="1.0"?>
<Catalogue>
  <Blank/>
  <SKILL NAME="Tinker" BROADSKILL="Tinker" SOURCE="Core" ATTRIB="two" BASEPRICE="cheap" UNTRAINED="true" MULTI="yes" COMBATSPEC="1" />
  <gadget name="Wrench" broadskill="Tinker" source="Core" attrib="3" professions="dc" untrained="TRUE" />
  <SKILL NAME="Hidden" BROADSKILL="Hidden" SOURCE="Core" ATTRIB="1" BASEPRICE="2"></SKILL>
  <SKILL NAME="Gauge" BROADSKILL="Tinker" SOURCE="Core" ATTRIB="7" BASEPRICE="2" COMBATSPEC="maybe" />
</Catalogue>)";

class OddCatalogue : public SkillsTest {
protected:
    OddCatalogue() { skillsXml = kOddCatalogue; }
};

TEST_F(OddCatalogue, EveryEmptyTagIsAnEntryWithTheReadersFallbacks) {
    const auto& catalogue = Skills().Catalogue();
    ASSERT_EQ(catalogue.size(), 4u);
    const TSkillItem& blank = catalogue[0];
    EXPECT_EQ(blank.Name, "");
    EXPECT_EQ(blank.Attrib, -1);
    EXPECT_EQ(blank.Cost, -1);

    const TSkillItem& tinker = catalogue[1];
    EXPECT_EQ(tinker.Name, "Tinker");
    EXPECT_EQ(tinker.Attrib, -2);
    EXPECT_EQ(tinker.Cost, 100);
    EXPECT_TRUE(tinker.Untrained);
    EXPECT_FALSE(tinker.Multi); // only "TRUE" in any letter case
    EXPECT_TRUE(tinker.CombatSpec);

    const TSkillItem& wrench = catalogue[2]; // attribute names in any letter case
    EXPECT_EQ(wrench.Name, "Wrench");
    EXPECT_EQ(wrench.BroadSkill, "Tinker");
    EXPECT_EQ(wrench.Attrib, 3);
    EXPECT_EQ(wrench.Cost, -1);
    EXPECT_TRUE(wrench.ProfD && wrench.ProfC);
    EXPECT_FALSE(wrench.ProfT || wrench.ProfF || wrench.ProfM);

    EXPECT_EQ(catalogue[3].Name, "Gauge");
    EXPECT_EQ(catalogue[3].Attrib, 7);
    EXPECT_FALSE(catalogue[3].CombatSpec);

    // The entry without a source is not offered; the missing price is discounted like any.
    EXPECT_EQ(builder->Views.Table("SkillTree"),
              (TableView{{"0", "Tinker [100]"}, {"1", "Wrench [-1]"}, {"1", "Gauge [2]"}}));
    ChooseProfession("Diplomat (Combat Spec)");
    EXPECT_EQ(builder->Views.Table("SkillTree")[1][1], "Wrench [-2]");
}

TEST_F(OddCatalogue, AnAttributeOutsideTheRangeLeavesBlankCellsAndComplains) {
    Buy("Gauge");
    EXPECT_EQ(Row("Tinker"), (TableRow{"Tinker", "", "", "", "", ""}));
    EXPECT_EQ(Row("Gauge"), (TableRow{"  Gauge", "  1", "", "", "", ""}));
    const auto errors = prompter.Texts(Kind::Error);
    EXPECT_NE(std::find(errors.begin(), errors.end(), "Tinker is not matched to a valid attribute"),
              errors.end());
    EXPECT_NE(std::find(errors.begin(), errors.end(), "Gauge is not matched to a valid attribute"),
              errors.end());
    // Blank costs are not spent; the broad skill still takes a place.
    EXPECT_EQ(Budget().PointsUsed, 0);
    EXPECT_EQ(Budget().BroadSkillsUsed, 1);
}

// --- prices ----------------------------------------------------------------------------------

TEST_F(Purchases, TreeFollowsBroadSkillRunsAndPricesForTheProfession) {
    EXPECT_EQ(builder->Views.Table("SkillTree"), (TableView{{"0", "Athletics [4]"},
                                                            {"1", "Climb [3]"},
                                                            {"1", "Swim [3]"},
                                                            {"0", "Firearms [4]"},
                                                            {"1", "Sidearm [3]"},
                                                            {"0", "Lore [3]"},
                                                            {"1", "Language [2]"},
                                                            {"0", "Meditate [5]"}}));

    auto price = [this](int node) { return builder->Views.Table("SkillTree")[node][1]; };
    ChooseProfession("Combat Spec"); // "C"
    EXPECT_EQ(price(1), "Climb [2]");
    EXPECT_EQ(price(2), "Swim [3]");
    EXPECT_EQ(price(4), "Sidearm [2]");
    EXPECT_EQ(price(0), "Athletics [4]");
    ChooseProfession("Diplomat (Tech Op)"); // "DT": Swim has both letters, one point off
    EXPECT_EQ(price(1), "Climb [3]");
    EXPECT_EQ(price(2), "Swim [2]");
    ChooseProfession("Diplomat (Combat Spec)"); // "DC"
    EXPECT_EQ(price(1), "Climb [2]");
    EXPECT_EQ(price(2), "Swim [2]");
}

TEST_F(Purchases, ProfessionChangeKeepsRanksAndRecomputesTotals) {
    Buy("Climb");
    Raise("Climb", 2);
    EXPECT_EQ(Cost("Climb"), "12");
    ChooseProfession("Combat Spec");
    EXPECT_EQ(Rank("Climb"), "  3");
    EXPECT_EQ(Cost("Climb"), "9"); // 2 + 3 + 4
    EXPECT_EQ(Cost("Athletics"), "4");
    ChooseProfession("Tech Op");
    EXPECT_EQ(Rank("Climb"), "  3");
    EXPECT_EQ(Cost("Climb"), "12");
}

// --- ranks -----------------------------------------------------------------------------------

TEST_F(Purchases, RankCostsUnderTheStandardRuleAndRule2C) {
    Buy("Climb");
    std::vector<std::string> costs{Cost("Climb")};
    for (int i = 0; i < 3; ++i) {
        Raise("Climb");
        costs.push_back(Cost("Climb"));
    }
    EXPECT_EQ(costs, (std::vector<std::string>{"3", "7", "12", "18"}));
    EXPECT_EQ(Rank("Climb"), "  4");
    Lower("Climb");
    EXPECT_EQ(Cost("Climb"), "12");

    ChooseRules("Advanced");
    Buy("Swim");
    costs = {Cost("Swim")};
    for (int i = 0; i < 3; ++i) {
        Raise("Swim");
        costs.push_back(Cost("Swim"));
    }
    EXPECT_EQ(costs, (std::vector<std::string>{"3", "6", "9", "12"}));
    // Every rank change recomputes with the rule now in force.
    Lower("Climb");
    EXPECT_EQ(Cost("Climb"), "6");
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
    Lower("Climb");
    EXPECT_EQ(Rank("Climb"), "  3");
    EXPECT_EQ(Cost("Climb"), "0");
}

TEST_F(Purchases, LoweringStopsAtRankOneAndTheButtonsNeedARow) {
    Buy("Climb");
    Lower("Climb");
    EXPECT_EQ(Rank("Climb"), "  1");
    EXPECT_EQ(Cost("Climb"), "3");
    prompter.textAnswers = {"Old Tongue"};
    Buy("Language");
    Lower("Language: Old Tongue");
    EXPECT_EQ(Rank("Language: Old Tongue"), "  1");
    EXPECT_EQ(Cost("Language: Old Tongue"), "2");

    const TableView before = Table();
    Skills().CmdSkillUpClick(0);
    Skills().CmdSkillDnClick(0);
    EXPECT_EQ(prompter.Texts(Kind::Plain),
              (std::vector<std::string>{"Please select a skill to raise",
                                        "Please select a skill to lower"}));
    EXPECT_EQ(Table(), before);
}

// --- buying and removing ---------------------------------------------------------------------

TEST_F(Purchases, SpecialtyBringsItsBroadSkillAndRemovalFollowsTheTree) {
    Buy("Climb");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Athletics", "  Climb"}));
    EXPECT_EQ(Label("Skills.SelectedRow"), "2");
    Buy("Swim");
    Remove("Athletics");
    EXPECT_EQ(Names(), std::vector<std::string>{});

    Buy("Climb");
    Buy("Climb"); // bought already: nothing changes
    EXPECT_EQ(Names(), (std::vector<std::string>{"Athletics", "  Climb"}));
    Remove("Climb");
    EXPECT_EQ(Names(), std::vector<std::string>{"Athletics"});
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(Purchases, MultiSkillInstancesEachHaveTheirOwnRankAndCost) {
    prompter.textAnswers = {"Old Tongue", "Trade Cant"};
    Buy("Language");
    Buy("Language");
    EXPECT_EQ(prompter.Texts(Kind::AskText),
              std::vector<std::string>(
                  2, "Skill Details|Provide details for this instance of: \rLanguage"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Lore", "  Language: Old Tongue",
                                                 "  Language: Trade Cant"}));
    Raise("Language: Trade Cant");
    EXPECT_EQ(Row("Language: Trade Cant"),
              (TableRow{"  Language: Trade Cant", "  2", "INT", "12/6/3", "+d0", "5"}));
    EXPECT_EQ(Rank("Language: Old Tongue"), "  1");
    EXPECT_EQ(Cost("Language: Old Tongue"), "2");
    EXPECT_EQ(Budget().PointsUsed, 3 + 2 + 5); // the offered entry itself costs nothing

    // Removing one instance leaves the other.
    Remove("Language: Old Tongue");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Lore", "  Language: Trade Cant"}));

    // Cancelling is silent; an empty detail is refused. Neither adds a row.
    prompter.Clear();
    const TableView before = Table();
    prompter.textAnswers = {std::nullopt, std::string()};
    Buy("Language");
    EXPECT_EQ(Table(), before);
    EXPECT_TRUE(prompter.Texts(Kind::Error).empty());
    Buy("Language");
    EXPECT_EQ(Table(), before);
    EXPECT_EQ(prompter.Texts(Kind::Error), std::vector<std::string>{"Detail cannot be null"});
}

TEST_F(Purchases, TableRowsShowScoresDiceAndTheWeaponSpecialization) {
    builder->Attributes.SetScore(attSTR, 11);
    Buy("Climb");
    Raise("Climb");
    Buy("Meditate");
    EXPECT_EQ(Table()[0], (TableRow{"Skills", "Rank", "Att", "Score", "Die", "Cost"}));
    EXPECT_EQ(Row("Athletics"), (TableRow{"Athletics", "", "STR", "11/5/2", "+d4", "4"}));
    EXPECT_EQ(Row("Climb"), (TableRow{"  Climb", "  2", "STR", "13/6/3", "+d0", "7"}));
    EXPECT_EQ(Row("Meditate"), (TableRow{"Meditate", "", "-", "N/A", "+d4", "5"}));

    ChooseProfession("Combat Spec");
    const ChoiceView& special = builder->Views.Choice("Specialization");
    ASSERT_EQ(special.items, std::vector<std::string>{"Sidearm"});
    builder->Professions.CmbSpecialChange(0);
    Buy("Sidearm");
    EXPECT_EQ(Row("Sidearm"), (TableRow{"  Sidearm", "  1", "DEX", "11/5/2", "-d4", "2"}));
    EXPECT_EQ(Row("Climb")[4], "+d0");
}

TEST_F(Purchases, AddSkillTracesItsWorkAndBuysOnlyWhatItNames) {
    ChooseProfession("Combat Spec"); // Sidearm at 2
    builder->logs.DebugLog(-2, "");
    EXPECT_TRUE(Skills().AddSkill("Sidearm", "", 2));
    EXPECT_EQ(app.Read("debug.log"), "?AddSkill\"Sidearm:\"\n"
                                     " *AddSkill: Not a multiple\n"
                                     " *AddSkill: Rank=1\n"
                                     "*IncreaseRank(Sidearm:)\n"
                                     "*IncreaseRank Rank=2 Cost=2\n"
                                     "*IncreaseRank ExtCost=5\n"
                                     " *AddSkill: Cost=5\n"
                                     "+AddSkill\"Sidearm:\"\n");
    // The broad skill is not bought along.
    EXPECT_EQ(Names(), std::vector<std::string>{"  Sidearm"});
    EXPECT_EQ(Cost("Sidearm"), "5");

    builder->logs.DebugLog(-2, "");
    EXPECT_TRUE(Skills().AddSkill("Firearms", "", 1));
    EXPECT_EQ(app.Read("debug.log"), "?AddSkill\"Firearms:\"\n"
                                     " *AddSkill: Not a multiple\n"
                                     " *AddSkill: Rank=0\n"
                                     " *AddSkill: Cost=4\n"
                                     "+AddSkill\"Firearms:\"\n");

    builder->logs.DebugLog(-2, "");
    const TableView before = Table();
    EXPECT_FALSE(Skills().AddSkill("Warp Theory", "", 1));
    EXPECT_EQ(app.Read("debug.log"), "?AddSkill\"Warp Theory:\"\n-AddSkill\"Warp Theory:\"\n");
    EXPECT_EQ(Table(), before);

    // A skill bought several times needs its detail.
    EXPECT_FALSE(Skills().AddSkill("Language", "", 1));
    EXPECT_EQ(Table(), before);
    EXPECT_TRUE(Skills().AddSkill("Language", "Old Tongue", 3));
    EXPECT_EQ(Rank("Language: Old Tongue"), "  3");
    EXPECT_EQ(Cost("Language: Old Tongue"), "9");
}

// --- reloads and species changes -------------------------------------------------------------

TEST_F(Purchases, SourceTogglesKeepSkillsByNameAndDropThoseWhoseSourceWentAway) {
    Buy("Climb");
    Raise("Climb", 2);
    prompter.textAnswers = {"Old Tongue", "Trade Cant", "Skiff"};
    Buy("Language");
    Buy("Language");
    Raise("Language: Old Tongue");
    const TableView coreOnly = Table();

    ToggleSource("Outer Reaches"); // answered No to "Make this the default?"
    EXPECT_EQ(Table(), coreOnly);
    Buy("Helm");
    Raise("Helm");
    Buy("Pilot");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Athletics", "  Climb", "Lore",
                                                 "  Language: Old Tongue", "  Language: Trade Cant",
                                                 "Starcraft", "  Helm", "  Pilot: Skiff"}));
    EXPECT_EQ(Cost("Helm"), "7");

    ToggleSource("Outer Reaches");
    EXPECT_EQ(Table(), coreOnly);
    EXPECT_EQ(builder->Hero.SkillInstances.size(), 2u);
    ToggleSource("Outer Reaches");
    EXPECT_EQ(Table(), coreOnly); // the dropped skills do not come back
}

TEST_F(Purchases, SpeciesChangeAsksToClearOnlyWhenTheTableListsTwoSkills) {
    // One row left: a broad skill whose only instance was removed.
    prompter.textAnswers = {"Old Tongue"};
    Buy("Language");
    Remove("Language: Old Tongue");
    ASSERT_EQ(Names(), std::vector<std::string>{"Lore"});
    prompter.Clear();
    ChooseSpecies("Terran");
    EXPECT_TRUE(prompter.Texts(Kind::Confirm).empty());

    Buy("Climb");
    prompter.Clear();
    prompter.confirmAnswers = {true};
    ChooseSpecies("Quill");
    EXPECT_EQ(prompter.Texts(Kind::Confirm),
              std::vector<std::string>{
                  "Clear skill list?\r\"No\" means keep all skills and recalculate costs"});
    EXPECT_EQ(Names(), std::vector<std::string>{"  Climb"}); // only the free skill
}

} // namespace
} // namespace skills_test
