#pragma once
// The import error window: one line per problem met while reading a hero file. Shown without
// waiting for it to be closed, at the centre of the screen.

#include "app/ui/ToolWindow.h"

#include <string>
#include <vector>

class QListWidget;

class TFrmMessages : public ToolWindow {
    Q_OBJECT
public:
    explicit TFrmMessages(QWidget* parent = nullptr);

    // Replaces the list with these lines and shows the window.
    void ShowLines(const std::vector<std::string>& lines);

    QListWidget* LstErrors = nullptr;
};
