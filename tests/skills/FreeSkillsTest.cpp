// Free skills of the species: what a cash-out is worth and how long it lasts, what a skill
// costs once it stops being free, and what "Clear skill list?" clears. Every price must be
// the same whichever order species, profession and purchases came in, and survive a save and
// an open.

#include "SkillsFixture.h"

namespace skills_test {
namespace {

// Terran has no free skills; Vesk two broad skills; Quill one specialty; Drell a broad skill
// and one of its specialties.
const char* kFreeSpecies = R"(<SpeciesList>
  <SPECIES><Name>Terran</Name><Source>Core</Source></SPECIES>
  <SPECIES><Name>Vesk</Name><Source>Core</Source><FreeSkills COUNT="2" />
    <FreeSkill NAME="Athletics" /><FreeSkill NAME="Lore" /></SPECIES>
  <SPECIES><Name>Quill</Name><Source>Core</Source><FreeSkills COUNT="1" />
    <FreeSkill NAME="Climb" /></SPECIES>
  <SPECIES><Name>Drell</Name><Source>Core</Source><FreeSkills COUNT="2" />
    <FreeSkill NAME="Athletics" /><FreeSkill NAME="Climb" /></SPECIES>
</SpeciesList>)";

// Climb is one point cheaper for Combat Spec and Free Agent; Knots costs 1, nothing for a
// Combat Spec.
const char* kFreeSkills = R"(<Skills>
  <SKILL NAME="Athletics" BROADSKILL="Athletics" SOURCE="Core" ATTRIB="1" BASEPRICE="4" />
  <SKILL NAME="Climb" BROADSKILL="Athletics" SOURCE="Core" ATTRIB="1" BASEPRICE="3" PROFESSIONS="CF" />
  <SKILL NAME="Knots" BROADSKILL="Athletics" SOURCE="Core" ATTRIB="2" BASEPRICE="1" PROFESSIONS="C" />
  <SKILL NAME="Lore" BROADSKILL="Lore" SOURCE="Core" ATTRIB="4" BASEPRICE="3" />
  <SKILL NAME="Meditate" BROADSKILL="Meditate" SOURCE="Core" ATTRIB="0" BASEPRICE="5" />
</Skills>)";

const std::string kCashOutQuestion = "Cashing out a free skill cannot be undone.\rProceed?";

class FreeSkills : public SkillsTest {
protected:
    void SetUp() override {
        WriteData("<Configuration />", kFreeSpecies, kFreeSkills, kRuleSets);
        Start();
        prompter.Clear();
    }
    // Removes a row answering Yes to the cash-out question, if it is asked.
    void CashOut(const std::string& key) {
        prompter.confirmAnswers = {true};
        Remove(key);
        prompter.confirmAnswers.clear();
    }
    // Saves the hero and opens the text again: the text saved first.
    std::string SaveAndOpen() {
        const std::string text = Files().HeroFileText();
        EXPECT_EQ(Files().LoadHeroText(text, "hero.xml"), HeroLoad::Loaded);
        return text;
    }
    // What the person sees of the skills: the rows with rank and cost, and the budget.
    std::string Shown() const {
        std::string shown;
        for (std::size_t r = 1; r < Table().size(); ++r)
            shown += Trim(Table()[r].at(0)) + Trim(Table()[r].at(1)) + "=" + Table()[r].at(5) + " ";
        return shown + "| " + Label("SkillPoints");
    }
};

