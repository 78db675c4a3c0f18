#pragma once
// The hero builder's main window: the menus, the row of page buttons, the attribute panel
// shown on every page and the pages, each of which scrolls when the window is smaller than
// it. It renders the builder's views and hands every event to a builder operation.

#include "app/ViewData.h"
#include "files/Careers.h"
#include "files/HeroFiles.h"

#include <QMainWindow>
#include <array>
#include <vector>

class ViewPage;

class HeroBuilder;
class Prompter;
class QAction;
class QButtonGroup;
class QMenu;
class QPushButton;
class QStackedWidget;
class QUndoStack;
class QWidget;
struct AppWindows;

class TFrmMain : public QMainWindow, public ViewObserver {
    Q_OBJECT
public:
    TFrmMain(HeroBuilder& builder, Prompter& prompter, QWidget* parent = nullptr);
    ~TFrmMain() override;

    // False when the start-up refused to go on (no configuration catalogue).
    bool Started() const { return started_; }
    // "Open Character", "Save", "Save Changes?" and the other hero file commands.
    HeroFiles& Files() { return files_; }
    // The other windows, known once they exist.
    void SetWindows(AppWindows* windows) { windows_ = windows; }

    // Shows one page by its position in the row of buttons.
    void ShowPage(int index);
    // The next (1) or previous (-1) page, round the row (Ctrl+Tab, Ctrl+Shift+Tab,
    // Ctrl+PgDown, Ctrl+PgUp).
    void StepPage(int step);
    int CurrentPage() const;
    QPushButton* PageButton(int index) const { return pageButtons_[index]; }
    QWidget* Page(int index) const { return pages_[index]; }
    QWidget* AttributesPanel() const { return attributePanel_; }

    QAction* MenuAction(const QString& objectName) const;

    void ViewsChanged(const std::set<std::string>& names) override;
    // Repaints the title from the hero's file name and changed flag.
    void UpdateTitle();

    // Rebuilds the "Sources" and "Rule Set" menus from the builder's entries.
    void PaintSourcesMenu();
    void PaintRuleSetMenu();

    // The File menu's hero files.
    void OpenCharacter();
    void Save1Click();
    void SaveAs1Click();
    // Rebuilds "Recent Files" from the builder's list.
    void PaintRecentFiles();
    // "Save As Career" and "Load Career": the hero as a career template, and a template as a
    // fresh hero.
    void SaveAsCareer1Click();
    void LoadCareer1Click();
    CareerTemplates& Careers() { return careers_; }
    // Lists the problems of the last hero file read in the import messages window.
    void ShowImportMessages();

    // The Edit menu: one entry of the undo stack per step of the hero's history.
    QUndoStack* UndoStack() const { return undoStack_; }
    // Puts the keyboard in the search line of the page shown (the one beside the focus when
    // the page has several).
    void FocusSearch();

    void Clear1Click();
    void About1Click();
    void DieRoller1Click();
    void Robots1Click();
    void Roster1Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildPages();
    // Makes the undo stack list the steps of the hero's history again.
    void PaintHistory();
    // Takes a step back or again; the undo stack moves by itself.
    void TakeStep(bool back);
    friend class HistoryCommand;

    HeroBuilder& builder_;
    Prompter& prompter_;
    HeroFiles files_;
    CareerTemplates careers_;
    AppWindows* windows_ = nullptr;
    bool started_ = false;

    std::array<QPushButton*, 12> pageButtons_{};
    std::array<QWidget*, 12> pages_{};
    QButtonGroup* pageGroup_ = nullptr;
    QStackedWidget* pageStack_ = nullptr;
    QWidget* attributePanel_ = nullptr;
    std::vector<ViewPage*> viewPages_;
    QMenu* sourcesMenu_ = nullptr;
    QMenu* ruleSetMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QUndoStack* undoStack_ = nullptr;
    bool steppingHistory_ = false; // a command of the undo stack is at work
};
