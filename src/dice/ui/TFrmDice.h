#pragma once
// The dice roller's window, "Die Roller": the step choices with their dice and difficulty, the
// buttons "Close" and "Roll", the dice that came up and the result. It renders the roller's
// views and hands every event to the roller.
//
// Keys: Up and Down (and the other list keys) move the step choice, Enter or Space rolls,
// Escape closes.

#include "app/ui/ToolWindow.h"
#include "dice/DiceRoller.h"

#include <memory>

class QLabel;
class QPushButton;
class QTableWidget;

class TFrmDice : public ToolWindow, public ViewObserver {
    Q_OBJECT
public:
    explicit TFrmDice(QWidget* parent = nullptr);
    ~TFrmDice() override;

    DiceRoller& Core() { return *roller_; }
    void ViewsChanged(const std::set<std::string>& names) override;

    QTableWidget* GrdSteps = nullptr;
    QPushButton* Button1 = nullptr; // "Close"
    QPushButton* Button2 = nullptr; // "Roll"
    QLabel* LblRolls = nullptr;
    QLabel* LblResult = nullptr;

    void Button1Click();
    void Button2Click();

protected:
    // Opening the window starts again at "None".
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<DiceRoller> roller_;
};
