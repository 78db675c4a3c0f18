#pragma once
// The Achievements page: the points and detail fields with "Add Points", the entries, the
// benefits on offer and those bought, and the figures of the hero's advancement. A double
// click (or Enter) on an entry removes it, on an offered benefit buys it, on a bought one
// removes it; Delete removes the selected entry or bought benefit.

#include "app/ui/ViewWidgets.h"

#include <QWidget>

class HeroBuilder;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class AchievementsPage : public QWidget, public ViewPage {
    Q_OBJECT
public:
    AchievementsPage(HeroBuilder& builder, QWidget* parent = nullptr);
    void Render(const ViewData& views, const std::set<std::string>& changed) override;

    QLineEdit* EdPoints = nullptr;
    QLineEdit* EdDetail = nullptr;
    QPushButton* CmdAddPts = nullptr;
    QTableWidget* SgAchievements = nullptr;
    QTableWidget* SgAvlBenefits = nullptr;
    QTableWidget* SgSelBenefits = nullptr;
    QLabel* LblPointsEarned = nullptr;
    QLabel* LblLevel = nullptr;
    QLabel* LblPointsNeeded = nullptr;
    QLabel* LblBenefitsPurchased = nullptr;
    QLabel* LblPointsAvailable = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddPoints();
    void Activate(QTableWidget* grid);
    static int SelectedRow(const QTableWidget* grid);

    HeroBuilder& builder_;
};
