#pragma once
// The dialog that adds a custom perk or flaw.

#include "app/ui/ToolWindow.h"

class TFrmPerkFlaw : public ToolWindow {
    Q_OBJECT
public:
    explicit TFrmPerkFlaw(QWidget* parent = nullptr)
        : ToolWindow(tr("Perk/Flaw"), "TFrmPerkFlaw", parent) {}
};
