#pragma once
// The Campaign page: wealth accounts and their entries, last resort points and the manual
// adjustments of the skill points used.
//
// A click on an account lists its entries; a double click (or Delete) on an account or an
// entry removes it. Typing in the new-account field, the amount field or the last resort
// description makes that box's button the one Enter presses.

#include "app/ui/ViewWidgets.h"

#include <QWidget>

class HeroBuilder;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

class CampaignPage : public QWidget, public ViewPage {
    Q_OBJECT
public:
    CampaignPage(HeroBuilder& builder, QWidget* parent = nullptr);
    void Render(const ViewData& views, const std::set<std::string>& changed) override;

    // Wealth.
    QLineEdit* EdNewAccount = nullptr;
    QPushButton* CmdAddAccount = nullptr;
    QTableWidget* SgAccounts = nullptr;
    QLabel* LblAccount = nullptr;
    QLineEdit* EdAmount = nullptr;
    QLineEdit* EdAmtDesc = nullptr;
    QPushButton* CmdAddDetail = nullptr;
    QTableWidget* SgAccountDetail = nullptr;

    // Last resort points.
    QRadioButton* RbLRPPlus = nullptr;
    QRadioButton* RbLRPMinus = nullptr;
    QLineEdit* EdLRPDesc = nullptr;
    QPushButton* CmdAddLRP = nullptr;
    QTableWidget* SgLRP = nullptr;
    QLabel* LblLRPPoints = nullptr;
    QLabel* LblLRPMax = nullptr;
    QLabel* LblLRPCost = nullptr;
    QLabel* LblLRPTotal = nullptr;

    // Skill point adjustments.
    QLineEdit* EdAdjPts = nullptr;
    QLineEdit* EdAdjDesc = nullptr;
    QPushButton* CmdAdjSkillpts = nullptr;
    QTableWidget* SgAdjSkillPts = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildWealth();
    QWidget* BuildLastResort();
    QWidget* BuildAdjustments();

    void AddAccount();
    void AddDetail();
    void RemoveDetail(int row);
    void AddLastResortPoint();
    void Adjust();
    // Delete in the adjustment table: removes the selected adjustment.
    void RemoveSelectedAdjustment();
    // The button Enter presses in the wealth and last resort fields.
    void MakeDefault(QPushButton* button);
    void PressDefault(QPushButton* fallback);

    HeroBuilder& builder_;
    QPushButton* defaultButton_ = nullptr;
};
