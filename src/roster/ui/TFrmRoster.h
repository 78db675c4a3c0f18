#pragma once
// The roster of heroes and robots with its combat table.

#include "app/ui/ToolWindow.h"

class TFrmRoster : public ToolWindow {
    Q_OBJECT
public:
    explicit TFrmRoster(QWidget* parent = nullptr)
        : ToolWindow(tr("Roster"), "TFrmRoster", parent) {}
};
