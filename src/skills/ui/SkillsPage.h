#pragma once
// The Skills page: the tree of skills on offer beside the hero's skill table, the buttons
// "<" (buy), "+" and "-" (rank) and ">" (remove), and the two budget labels. From the
// keyboard: Enter in the tree buys, "+", "-" and Delete in the table raise, lower and remove.

#include "app/ui/ViewWidgets.h"

#include <QWidget>

class HeroBuilder;
class QLabel;
class QPushButton;
class QTableWidget;
class QTreeWidget;

class SkillsPage : public QWidget, public ViewPage {
    Q_OBJECT
public:
    SkillsPage(HeroBuilder& builder, QWidget* parent = nullptr);
    void Render(const ViewData& views, const std::set<std::string>& changed) override;

    // The offered entry of the tree's current node; -1 when none.
    int SelectedNode() const;
    // The selected table row, numbered from 1 below the header; 0 when none.
    int SelectedRow() const;

    QTreeWidget* TvSkills = nullptr;
    QTableWidget* GridSkills = nullptr;
    QPushButton* CmdSkillAdd = nullptr;
    QPushButton* CmdSkillUp = nullptr;
    QPushButton* CmdSkillDn = nullptr;
    QPushButton* CmdSkillRem = nullptr;
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

    HeroBuilder& builder_;
};
