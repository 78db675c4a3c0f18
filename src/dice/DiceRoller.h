#pragma once
// The dice roller: the game's basic check, one twenty-sided control die modified by a situation
// die chosen by step, from five steps easier to seven steps harder. It holds the chosen step and
// the last roll, and shows them as views the window renders.

#include "app/ViewData.h"
#include "dice/DieSource.h"

#include <array>
#include <string>
#include <vector>

// One step choice: its name, the dice as shown, the situation dice it rolls (`count` dice of
// `faces` faces, subtracted when `minus`) and the difficulty it stands for.
struct TDiceStep {
    const char* name;
    const char* dice;
    int count;
    int faces;
    bool minus;
    const char* description;
};

// The step choices, top to bottom.
inline constexpr std::array<TDiceStep, 13> kDiceSteps{{
    {"-5 Steps", "d20 -d20", 1, 20, true, "No sweat"},
    {"-4 Steps", "d20-d12", 1, 12, true, "Cake walk"},
    {"-3 Steps", "d20-d8", 1, 8, true, "Extremely easy"},
    {"-2 Steps", "d20-d6", 1, 6, true, "Very easy"},
    {"-1 Step", "d20-d4", 1, 4, true, "Easy"},
    {"None", "d20+d0", 0, 0, false, "Average"},
    {"+1 Step", "d20+d4", 1, 4, false, "Tough"},
    {"+2 Steps", "d20+d6", 1, 6, false, "Hard"},
    {"+3 Steps", "d20+d8", 1, 8, false, "Challenging"},
    {"+4 Steps", "d20+d12", 1, 12, false, "Formidable"},
    {"+5 Steps", "d20+d20", 1, 20, false, "Grueling"},
    {"+6 Steps", "d20+2d20", 2, 20, false, "Gargantuan"},
    {"+7 Steps", "d20+3d20", 3, 20, false, "Nearly Impossible"},
}};
// "None", the step chosen when the window opens.
inline constexpr int kNoStep = 5;
inline constexpr int kControlDieFaces = 20;

// The step choices as a table: "Step", "Dice", "Description", then one row per step.
inline constexpr TableName kDiceStepTable{"Steps"};
// The chosen step: the step names, with the index of the chosen one.
inline constexpr ChoiceName kDiceStepChoice{"Step"};
// The dice that came up, e.g. " (3 + 14) + 9"; "0 + 0" before the first roll.
inline constexpr LabelName kDiceRollsLabel{"Rolls"};
// The result; red when the control die came up 20 (shown blue otherwise).
inline constexpr LabelName kDiceResultLabel{"Result"};

// What one roll came to: the faces that came up and how they are shown.
struct TDiceRoll {
    int control = 0;
    std::vector<int> situation; // S1, S2, S3 in the order rolled
    int result = 0;
    std::string rolls; // the rolls line
    bool red = false;
};

// Reads a roll of `step` whose control die showed `control` and whose situation dice showed
// `situation` (as many as the step rolls).
TDiceRoll ReadRoll(const TDiceStep& step, int control, const std::vector<int>& situation);

class DiceRoller {
public:
    explicit DiceRoller(RollDie dice = SystemDice());

    // Chooses the step at `index` (0 = "-5 Steps"); an index outside the list changes nothing.
    void ChooseStep(int index);
    // Rolls the control die and the chosen step's situation dice and shows the result.
    void Roll();
    // Rolls with other dice from now on.
    void UseDice(RollDie dice);

    int Step() const { return step_; }
    const TDiceRoll& LastRoll() const { return last_; }
    const ViewData& Views() const { return views_; }
    void SetObserver(ViewObserver* observer) { observer_ = observer; }

private:
    void PaintStep();
    void Notify();

    RollDie dice_;
    int step_ = kNoStep;
    TDiceRoll last_;
    ViewData views_;
    ViewObserver* observer_ = nullptr;
};
