#pragma once
// The import error window: one line per problem met while reading a hero file.

#include "app/ui/ToolWindow.h"

class TFrmMessages : public ToolWindow {
    Q_OBJECT
public:
    explicit TFrmMessages(QWidget* parent = nullptr) : ToolWindow(tr("Import Error Messages"), "TFrmMessages", parent) {}
};
