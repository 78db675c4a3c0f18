// The dice roller: the step choices, which dice a roll takes for each step, how the rolls line
// and the result read, and the dice the program rolls with.

#include "dice/DiceRoller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <set>
#include <stdexcept>

namespace {

// Dice that come up with the faces given, in order, and remember how many faces each die had.
struct ScriptedDice {
    std::deque<int> faces;
    std::vector<int> asked;

    RollDie Dice() {
        return [this](int sides) {
            asked.push_back(sides);
            if (faces.empty()) throw std::logic_error("more dice rolled than scripted");
            const int face = faces.front();
            faces.pop_front();
            return face;
        };
    }
};

struct RecordingObserver : ViewObserver {
    std::vector<std::set<std::string>> calls;
    void ViewsChanged(const std::set<std::string>& names) override { calls.push_back(names); }
};

class DiceRollerTest : public ::testing::Test {
protected:
    // Chooses the step named and rolls the faces given (control die first).
    void RollAt(const std::string& stepName, std::deque<int> faces) {
        const ChoiceView& steps = roller.Views().Choice(kDiceStepChoice);
        const auto at = std::find(steps.items.begin(), steps.items.end(), stepName);
        ASSERT_NE(at, steps.items.end()) << stepName;
        roller.ChooseStep(static_cast<int>(at - steps.items.begin()));
        dice.faces = std::move(faces);
        dice.asked.clear();
        roller.Roll();
        EXPECT_TRUE(dice.faces.empty()) << "fewer dice rolled than scripted at " << stepName;
    }
    std::string Rolls() const { return roller.Views().Label(kDiceRollsLabel).text; }
    const LabelView& Result() const { return roller.Views().Label(kDiceResultLabel); }