TEST_F(FreeSkills, ACashedOutSkillStaysCashedOutThroughEveryLaterPass) {
    ChooseSpecies("Vesk");
    CashOut("Athletics");
    EXPECT_EQ(Shown(), "Lore=0 | 48  [0 used of 48]");
    ChooseProfession("Free Agent"); // offers the skills again and grants the free ones
    ChooseProfession("Mindwalker");
    EXPECT_EQ(Shown(), "Lore=0 | 48  [0 used of 48]");
    EXPECT_FALSE(Skills().CashOutFreeSkill("Athletics")); // counted once
    EXPECT_EQ(builder->Hero().CashedOutSkills, Strings{"Athletics"});

    // The file holds the cash-out and not the skill, and reads back as it was saved.
    const std::string text = SaveAndOpen();
    EXPECT_NE(text.find(R"(<CashedOutSkill Name="Athletics"/>)"), std::string::npos);
    EXPECT_EQ(text.find(R"(Name="Athletics" Cost)"), std::string::npos);
    EXPECT_EQ(Shown(), "Lore=0 | 48  [0 used of 48]");
    EXPECT_EQ(Files().HeroFileText(), text);

    // A file repeating the cash-out, or cashing out what the species does not give, gets
    // nothing more for it.
    std::string padded = text;
    const std::string line = R"(<CashedOutSkill Name="Athletics"/>)";
    padded.replace(padded.find(line), line.size(),
                   line + line + line + R"(<CashedOutSkill Name="Meditate"/>)");
    Files().LoadHeroText(padded, "padded.xml");
    EXPECT_EQ(Shown(), "Lore=0 | 48  [0 used of 48]");
    EXPECT_EQ(Files().HeroFileText(), text);

    // Bought back, the skill costs its price.
    Buy("Athletics");
    EXPECT_EQ(Shown(), "Athletics=4 Lore=0 | 44  [4 used of 48]");
}

TEST_F(FreeSkills, ACashOutBelongsToTheSpeciesThatGaveTheSkill) {
    ChooseSpecies("Vesk");
    CashOut("Lore");
    EXPECT_EQ(Label("SkillPoints"), "48  [0 used of 48]");
    ChooseSpecies("Quill"); // one skill row: no question
    EXPECT_TRUE(builder->Hero().CashedOutSkills.empty());
    EXPECT_EQ(Shown(), "Athletics=4 Climb1=0 | 41  [4 used of 45]");
    ChooseSpecies("Vesk"); // "Clear skill list?" answered No: Lore is free again
    EXPECT_EQ(Shown(), "Athletics=0 Climb1=3 Lore=0 | 42  [3 used of 45]");
}

TEST_F(FreeSkills, AFreeSpecialtyIsCashedOutOnceAndGoes) {
    ChooseSpecies("Quill");
    CashOut("Climb");
    EXPECT_EQ(Shown(), "| 48  [0 used of 48]");
    EXPECT_EQ(prompter.Texts(Kind::Confirm), Strings{kCashOutQuestion});

    // Bought again (here as a file buys it) it is an ordinary purchase: removing it asks
    // nothing and gives nothing.
    EXPECT_TRUE(Skills().AddSkill("Climb", "", 1));
    EXPECT_EQ(Shown(), "Climb1=3 | 45  [3 used of 48]");
    CashOut("Climb");
    EXPECT_EQ(Shown(), "| 48  [0 used of 48]");
    EXPECT_EQ(prompter.Texts(Kind::Confirm).size(), 1u);
    ChooseProfession("Combat Spec");
    EXPECT_EQ(Shown(), "| 48  [0 used of 48]");
}

TEST_F(FreeSkills, ASpecialtyPricedAtNothingIsNoSourceOfPoints) {
    ChooseProfession("Combat Spec");
    Buy("Knots");
    EXPECT_EQ(Shown(), "Athletics=4 Knots1=0 | 41  [4 used of 45]");
    CashOut("Knots");
    EXPECT_TRUE(prompter.Texts(Kind::Confirm).empty());
    EXPECT_FALSE(Skills().CashOutFreeSkill("Knots"));
    EXPECT_EQ(Shown(), "Athletics=4 | 41  [4 used of 45]");
}

