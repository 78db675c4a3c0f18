#pragma once
// The CyberTech page: the cyberware catalogue beside the hero's installed cyberware, their
// totals, the cyber tolerance track, the Cyberskill box and the custom cyberware form. A
// double click (or Enter) on a catalogue row installs it; on an installed row (or Delete)
// removes it.

#include "app/ui/ViewWidgets.h"

#include <QWidget>

class HeroBuilder;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class CyberTechPage : public QWidget, public ViewPage {
    Q_OBJECT
public:
    CyberTechPage(HeroBuilder& builder, QWidget* parent = nullptr);
    void Render(const ViewData& views, const std::set<std::string>& changed) override;

    QTableWidget* SgCyberTech = nullptr;
    QTableWidget* SgSelCyberTech = nullptr;
    QLabel* LblCost = nullptr;
    QLabel* LblMass = nullptr;
    QLabel* LblSize = nullptr;
    QLabel* LblTolerance = nullptr;
    QLabel* LblWarning = nullptr;
    QCheckBox* CbCyberSkill = nullptr;
    // The custom cyberware form.
    QLineEdit* TxtName = nullptr;
    QComboBox* CmbPL = nullptr;
    QComboBox* CmbQuality = nullptr;
    QLineEdit* TxtMass = nullptr;
    QLineEdit* TxtSize = nullptr;
    QLineEdit* TxtCost = nullptr;
    QLineEdit* TxtDetails = nullptr;
    QCheckBox* CbSkill = nullptr;
    QCheckBox* CbNanoComp = nullptr;
    QPushButton* CmdAddCustom = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Activate(QTableWidget* grid);
    void AddCustom();

    HeroBuilder& builder_;
};

// The track's letters drawn as boxes: "x" a used point, "q" a free one, "s" between tiers.
QString ToleranceSymbols(const std::string& track);