    ScriptedDice dice;
    DiceRoller roller{dice.Dice()};
};

TEST_F(DiceRollerTest, ListsTheThirteenStepsWithTheirDiceAndWords) {
    const TableView expected{
        {"Step", "Dice", "Description"},        {"-5 Steps", "d20 -d20", "No sweat"},
        {"-4 Steps", "d20-d12", "Cake walk"},   {"-3 Steps", "d20-d8", "Extremely easy"},
        {"-2 Steps", "d20-d6", "Very easy"},    {"-1 Step", "d20-d4", "Easy"},
        {"None", "d20+d0", "Average"},          {"+1 Step", "d20+d4", "Tough"},
        {"+2 Steps", "d20+d6", "Hard"},         {"+3 Steps", "d20+d8", "Challenging"},
        {"+4 Steps", "d20+d12", "Formidable"},  {"+5 Steps", "d20+d20", "Grueling"},
        {"+6 Steps", "d20+2d20", "Gargantuan"}, {"+7 Steps", "d20+3d20", "Nearly Impossible"}};
    EXPECT_EQ(roller.Views().Table(kDiceStepTable), expected);

    // Before the first roll: "None" chosen, "0 + 0" = 20, not in red.
    const ChoiceView& steps = roller.Views().Choice(kDiceStepChoice);
    ASSERT_EQ(steps.items.size(), 13u);
    EXPECT_EQ(steps.Chosen(), "None");
    EXPECT_EQ(Rolls(), "0 + 0");
    EXPECT_EQ(Result(), (LabelView{"20", false, true}));
}

TEST_F(DiceRollerTest, EachStepRollsTheControlDieThenItsSituationDice) {
    // Faces asked for, and the result of a control die of 10 with every situation die on 2.
    const std::map<std::string, std::pair<std::vector<int>, int>> expected{
        {"-5 Steps", {{20, 20}, 8}},         {"-4 Steps", {{20, 12}, 8}},
        {"-3 Steps", {{20, 8}, 8}},          {"-2 Steps", {{20, 6}, 8}},
        {"-1 Step", {{20, 4}, 8}},           {"None", {{20}, 10}},
        {"+1 Step", {{20, 4}, 12}},          {"+2 Steps", {{20, 6}, 12}},
        {"+3 Steps", {{20, 8}, 12}},         {"+4 Steps", {{20, 12}, 12}},
        {"+5 Steps", {{20, 20}, 12}},        {"+6 Steps", {{20, 20, 20}, 14}},
        {"+7 Steps", {{20, 20, 20, 20}, 16}}};
    for (const auto& [step, want] : expected) {
        std::deque<int> faces{10};
        faces.insert(faces.end(), want.first.size() - 1, 2);
        RollAt(step, faces);
        EXPECT_EQ(dice.asked, want.first) << step;
        EXPECT_EQ(Result().text, std::to_string(want.second)) << step;
    }
}

TEST_F(DiceRollerTest, TheRollsLineShowsTheSituationDiceInBracketsBeforeTheControlDie) {
    RollAt("+6 Steps", {9, 14, 3});
    EXPECT_EQ(Rolls(), " (3 + 14) + 9");
    EXPECT_EQ(Result().text, "26");

    RollAt("-1 Step", {12, 3});
    EXPECT_EQ(Rolls(), " (3) - 12");
    EXPECT_EQ(Result().text, "9");

    RollAt("+7 Steps", {5, 1, 2, 3});
    EXPECT_EQ(Rolls(), " (3 + 2 + 1) + 5");
    EXPECT_EQ(Result().text, "11");

    // "None" rolls the control die alone, and shows it as the result.
    RollAt("None", {7});
    EXPECT_EQ(Rolls(), "7");
    EXPECT_EQ(Result().text, "7");

    // "-5 Steps" goes below 1.
    RollAt("-5 Steps", {1, 20});
    EXPECT_EQ(Rolls(), " (20) - 1");
    EXPECT_EQ(Result().text, "-19");
}

TEST_F(DiceRollerTest, AControlDieOfTwentyShowsTheResultInRedAtEveryStep) {
    for (int step = 0; step < static_cast<int>(kDiceSteps.size()); ++step) {
        const TDiceStep& at = kDiceSteps[static_cast<std::size_t>(step)];
        std::deque<int> faces{20};
        faces.insert(faces.end(), static_cast<std::size_t>(at.count), 1);
        RollAt(at.name, faces);
        EXPECT_TRUE(Result().red) << at.name << " shows " << Result().text;

        faces.front() = 19;
        RollAt(at.name, faces);
        EXPECT_FALSE(Result().red) << at.name;
    }
    // Red even when the result is not 20; a result of 20 from 19 + 1 is not red.
    RollAt("-5 Steps", {20, 20});
    EXPECT_EQ(Result(), (LabelView{"0", true, true}));
    RollAt("+1 Step", {19, 1});
    EXPECT_EQ(Result(), (LabelView{"20", false, true}));
}

TEST_F(DiceRollerTest, TellsTheWindowWhatChangedAndIgnoresStepsOutsideTheList) {
    RecordingObserver observer;
    roller.SetObserver(&observer);
    roller.ChooseStep(0);
    EXPECT_EQ(roller.Views().Choice(kDiceStepChoice).Chosen(), "-5 Steps");
    roller.ChooseStep(-1);
    roller.ChooseStep(13);
    EXPECT_EQ(roller.Step(), 0);
    dice.faces = {4, 2};
    roller.Roll();
    ASSERT_EQ(observer.calls.size(), 2u);
    EXPECT_EQ(observer.calls[0], std::set<std::string>{kDiceStepChoice.Key()});
    EXPECT_EQ(observer.calls[1],
              (std::set<std::string>{kDiceRollsLabel.Key(), kDiceResultLabel.Key()}));
    roller.SetObserver(nullptr);
}

TEST(DieSource, EveryFaceComesUpAboutEquallyOftenAndNothingElse) {
    for (const int faces : {4, 6, 8, 12, 20}) {
        RollDie dice = SeededDice(12345u + static_cast<unsigned>(faces));
        const int rolls = 300 * faces;
        std::map<int, int> counts;
        for (int i = 0; i < rolls; ++i)
            ++counts[dice(faces)];
        ASSERT_EQ(counts.size(), static_cast<std::size_t>(faces));
        EXPECT_EQ(counts.begin()->first, 1);
        EXPECT_EQ(counts.rbegin()->first, faces);
        for (const auto& [face, count] : counts)
            EXPECT_TRUE(count > 200 && count < 400)
                << "d" << faces << " face " << face << ": " << count;
    }
}

TEST(DieSource, TheProgramsDiceDifferFromRollToRollAndFromRunToRun) {
    // Rolled in quick succession, as a person clicking "Roll" would, the faces still vary.
    RollDie dice = SystemDice();
    std::set<int> seen;
    for (int i = 0; i < 400; ++i)
        seen.insert(dice(20));
    EXPECT_EQ(seen.size(), 20u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 20);

    // Two sets of dice made one after the other do not repeat each other.
    RollDie first = SystemDice(), second = SystemDice();
    std::vector<int> a, b;
    for (int i = 0; i < 32; ++i) {
        a.push_back(first(20));
        b.push_back(second(20));
    }
    EXPECT_NE(a, b);

    // A fixed seed repeats itself.
    RollDie one = SeededDice(7), two = SeededDice(7);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(one(12), two(12));
}

} // namespace
