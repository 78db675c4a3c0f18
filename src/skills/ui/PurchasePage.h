#pragma once
// A page that buys from a tree into a table: the tree of entries on offer beside the hero's
// table, the buttons "<" (buy), "+" and "-" (rank) and ">" (remove), and the two budget
// labels. The Skills and Psionics pages are two of them. From the keyboard: Enter in the tree
// buys, "+", "-" and Delete in the table raise, lower and remove.

#include "app/ViewData.h"
#include "app/ui/ViewWidgets.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;
class QTreeWidget;

// What one such page shows and does. Rows are numbered from 1 below the header (0: none).
struct PurchasePageSetup {
    QString name;   // the page's object name after "Page" ("Skills", "Psionics")
    QString prefix; // the buttons' and labels' object names after "Cmd"/"Lbl" ("Skill", "Psi")
    QString title;  // a heading above the page; none when empty
    TableName tree;
    TableName table;
    std::function<int(int node)> buy; // the table row bought, 0 when none
    std::function<void(int row)> raise;
    std::function<void(int row)> lower;
    std::function<void(int row)> remove;
};

class PurchasePage : public QWidget, public ViewPage {
    Q_OBJECT
public:
    PurchasePage(PurchasePageSetup setup, QWidget* parent = nullptr);
    void Render(const ViewData& views, const std::set<std::string>& changed) override;

    // The offered entry of the tree's current node; -1 when none.
    int SelectedNode() const;
    // The selected table row, numbered from 1 below the header; 0 when none.
    int SelectedRow() const;

    QTreeWidget* Tree = nullptr;
    QTableWidget* Grid = nullptr;
    QPushButton* CmdAdd = nullptr;
    QPushButton* CmdUp = nullptr;
    QPushButton* CmdDn = nullptr;
    QPushButton* CmdRem = nullptr;
    QLabel* LblSkillPoints = nullptr;
    QLabel* LblBroadSkills = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Buy();
    void Raise();
    void Lower();
    void Remove();
    // After a rank change: keeps the selected row and the scroll position.
    void AfterRankChange(int row, int scroll);

    PurchasePageSetup setup_;
};
