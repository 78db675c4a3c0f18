// One recompute after every operation: an operation says only what it changed, and every view
// that follows from it is current when it ends, reported to the window once.

#include "SkillsFixture.h"

#include "files/HeroFiles.h"

namespace skills_test {
namespace {

// Counts the reports a window would get and keeps the names of the last one.
struct CountingObserver : ViewObserver {
    void ViewsChanged(const std::set<std::string>& names) override {
        ++reports;
        last = names;
    }
    int reports = 0;
    std::set<std::string> last;
};

class Recompute : public SkillsTest {
protected:
    void SetUp() override {
        SkillsTest::SetUp();
        builder->SetObserver(&observer);
    }
    void TearDown() override { builder->SetObserver(nullptr); }
    CountingObserver observer;
};

TEST_F(Recompute, AnAttributeChangeLeavesTheSkillTableBudgetAndMovementCurrent) {
    Buy("Lore");  // INT
    Buy("Climb"); // STR, with Athletics
    observer.reports = 0;
    const std::string sprint = Label("Move.Sprint");

    // The operation sets a score and marks the attributes touched; nothing else.
    builder->Attributes().SetScore(attINT, 14);
    EXPECT_EQ(Row("Lore").at(3), "14/7/3");
    EXPECT_EQ(Labels("INT.Res BroadSkills"), "+2 12 [2 used of 14]");
    EXPECT_EQ(Label("SkillPoints"), "55  [10 used of 65]");
    EXPECT_EQ(observer.reports, 1);
    for (const char* name : {"Skills", "SkillPoints", "BroadSkills", "INT.Total", "INT.Res"})
        EXPECT_TRUE(observer.last.count(name)) << name;
    EXPECT_FALSE(observer.last.count("SkillTree")); // only what changed is reported

    builder->Attributes().SetScore(attSTR, 14);
    EXPECT_EQ(Row("Climb").at(3), "15/7/3");
    EXPECT_NE(Label("Move.Sprint"), sprint);
    EXPECT_EQ(observer.reports, 2);
}

TEST_F(Recompute, ReadingAHeroFileIsOneOperationReportedOnce) {
    prompter.textAnswers = {"Old Tongue"};
    Buy("Language");
    Buy("Climb");
    Raise("Climb", 3); // 3 + 4 + 5 + 6
    HeroFiles& files = Files();
    const std::string text = files.HeroFileText();
    const TableView table = Table();
    ChooseSpecies("Vesk");
    observer.reports = 0;

    ASSERT_EQ(files.LoadHeroText(text, "hero.xml"), HeroLoad::Loaded);
    EXPECT_EQ(observer.reports, 1);
    EXPECT_EQ(Table(), table);
    EXPECT_EQ(Label("SkillPoints"), "18  [27 used of 45]");
}

TEST_F(Recompute, TypingANameRecomputesNoSkillTable) {
    Buy("Lore");
    observer.reports = 0;
    builder->Identity().SetText(IdentityField::HeroName, "Kel"); // the hero was changed already
    EXPECT_EQ(observer.reports, 1);
    EXPECT_EQ(observer.last, std::set<std::string>{"HeroName"});
}

} // namespace
} // namespace skills_test

namespace skills_test {
namespace {

TEST_F(Recompute, RemovingAnAdjustmentRowThatIsNotThereChangesNothing) {
    builder->Budget().AddAdjustment(-5, "Mentor");
    builder->Budget().AddAdjustment(4, "Lost notes");
    builder->Document().SetChanged(false);
    observer.reports = 0;
    builder->Budget().RemoveAdjustment(0);
    builder->Budget().RemoveAdjustment(3);
    EXPECT_EQ(builder->Hero().SkillPointAdjustments.size(), 2u);
    EXPECT_FALSE(builder->Changed());
    EXPECT_EQ(observer.reports, 0);
    Skills().RemoveSkill(0); // ">" with no row selected says so
    EXPECT_EQ(prompter.Texts(Kind::Plain), Strings{"Please select a skill to remove"});
}

} // namespace
} // namespace skills_test
