#pragma once
// The desktop's prompter: message boxes, input boxes, file dialogs and the viewer.

#include "app/Prompter.h"

#include <vector>

class QWidget;

class QtPrompter : public Prompter {
public:
    // Dialogs are shown over `parent` (may be null until the main window exists).
    void SetParent(QWidget* parent) { parent_ = parent; }
    // While the main window is not shown yet, information boxes wait; ShowHeldInfo() shows
    // them once it is, so the person sees the window behind them.
    void HoldInfo() { holding_ = true; }
    void ShowHeldInfo();

    void error(const std::string& text) override;
    void info(const std::string& text) override;
    void plain(const std::string& text) override;
    bool confirm(const std::string& text) override;
    Answer ask(const std::string& text) override;
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& initial) override;
    std::optional<std::filesystem::path> openFile(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) override;
    bool openInViewer(const std::filesystem::path& file) override;

private:
    QWidget* parent_ = nullptr;
    bool holding_ = false;
    std::vector<std::string> held_;
};
