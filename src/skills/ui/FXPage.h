#pragma once
// The FX page: the FX label and the specialization an adept chooses above a purchase page
// on the FX operations (its tree has three levels: FX type, broad FX skill, specialty), the
// list "Always Active Super Powers" with "Make Always Active", and the FX points.

#include "skills/ui/PurchasePage.h"

class HeroBuilder;
class QComboBox;
class QListWidget;

class FXPage : public PurchasePage {
    Q_OBJECT
public:
    FXPage(HeroBuilder& builder, QWidget* parent = nullptr);
    void Render(const ViewData& views, const std::set<std::string>& changed) override;

    QLabel* LblFX = nullptr;
    QLabel* LblFXSpec = nullptr;
    QComboBox* CmbFXSpec = nullptr;
    QListWidget* LstFXActive = nullptr;
    QPushButton* CmdFXActive = nullptr;
    QLabel* LblFXPoints = nullptr;

private:
    void RenderTree(const TableView& tree);
    // "Make Always Active" is enabled while the selected row may be made active.
    void UpdateActiveButton();

    HeroBuilder& builder_;
};