TEST_F(FreeSkills, FreeSpecialtiesStayWhenTheirBroadSkillGoes) {
    ChooseSpecies("Quill");
    Buy("Athletics");
    Remove("Athletics");
    EXPECT_EQ(Shown(), "Climb1=0 | 45  [0 used of 45]");

    // Cashing out a free broad skill takes its bought specialties, not its free ones.
    ChooseSpecies("Drell");
    Buy("Knots");
    CashOut("Athletics");
    EXPECT_EQ(Shown(), "Climb1=0 | 48  [0 used of 48]");
    ChooseProfession("Free Agent");
    EXPECT_EQ(Shown(), "Climb1=0 | 48  [0 used of 48]");
}

TEST_F(FreeSkills, ASkillThatStopsBeingFreeCostsWhatBuyingItNowWouldCost) {
    ChooseProfession("Free Agent"); // Climb at 2
    ChooseSpecies("Quill");
    Raise("Climb");
    Buy("Meditate");
    EXPECT_EQ(Shown(), "Climb2=1 Meditate=5 | 39  [6 used of 45]");
    ChooseSpecies("Terran"); // "Clear skill list?" answered No
    const std::string shown = Shown();
    EXPECT_EQ(shown, "Climb2=5 Meditate=5 | 35  [10 used of 45]");
    ChooseProfession("Free Agent");
    EXPECT_EQ(Shown(), shown);
    SaveAndOpen();
    EXPECT_EQ(Shown(), shown);

    // The other order of choices gives the same.
    builder->ClearHero();
    ChooseSpecies("Quill");
    ChooseSpecies("Terran");
    ChooseProfession("Free Agent");
    Raise("Climb");
    Buy("Meditate");
    EXPECT_EQ(Shown(), shown);
}

TEST_F(FreeSkills, AFreeSpecialtyRaisedKeepsTheCostOfItsRanks) {
    ChooseSpecies("Quill");
    Raise("Climb", 2);
    EXPECT_EQ(Shown(), "Climb3=3 | 42  [3 used of 45]"); // 0 + 1 + 2
    ChooseProfession("Combat Spec");
    ChooseProfession("Mindwalker");
    EXPECT_EQ(Shown(), "Climb3=3 | 42  [3 used of 45]");
    SaveAndOpen();
    EXPECT_EQ(Shown(), "Climb3=3 | 42  [3 used of 45]");
    ChooseSpecies("Terran"); // one row: no question; Climb at the Mindwalker price, 3
    EXPECT_EQ(Shown(), "Climb3=12 | 33  [12 used of 45]");
    // A rule set in force prices every rank at once, without waiting for a rank change.
    ChooseRules("Advanced");
    EXPECT_EQ(Shown(), "Climb3=9 | 36  [9 used of 45]");
}

TEST_F(FreeSkills, ClearSkillListYesStartsAfreshAndNoKeepsEverything) {
    const Strings question{"Clear skill list?\r\"No\" means keep all skills and recalculate costs"};
    ChooseSpecies("Quill");
    Raise("Climb", 2);
    Buy("Meditate");
    prompter.confirmAnswers = {true};
    ChooseSpecies("Quill");
    EXPECT_EQ(prompter.Texts(Kind::Confirm), question);
    EXPECT_EQ(Shown(), "Climb1=0 | 45  [0 used of 45]");

    // Yes also gives back the free skills cashed out, and takes their points away.
    ChooseSpecies("Vesk");
    CashOut("Lore");
    Raise("Climb");
    EXPECT_EQ(Shown(), "Athletics=0 Climb2=7 | 41  [7 used of 48]");
    prompter.Clear();
    prompter.confirmAnswers = {true};
    ChooseSpecies("Vesk");
    EXPECT_EQ(prompter.Texts(Kind::Confirm), question);
    EXPECT_EQ(Shown(), "Athletics=0 Lore=0 | 45  [0 used of 45]");

    // No keeps every skill and rank, at the prices of the new species.
    Buy("Climb");
    Raise("Climb");
    prompter.confirmAnswers = {false};
    ChooseSpecies("Quill");
    EXPECT_EQ(Shown(), "Athletics=4 Climb2=1 Lore=3 | 37  [8 used of 45]");
}

} // namespace
} // namespace skills_test
