#pragma once
// "Careers": the dialog that picks a career template to load. The list shows each template
// of a source in play as its name and source; the chosen one's name, source and description
// stand beside it. "Load" stays disabled while nothing is chosen.

#include "app/ui/ToolWindow.h"
#include "files/Careers.h"

#include <filesystem>
#include <optional>
#include <vector>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TFrmLoad : public ToolWindow {
    Q_OBJECT
public:
    explicit TFrmLoad(QWidget* parent = nullptr);

    // Shows the dialog listing `listed` with the first chosen, and waits for it to close: the
    // chosen template's file, or nothing when it was cancelled.
    std::optional<std::filesystem::path> Choose(const std::vector<TCareer>& listed);

    QListWidget* LBCareer = nullptr;
    QLineEdit* EdCareer = nullptr;
    QLineEdit* EdSource = nullptr;
    QPlainTextEdit* MemDescription = nullptr;
    QPushButton* CmdCancel = nullptr;
    QPushButton* CmdLoad = nullptr;

private:
    void LBCareerClick();

    std::vector<TCareer> listed_;
};
