#pragma once
// The robot designer.

#include "app/ui/ToolWindow.h"

class TFrmRobot : public ToolWindow {
    Q_OBJECT
public:
    explicit TFrmRobot(QWidget* parent = nullptr)
        : ToolWindow(tr("Robot Designer"), "TFrmRobot", parent) {}
};
