#pragma once
// The Equipment page: the catalogue filtered by category, subcategory and Progress Level,
// the hero's carried items with their quantities and totals, and the custom item dialog.
// A double click (or Enter) on an available row takes it.

#include "app/ui/ViewWidgets.h"

#include <QWidget>

#include <array>

class HeroBuilder;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class EquipmentPage : public QWidget, public ViewPage {
    Q_OBJECT
public:
    EquipmentPage(HeroBuilder& builder, QWidget* parent = nullptr);
    void Render(const ViewData& views, const std::set<std::string>& changed) override;

    QComboBox* CmbCategory = nullptr;
    QComboBox* CmbSubcategory = nullptr;
    std::array<QCheckBox*, 9> CbPL{};
    QTableWidget* SgEquipment = nullptr;
    QTableWidget* SgSelEquipment = nullptr;
    QPushButton* CmdQtyUp = nullptr;
    QPushButton* CmdQtyDown = nullptr;
    QPushButton* CmdRemove = nullptr;
    QPushButton* CmdCustom = nullptr;
    QLabel* LblCost = nullptr;
    QLabel* LblMass = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TakeItem();

    HeroBuilder& builder_;
};
