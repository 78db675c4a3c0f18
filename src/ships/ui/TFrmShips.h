#pragma once
// The starship designer's window, "Tavorn Starship Manager": the section captions, the Hull
// Points field, the filter's boxes, the component list of the section shown, and the
// design with its totals and lists. It renders the designer's views and hands every click
// to a designer operation.

#include "app/ViewData.h"
#include "app/ui/ToolWindow.h"
#include "ships/ShipDesigner.h"

#include <QLocale>
#include <array>
#include <map>
#include <memory>

class AppPaths;
class Prompter;
class QAction;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;
struct AppWindows;

// The locale's way of writing numbers and money, for the designer.
ShipNumberFormat LocaleShipFormat(const QLocale& locale = QLocale());

class TFrmShips : public ToolWindow, public ViewObserver {
    Q_OBJECT
public:
    // `windows` are the program's other windows, reached by the "Switch to" and "About"
    // menus once they exist.
    TFrmShips(Prompter& prompter, const AppPaths& paths, AppWindows& windows,
              QWidget* parent = nullptr);
    ~TFrmShips() override;

    ShipDesigner& Designer() { return *designer_; }
    QTableWidget* ComponentList() const { return LstComponents; }
    QTableWidget* EntryList(ShipEntryList list) const;
    QLineEdit* HullPointsField() const { return EdHullPoints; }
    QAction* MenuAction(const QString& objectName) const;

    void ViewsChanged(const std::set<std::string>& names) override;

    // What the window's controls do.
    void SectionClick(ShipSection section);
    void LstComponentsDblClick(int row);
    void EntryListDblClick(ShipEntryList list);
    void Clear1Click();
    void Character1Click();
    void Roster1Click();
    void Robot1Click();
    void Creature1Click();
    void About1Click();

    // Closing the window (File > Exit, Switch to > Character, the title bar, Escape) shows
    // the hero builder, unless the person is on the way to another tool.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus(class QVBoxLayout* layout);
    QWidget* BuildTop();
    QWidget* BuildDesign();
    // Leaves for another tool's window, which is shown instead of this one.
    void SwitchTo(QWidget* window);

    Prompter& prompter_;
    AppWindows& windows_;
    std::unique_ptr<ShipDesigner> designer_;

    QButtonGroup* sections_ = nullptr;
    QLabel* LblHullPoints = nullptr;
    QLineEdit* EdHullPoints = nullptr;
    std::array<QCheckBox*, 4> CbPL{};
    std::array<QCheckBox*, 11> CbTech{};
    QTableWidget* LstComponents = nullptr;
    std::map<std::string, QLabel*> labels_;           // view name -> label
    std::map<std::string, QTableWidget*> entryGrids_; // view name -> grid
};
