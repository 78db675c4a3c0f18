// Undo and redo: the history's steps and saved point, the names given to steps, and the
// builder taking back skill purchases, perk ticks and attribute changes through its document.

#include "hero/HeroHistory.h"

#include "../skills/SkillsFixture.h"

namespace {

HeroSnapshot HeroNamed(const std::string& name) {
    HeroSnapshot state;
    state.hero.HeroName = name;
    return state;
}

TEST(HeroHistoryTest, UndoAndRedoWalkTheStepsInOrderAndANewStepDropsTheRedo) {
    HeroHistory history;
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.UndoName(), "");
    history.Record(HeroNamed("a"), "First");
    history.Record(HeroNamed("b"), "Second");
    EXPECT_EQ(history.UndoName(), "Second");

    EXPECT_EQ(history.Undo(HeroNamed("c")).hero.HeroName, "b");
    EXPECT_EQ(history.UndoName(), "First");
    EXPECT_EQ(history.RedoName(), "Second");
    EXPECT_EQ(history.Undo(HeroNamed("b")).hero.HeroName, "a");
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.Redo(HeroNamed("a")).hero.HeroName, "b");
    EXPECT_EQ(history.StepNames(), (Strings{"First", "Second"}));

    history.Record(HeroNamed("b"), "Third");
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.StepNames(), (Strings{"First", "Third"}));
    EXPECT_EQ(history.Undo(HeroNamed("d")).hero.HeroName, "b");
    EXPECT_EQ(history.Redo(HeroNamed("b")).hero.HeroName, "d");
}

TEST(HeroHistoryTest, TheSavedPointIsFoundAgainOnlyAlongTheStepsKept) {
    HeroHistory history;
    history.MarkSaved();
    history.Record(HeroNamed("a"), "One");
    EXPECT_FALSE(history.AtSaved());
    history.Undo(HeroNamed("b"));
    EXPECT_TRUE(history.AtSaved());
    history.Redo(HeroNamed("a"));
    history.MarkSaved();
    history.Undo(HeroNamed("b"));
    EXPECT_FALSE(history.AtSaved());
    // A new step from before the saved point drops the way back to it.
    history.Record(HeroNamed("a"), "Other");
    history.Undo(HeroNamed("c"));
    EXPECT_FALSE(history.AtSaved());
    history.Redo(HeroNamed("a"));
    EXPECT_FALSE(history.AtSaved());

    history.Clear();
    EXPECT_FALSE(history.AtSaved());
    EXPECT_FALSE(history.CanUndo() || history.CanRedo());
}

TEST(HeroHistoryTest, TheOldestStepsGoPastTheLimitAndTheSavedPointMovesWithThem) {
    HeroHistory history(2);
    history.Record(HeroNamed("a"), "One");
    history.MarkSaved(); // after one step
    history.Record(HeroNamed("b"), "Two");
    history.Record(HeroNamed("c"), "Three");
    EXPECT_EQ(history.StepNames(), (Strings{"Two", "Three"}));
    history.Undo(HeroNamed("d"));
    EXPECT_FALSE(history.AtSaved());
    EXPECT_EQ(history.Undo(HeroNamed("c")).hero.HeroName, "b");
    EXPECT_TRUE(history.AtSaved());
    // Once the state saved is forgotten, no state is the saved one.
    history.Record(HeroNamed("b"), "Four");
    history.Record(HeroNamed("e"), "Five");
    history.Record(HeroNamed("f"), "Six");
    while (history.CanUndo()) {
        history.Undo(HeroNamed("x"));
        EXPECT_FALSE(history.AtSaved());
    }
}

template <class Item> Item Named(const std::string& name) {
    Item item;
    item.Name = name;
    return item;
}

