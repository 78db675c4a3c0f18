#include "dice/DiceRoller.h"

#include <numeric>
#include <utility>

TDiceRoll ReadRoll(const TDiceStep& step, int control, const std::vector<int>& situation) {
    TDiceRoll roll;
    roll.control = control;
    roll.situation = situation;
    const int situationTotal = std::accumulate(situation.begin(), situation.end(), 0);
    roll.result = step.minus ? control - situationTotal : control + situationTotal;
    roll.red = control == kControlDieFaces;

    // The situation dice, last rolled first, in brackets, then the sign and the control die.
    std::string rolls = std::to_string(control);
    if (!situation.empty()) {
        rolls = std::to_string(situation[0]) + ") " + (step.minus ? "-" : "+") + " " + rolls;
        for (std::size_t i = 1; i < situation.size(); ++i)
            rolls = std::to_string(situation[i]) + " + " + rolls;
        rolls = " (" + rolls;
    }
    roll.rolls = std::move(rolls);
    return roll;
}

DiceRoller::DiceRoller(RollDie dice) : dice_(std::move(dice)) {
    TableView table{{"Step", "Dice", "Description"}};
    for (const TDiceStep& step : kDiceSteps)
        table.push_back({step.name, step.dice, step.description});
    views_.SetTable(kDiceStepTable, std::move(table));
    views_.SetLabel(kDiceRollsLabel, "0 + 0");
    views_.SetLabel(kDiceResultLabel, "20");
    PaintStep();
    views_.TakeChanged();
}

void DiceRoller::ChooseStep(int index) {
    if (index < 0 || index >= static_cast<int>(kDiceSteps.size())) return;
    step_ = index;
    PaintStep();
    Notify();
}

void DiceRoller::Roll() {
    const TDiceStep& step = kDiceSteps[static_cast<std::size_t>(step_)];
    const int control = dice_(kControlDieFaces);
    std::vector<int> situation;
    for (int i = 0; i < step.count; ++i)
        situation.push_back(dice_(step.faces));
    last_ = ReadRoll(step, control, situation);
    views_.SetLabel(kDiceRollsLabel, last_.rolls);
    views_.SetLabel(kDiceResultLabel, std::to_string(last_.result), last_.red);
    Notify();
}

void DiceRoller::UseDice(RollDie dice) {
    dice_ = std::move(dice);
}

void DiceRoller::PaintStep() {
    ChoiceView choice;
    for (const TDiceStep& step : kDiceSteps)
        choice.items.emplace_back(step.name);
    choice.index = step_;
    views_.SetChoice(kDiceStepChoice, std::move(choice));
}

void DiceRoller::Notify() {
    std::set<std::string> changed = views_.TakeChanged();
    if (observer_ && !changed.empty()) observer_->ViewsChanged(changed);
}
