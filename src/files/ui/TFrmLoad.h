#pragma once
// The dialog that loads a career template into a fresh hero.

#include "app/ui/ToolWindow.h"

class TFrmLoad : public ToolWindow {
    Q_OBJECT
public:
    explicit TFrmLoad(QWidget* parent = nullptr)
        : ToolWindow(tr("Load Career Template"), "TFrmLoad", parent) {}
};
