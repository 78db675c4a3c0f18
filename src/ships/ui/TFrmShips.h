#pragma once
// The starship designer.

#include "app/ui/ToolWindow.h"

class TFrmShips : public ToolWindow {
    Q_OBJECT
public:
    explicit TFrmShips(QWidget* parent = nullptr)
        : ToolWindow(tr("Starship Designer"), "TFrmShips", parent) {}
};