TEST(HeroHistoryTest, StepsAreNamedAfterWhatChanged) {
    THero before;
    before.Skills = {Named<TSkillItem>("Climb"), Named<TSkillItem>("Swim")};
    before.Perks = {Named<PerkFlawItem>("Iron Will")};
    THero after = before;
    after.Skills[1].Selected = true;
    EXPECT_EQ(DescribeStep(before, after), "Buy Swim");
    // A specialty bought with its broad skill names the step.
    after.Skills[0].Selected = true;
    after.Skills[0].BroadSkill = before.Skills[0].BroadSkill = "Climb";
    EXPECT_EQ(DescribeStep(before, after), "Buy Swim");
    after.Skills[0].Selected = false;
    EXPECT_EQ(DescribeStep(after, before), "Drop Swim");
    before = after;
    after.Skills[1].Rank = 2;
    EXPECT_EQ(DescribeStep(before, after), "Raise Swim");
    EXPECT_EQ(DescribeStep(after, before), "Lower Swim");

    after = before;
    after.SkillInstances.push_back(Named<TSkillItem>("Language"));
    after.SkillInstances.back().Detail = "Old Vesk";
    EXPECT_EQ(DescribeStep(before, after), "Buy Language (Old Vesk)");
    after = before;
    after.Perks[0].Selected = true;
    EXPECT_EQ(DescribeStep(before, after), "Tick Iron Will");
    after = before;
    after.Score[4] = 12;
    EXPECT_EQ(DescribeStep(before, after), "Change WIL");
    after = before;
    after.Equipment.push_back(Named<TEquipmentItem>("Rope"));
    after.Equipment.back().Quantity = 1;
    EXPECT_EQ(DescribeStep(before, after), "Buy Rope");
    before.Equipment = after.Equipment;
    after.Equipment[0].Quantity = 3;
    EXPECT_EQ(DescribeStep(before, after), "Change Quantity of Rope");
    EXPECT_EQ(DescribeStep(after, after), "");
}

using skills_test::SkillsTest;

const char* kPerks = R"(<PerksNFlaws>
  <PERK NAME="Iron Will" SOURCE="Core" COST="3"/>
  <FLAW NAME="Bad Back" SOURCE="Core" COST="2"/>
</PerksNFlaws>)";

class UndoTest : public SkillsTest {
protected:
    void SetUp() override {
        app.Write("Data/perksnflaws.xml", kPerks);
        SkillsTest::SetUp();
        ChooseSpecies("Terran");
        builder->Document().EnableHistory(true);
        // Saved as it stands.
        HeroDocument::Operation operation(Document());
        Document().SetChanged(false);
    }
    HeroDocument& Document() { return builder->Document(); }
    const HeroHistory& History() { return Document().History(); }
    ViewData Views() const { return builder->Views(); }
    void ExpectSameViews(const ViewData& expected) {
        EXPECT_EQ(builder->Views().Labels(), expected.Labels());
        EXPECT_EQ(builder->Views().Tables(), expected.Tables());
        EXPECT_EQ(builder->Views().Choices(), expected.Choices());
        EXPECT_EQ(builder->Views().Checks(), expected.Checks());
    }
};

TEST_F(UndoTest, EachEditIsAStepThatUndoTakesBackToTheSameViews) {
    std::vector<ViewData> states{Views()};
    Buy("Climb");
    states.push_back(Views());
    Raise("Climb");
    states.push_back(Views());
    builder->PerksFlaws().TogglePerk(0);
    states.push_back(Views());
    builder->Attributes().SetScore(0, 12);
    states.push_back(Views());
    EXPECT_EQ(History().StepNames(),
              (Strings{"Buy Climb", "Raise Climb", "Tick Iron Will", "Change STR"}));
    EXPECT_TRUE(builder->Changed());

    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(Document().Undo());
        ExpectSameViews(states[i - 1]);
    }
    EXPECT_FALSE(Document().Undo());
    EXPECT_EQ(Document().Restores(), 4u);
    // Back where the hero was saved: no unsaved changes.
    EXPECT_FALSE(builder->Changed());
    EXPECT_EQ(builder->Hero().Score[0], 10);
    EXPECT_EQ(History().RedoName(), "Buy Climb");

    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(Document().Redo());
        ExpectSameViews(states[i]);
        EXPECT_TRUE(builder->Changed());
    }
    // The skill bought again can be raised as before.
    Raise("Climb");
    EXPECT_EQ(Rank("Climb"), "  3");
    EXPECT_EQ(History().UndoName(), "Raise Climb");
    EXPECT_FALSE(History().CanRedo());
}

