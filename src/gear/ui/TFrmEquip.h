#pragma once
// The dialog in which the person describes an equipment item of their own.

#include "app/ui/ToolWindow.h"

class TFrmEquip : public ToolWindow {
    Q_OBJECT
public:
    explicit TFrmEquip(QWidget* parent = nullptr)
        : ToolWindow(tr("Unique Equipment"), "TFrmEquip", parent) {}
};
