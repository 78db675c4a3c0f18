#pragma once
// The robot designer's window, "Tavorn: Robots": the pages Main (the parts and the values
// they give), Programs, Notes, Combat and Equipment, and the menus File, Switch to and
// About. It renders the designer's views and hands every event to a designer operation.

#include "app/ui/ToolWindow.h"
#include "robots/RobotDesigner.h"

#include <array>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;
struct AppWindows;

class TFrmRobot : public ToolWindow, public ViewObserver {
    Q_OBJECT
public:
    TFrmRobot(AppWindows& windows, Prompter& prompter, const AppPaths& paths,
              RobotDesigner::SourceTest sourceActive, QWidget* parent = nullptr);
    ~TFrmRobot() override;

    RobotDesigner& Designer() { return *designer_; }
    QAction* MenuAction(const QString& objectName) const;
    void ViewsChanged(const std::set<std::string>& names) override;

    // The controls, named as the program names them.
    QTabWidget* Pages = nullptr;
    QLineEdit* EdDesignation = nullptr;
    QComboBox* CmbPL = nullptr;
    std::array<QComboBox*, 9> CmbParts{};       // in the order of kRobotSlots
    std::array<QListWidget*, 4> LstAvailable{}; // in the order of kRobotLists
    std::array<QListWidget*, 4> LstSelected{};
    std::array<QLabel*, 6> LblAbilities{}; // STR .. PER
    QLabel* LblActionCheck = nullptr;
    QLabel* LblActions = nullptr;
    QLabel* LblActionDie = nullptr;
    QLabel* LblArmor = nullptr;
    QLabel* LblFileName = nullptr;
    QPlainTextEdit* MemNotes = nullptr;

    // The events.
    void CmbPLChange();
    void CmbPartChange(std::size_t slot);
    void LstAvailableDblClick(std::size_t list);
    void LstSelectedDblClick(std::size_t list);
    void Clear1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void Export1Click();
    void Exit1Click();
    void Characters1Click();
    void Roster1Click();
    void Ships1Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the window as its close button does.
    void reject() override { close(); }
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class CloseTo { Main, Roster, Ships, Exit };

    void BuildMenus();
    QWidget* BuildMainPage();
    QWidget* EmptyPage(const QString& name);
    // Closes the window and shows `target` instead of the hero builder.
    void SwitchTo(CloseTo target);

    AppWindows& windows_;
    std::unique_ptr<RobotDesigner> designer_;
    CloseTo closeTo_ = CloseTo::Main;
};
