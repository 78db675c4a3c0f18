#pragma once
// "Career Information": the dialog that names, describes and files the hero as a career
// template. "Save" hands the form to the checks it is given and closes only when they pass;
// "Cancel", Escape and closing the window call the save off.

#include "app/ui/ToolWindow.h"
#include "files/Careers.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TFrmTmplt : public ToolWindow {
    Q_OBJECT
public:
    explicit TFrmTmplt(QWidget* parent = nullptr);

    // Shows the dialog, empty, offering `sources` with none chosen, and waits for it to close:
    // the form and file accepted, or nothing when it was cancelled.
    std::optional<CareerTemplateChoice>
    Ask(const std::vector<std::string>& sources,
        const std::function<CareerFormCheck(const CareerForm&)>& check);

    QLineEdit* EdName = nullptr;
    QPlainTextEdit* MemDescription = nullptr;
    QComboBox* CmbSource = nullptr;
    QPushButton* CmdSave = nullptr;
    QPushButton* CmdCancel = nullptr;

private:
    void CmdSaveClick();

    std::function<CareerFormCheck(const CareerForm&)> check_;
    std::optional<CareerTemplateChoice> choice_;
};
