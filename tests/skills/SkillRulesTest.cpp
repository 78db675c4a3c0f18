// Skill rules that follow from the rest of the hero: the Score column after each attribute
// change, the one-point discount of every built-in profession's letters, the lowest rank of a
// specialty, and what the Cyberskill box and the primitive penalty choice cost.

#include "SkillsFixture.h"

namespace skills_test {
namespace {

// Terran is plain; Chromeborn has the Cyberskill free; Skywing offers the primitive choice.
const char* kRulesSpecies = R"(<SpeciesList>
  <SPECIES><Name>Terran</Name><Source>Core</Source></SPECIES>
  <SPECIES CYBERSKILL="True"><Name>Chromeborn</Name><Source>Core</Source></SPECIES>
  <SPECIES PRIMITIVE="True"><Name>Skywing</Name><Source>Core</Source></SPECIES>
</SpeciesList>)";

// One broad skill and one specialty on each attribute, STR..PER; each specialty carries one
// profession letter (Endurance none), and every specialty has the price 3.
const char* kRulesSkills = R"(<Skills>
  <SKILL NAME="Athletics" BROADSKILL="Athletics" SOURCE="Core" ATTRIB="1" BASEPRICE="4" />
  <SKILL NAME="Climb" BROADSKILL="Athletics" SOURCE="Core" ATTRIB="1" BASEPRICE="3" PROFESSIONS="C" />
  <SKILL NAME="Stealth" BROADSKILL="Stealth" SOURCE="Core" ATTRIB="2" BASEPRICE="4" />
  <SKILL NAME="Sneak" BROADSKILL="Stealth" SOURCE="Core" ATTRIB="2" BASEPRICE="3" PROFESSIONS="F" />
  <SKILL NAME="Stamina" BROADSKILL="Stamina" SOURCE="Core" ATTRIB="3" BASEPRICE="4" />
  <SKILL NAME="Endurance" BROADSKILL="Stamina" SOURCE="Core" ATTRIB="3" BASEPRICE="3" />
  <SKILL NAME="Technics" BROADSKILL="Technics" SOURCE="Core" ATTRIB="4" BASEPRICE="4" />
  <SKILL NAME="Repair" BROADSKILL="Technics" SOURCE="Core" ATTRIB="4" BASEPRICE="3" PROFESSIONS="T" />
  <SKILL NAME="Resolve" BROADSKILL="Resolve" SOURCE="Core" ATTRIB="5" BASEPRICE="4" />
  <SKILL NAME="Focus" BROADSKILL="Resolve" SOURCE="Core" ATTRIB="5" BASEPRICE="3" PROFESSIONS="M" />
  <SKILL NAME="Awareness" BROADSKILL="Awareness" SOURCE="Core" ATTRIB="6" BASEPRICE="4" />
  <SKILL NAME="Search" BROADSKILL="Awareness" SOURCE="Core" ATTRIB="6" BASEPRICE="3" PROFESSIONS="D" />
</Skills>)";

// The broad skill and the specialty on each attribute, STR..PER.
const std::pair<const char*, const char*> kSkillOf[] = {
    {"Athletics", "Climb"}, {"Stealth", "Sneak"}, {"Stamina", "Endurance"},
    {"Technics", "Repair"}, {"Resolve", "Focus"}, {"Awareness", "Search"}};

class SkillRules : public SkillsTest {
protected:
    void SetUp() override {
        WriteData("<Configuration />", kRulesSpecies, kRulesSkills, kRuleSets);
        Start();
        prompter.Clear();
    }
    std::string Score(const std::string& key) const { return Row(key).at(3); }
    // The per-rank price of each specialty on offer, as the tree shows it: "Climb [3] ...".
    std::string SpecialtyPrices() const {
        std::string prices;
        for (const TableRow& node : builder->Views().TableNamed("SkillTree"))
            if (node.at(0) == "1") prices += (prices.empty() ? "" : " ") + node.at(1);
        return prices;
    }
};

