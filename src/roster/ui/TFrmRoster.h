#pragma once
// The roster's window, "Tavorn: Character Roster": the roster name, the grid of heroes and
// robots, the buttons that add and remove entries and export the page, and the menus File,
// Switch to and About. It renders the roster's views and hands every event to the roster.

#include "app/ui/ToolWindow.h"
#include "roster/Roster.h"

#include <memory>

class HeroBuilder;
class QAction;
class QLineEdit;
class QPushButton;
class QTableWidget;
struct AppWindows;

class TFrmRoster : public ToolWindow, public ViewObserver {
    Q_OBJECT
public:
    TFrmRoster(AppWindows& windows, HeroBuilder& builder, Prompter& prompter, const AppPaths& paths,
               QWidget* parent = nullptr);
    ~TFrmRoster() override;

    Roster& Core() { return *roster_; }
    QAction* MenuAction(const QString& objectName) const;
    void ViewsChanged(const std::set<std::string>& names) override;

    QLineEdit* EdRosterName = nullptr;
    QTableWidget* SgData = nullptr;
    QPushButton* CmdAdd = nullptr;
    QPushButton* CmdCreature = nullptr;
    QPushButton* CmdRobot = nullptr;
    QPushButton* CmdRemove = nullptr;
    QPushButton* CmdExport = nullptr;

    void CmdAddClick();
    void CmdRobotClick();
    void SgDataDblClick();
    void Clear1Click();
    void Export1Click();
    void Exit1Click();
    void Character1Click();
    void Robot1Click();
    void Ships1Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override { close(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class CloseTo { Main, Robot, Ships, Exit };
    void BuildMenus();
    void SwitchTo(CloseTo target);

    AppWindows& windows_;
    HeroBuilder& builder_;
    std::unique_ptr<Roster> roster_;
    CloseTo closeTo_ = CloseTo::Main;
};
