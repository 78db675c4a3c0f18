#pragma once
// The Perks/Flaws page: the check lists "Perks" and "Flaws", the three totals, and the
// controls that add a custom perk or flaw. Space or a click ticks an item.

#include "app/ui/ViewWidgets.h"

#include <QWidget>

class HeroBuilder;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class PerksFlawsPage : public QWidget, public ViewPage {
    Q_OBJECT
public:
    PerksFlawsPage(HeroBuilder& builder, QWidget* parent = nullptr);
    void Render(const ViewData& views, const std::set<std::string>& changed) override;

    QListWidget* LstPerks = nullptr;
    QListWidget* LstFlaws = nullptr;
    QLabel* LblPerksCost = nullptr;
    QLabel* LblFlawBenefit = nullptr;
    QLabel* LblNetAdjustment = nullptr;
    QComboBox* CmbPerkFlaw = nullptr;
    QLineEdit* EdCost = nullptr;
    QLineEdit* EdDescription = nullptr;
    QPushButton* CmdAddPF = nullptr;

private:
    void AddCustom();
    void RenderList(QListWidget* list, const TableView& rows);

    HeroBuilder& builder_;
};