TEST_F(SkillRules, EveryAttributeChangeRepaintsTheScoresOfItsSkills) {
    for (const auto& [broad, specialty] : kSkillOf)
        Buy(specialty);
    ASSERT_EQ(Names().size(), 12u);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        const auto& [broad, specialty] = kSkillOf[attribute];
        SCOPED_TRACE(kAttributeNames[static_cast<std::size_t>(attribute)]);
        builder->Attributes().SetScore(attribute, 13);
        EXPECT_EQ(Score(broad), "13/6/3");
        EXPECT_EQ(Score(specialty), "14/7/3"); // the score plus its rank
        // The skills of the next attribute are not touched yet.
        if (attribute + 1 < kAttributeCount) {
            EXPECT_EQ(Score(kSkillOf[attribute + 1].first), "10/5/2");
        }
    }
}

TEST_F(SkillRules, EachBuiltInProfessionTakesOnePointOffTheSkillsOfItsLetters) {
    const std::pair<const char*, const char*> professions[] = {
        {"Combat Spec", "Climb [2] Sneak [3] Endurance [3] Repair [3] Focus [3] Search [3]"},
        {"Diplomat (Combat Spec)",
         "Climb [2] Sneak [3] Endurance [3] Repair [3] Focus [3] Search [2]"},
        {"Diplomat (Free Agent)",
         "Climb [3] Sneak [2] Endurance [3] Repair [3] Focus [3] Search [2]"},
        {"Diplomat (Tech Op)", "Climb [3] Sneak [3] Endurance [3] Repair [2] Focus [3] Search [2]"},
        {"Free Agent", "Climb [3] Sneak [2] Endurance [3] Repair [3] Focus [3] Search [3]"},
        {"Tech Op", "Climb [3] Sneak [3] Endurance [3] Repair [2] Focus [3] Search [3]"},
        {"Mindwalker", "Climb [3] Sneak [3] Endurance [3] Repair [3] Focus [2] Search [3]"},
    };
    EXPECT_EQ(SpecialtyPrices(),
              "Climb [3] Sneak [3] Endurance [3] Repair [3] Focus [3] Search [3]");
    for (const auto& [profession, prices] : professions) {
        ChooseProfession(profession);
        EXPECT_EQ(SpecialtyPrices(), prices) << profession;
    }
    // The bought skill costs the discounted price.
    Buy("Focus");
    EXPECT_EQ(Cost("Focus"), "2");
}

TEST_F(SkillRules, LoweringASpecialtyAtRankOneKeepsRankOne) {
    Buy("Climb");
    Lower("Climb");
    EXPECT_EQ(Row("Climb"), (TableRow{"  Climb", "  1", "STR", "11/5/2", "+d0", "3"}));
    Raise("Climb");
    Lower("Climb");
    Lower("Climb");
    EXPECT_EQ(Rank("Climb") + " " + Cost("Climb"), "  1 3");
    EXPECT_EQ(Label("SkillPoints"), "38  [7 used of 45]");
}

TEST_F(SkillRules, CyberskillCostsTenPointsUnlessTheSpeciesGrantsIt) {
    ChooseSpecies("Terran");
    builder->SetCyberSkill(true);
    EXPECT_EQ(Label("SkillPoints"), "35  [10 used of 45]");
    builder->SetCyberSkill(false);
    EXPECT_EQ(Label("SkillPoints"), "45  [0 used of 45]");

    ChooseSpecies("Chromeborn");
    EXPECT_TRUE(builder->Hero().CyberSkill);
    EXPECT_EQ(Budget().PointsUsed, 0);
    builder->SetCyberSkill(true); // as a hero file ticks it
    EXPECT_EQ(Label("SkillPoints"), "45  [0 used of 45]");
    builder->SetCyberSkill(false); // cannot be unticked
    EXPECT_TRUE(builder->Hero().CyberSkill);
    EXPECT_EQ(Budget().PointsUsed, 0);
}

TEST_F(SkillRules, TickingThePrimitiveReductionCostsFourPointsAndIsAChange) {
    ChooseSpecies("Skywing");
    builder->Document().SetChanged(false);
    builder->SetPrimitive(true);
    EXPECT_TRUE(builder->Changed());
    EXPECT_EQ(Label("SkillPoints"), "41  [4 used of 45]");

    builder->Document().SetChanged(false);
    builder->SetPrimitive(false);
    EXPECT_TRUE(builder->Changed());
    EXPECT_EQ(Budget().PointsUsed, 0);
}

} // namespace
} // namespace skills_test
