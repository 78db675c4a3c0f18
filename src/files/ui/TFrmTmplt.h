#pragma once
// The dialog that saves the hero as a career template.

#include "app/ui/ToolWindow.h"

class TFrmTmplt : public ToolWindow {
    Q_OBJECT
public:
    explicit TFrmTmplt(QWidget* parent = nullptr)
        : ToolWindow(tr("Save Career Template"), "TFrmTmplt", parent) {}
};
