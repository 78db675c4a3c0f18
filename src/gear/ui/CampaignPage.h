#pragma once
// The Campaign page: wealth accounts, last resort points and the manual adjustments of the
// skill points used.

#include "app/ui/ViewWidgets.h"

#include <QWidget>

class HeroBuilder;
class QLineEdit;
class QPushButton;
class QTableWidget;

class CampaignPage : public QWidget, public ViewPage {
    Q_OBJECT
public:
    CampaignPage(HeroBuilder& builder, QWidget* parent = nullptr);
    void Render(const ViewData& views, const std::set<std::string>& changed) override;

    QLineEdit* EdAdjPts = nullptr;
    QLineEdit* EdAdjDesc = nullptr;
    QPushButton* CmdAdjSkillpts = nullptr;
    QTableWidget* SgAdjSkillPts = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Adjust();
    // Delete in the adjustment table: removes the selected adjustment.
    void RemoveSelectedAdjustment();
    HeroBuilder& builder_;
};