// Undo puts back an older list of instances, which may reuse the storage at the same length:
// a detail bought after it is still found, not bought a second time.
TEST_F(UndoTest, AnInstanceRestoredByUndoIsFoundAgain) {
    prompter.textAnswers = {"Alpha", "Cobalt", "Beryl", "Cobalt"};
    Buy("Language");
    Buy("Language");
    Remove("Language: Cobalt");
    Buy("Language"); // Beryl takes Cobalt's place at the same length
    ASSERT_TRUE(Document().Undo());
    ASSERT_TRUE(Document().Undo());
    EXPECT_EQ(Names(), (Strings{"Lore", "  Language: Alpha", "  Language: Cobalt"}));
    Buy("Language"); // Cobalt again: already there
    EXPECT_EQ(Names(), (Strings{"Lore", "  Language: Alpha", "  Language: Cobalt"}));
}

TEST_F(UndoTest, WhatChangesNothingOrOnlyShowsIsNoStep) {
    Lower("Climb"); // not bought: nothing happens
    builder->Attributes().SetScore(0, 10);
    { HeroDocument::Operation operation(Document()); }
    EXPECT_FALSE(History().CanUndo());
}

TEST_F(UndoTest, SavingMarksThePointWhereTheHeroIsUnchanged) {
    Buy("Climb");
    Raise("Climb");
    {
        HeroDocument::Operation operation(Document());
        Document().Hero.FileName = "saved.xml";
        Document().SetChanged(false);
    }
    Document().Undo();
    EXPECT_TRUE(builder->Changed());
    // The file the hero was saved to stays its file.
    EXPECT_EQ(builder->Hero().FileName, "saved.xml");
    Document().Redo();
    EXPECT_FALSE(builder->Changed());
    Document().Undo();
    Document().Undo();
    EXPECT_TRUE(builder->Changed());
}

TEST_F(UndoTest, ReadingTheCataloguesAgainOrANewRuleSetForgetsTheSteps) {
    Buy("Climb");
    Buy("Swim");
    ClickSource("Outer Reaches");
    EXPECT_FALSE(History().CanUndo());
    Buy("Helm");
    EXPECT_EQ(History().StepNames(), Strings{"Buy Helm"});
    ChooseRules("Option 2A");
    EXPECT_FALSE(History().CanUndo());
    // The hero stays changed: the rule set is not taken back.
    EXPECT_FALSE(Document().Undo());
    EXPECT_TRUE(builder->Changed());

    Buy("Climb");
    builder->NewHero();
    EXPECT_FALSE(History().CanUndo() || History().CanRedo());
    EXPECT_FALSE(builder->Changed());
}

} // namespace

namespace {

TEST_F(UndoTest, TypingInAFieldIsOneStepUntilSavedOrAnotherEdit) {
    HeroIdentity& identity = builder->Identity();
    for (const char* text : {"K", "Ka", "Kael"})
        identity.SetText(IdentityField::HeroName, text);
    EXPECT_EQ(History().StepNames(), Strings{"Change Name"});
    {
        HeroDocument::Operation operation(Document());
        Document().SetChanged(false);
    }
    identity.SetText(IdentityField::HeroName, "Kaelin");
    Buy("Climb");
    identity.SetText(IdentityField::HeroName, "Kaelina");
    EXPECT_EQ(History().StepNames(),
              (Strings{"Change Name", "Change Name", "Buy Climb", "Change Name"}));
    Document().Undo();
    EXPECT_EQ(builder->Hero().HeroName, "Kaelin");
    Document().Undo();
    Document().Undo();
    EXPECT_EQ(builder->Hero().HeroName, "Kael");
    EXPECT_FALSE(builder->Changed());
    Document().Undo();
    EXPECT_EQ(builder->Hero().HeroName, "");
    EXPECT_EQ(builder->Views().LabelNamed("HeroName").text, "");
}

} // namespace
