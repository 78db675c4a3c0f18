#pragma once
// The dice roller for the game's step-modified checks.

#include "app/ui/ToolWindow.h"

class TFrmDice : public ToolWindow {
    Q_OBJECT
public:
    explicit TFrmDice(QWidget* parent = nullptr)
        : ToolWindow(tr("Die Roller"), "TFrmDice", parent) {}
};
