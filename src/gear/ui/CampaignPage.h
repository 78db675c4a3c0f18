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

private:
    void Adjust();
    HeroBuilder& builder_;
};
