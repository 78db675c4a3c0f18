#include "gear/ui/CyberTechPage.h"

#include "app/HeroBuilder.h"
#include "app/ui/SearchBox.h"
#include "gear/ui/GearGrid.h"
#include "hero/SpeciesChoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

QString ToleranceSymbols(const std::string& track) {
    QString symbols;
    for (char c : track) {
        if (c == 'x')
            symbols += QChar(0x2612);
        else if (c == 'q')
            symbols += QChar(0x2610);
        else if (c == 's')
            symbols += QStringLiteral(" \u00B7 ");
    }
    return symbols;
}

CyberTechPage::CyberTechPage(HeroBuilder& builder, QWidget* parent)
    : QWidget(parent), builder_(builder) {
    setObjectName("PageCyberTech");
    auto* layout = new QGridLayout(this);
    SgCyberTech = NewGearGrid(this, "SgCyberTech",
                              tr("Double-click cyberware, or press Enter on it, to install it"));
    SgSelCyberTech =
        NewGearGrid(this, "SgSelCyberTech",
                    tr("Double-click installed cyberware, or press Delete on it, to remove it"));
    auto* catalogue = new QLabel(tr("Available &CyberTech:"), this);
    catalogue->setBuddy(SgCyberTech);
    auto* installed = new QLabel(tr("&Installed CyberTech:"), this);
    installed->setBuddy(SgSelCyberTech);
    layout->addWidget(catalogue, 0, 0);
    layout->addWidget(SgCyberTech, 1, 0, 3, 1);
    layout->addWidget(installed, 0, 1);
    layout->addWidget(SgSelCyberTech, 1, 1);
    for (QTableWidget* grid : {SgCyberTech, SgSelCyberTech}) {
        grid->installEventFilter(this);
        connect(grid, &QTableWidget::cellDoubleClicked, this, [this, grid] { Activate(grid); });
    }

    auto* status = new QGridLayout;
    const auto value = [this](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        return label;
    };
    LblCost = value("LblCyberCost");
    LblMass = value("LblCyberMass");
    LblSize = value("LblCyberSize");
    LblTolerance = value("LblCyberTolerance");
    LblWarning = value("LblCyberWarning");
    status->addWidget(new QLabel(tr("Total Cost:"), this), 0, 0);
    status->addWidget(LblCost, 0, 1);
    status->addWidget(new QLabel(tr("Total Mass:"), this), 0, 2);
    status->addWidget(LblMass, 0, 3);
    status->addWidget(new QLabel(tr("Total Size:"), this), 0, 4);
    status->addWidget(LblSize, 0, 5);
    status->addWidget(new QLabel(tr("Cyber Tolerance:"), this), 1, 0);
    status->addWidget(LblTolerance, 1, 1, 1, 5);
    status->addWidget(LblWarning, 2, 0, 1, 6);
    CbCyberSkill = new QCheckBox(this);
    CbCyberSkill->setObjectName("CbCyberTechSkill");
    connect(CbCyberSkill, &QCheckBox::clicked, this,
            [this](bool checked) { builder_.SetCyberSkill(checked); });
    status->addWidget(CbCyberSkill, 3, 0, 1, 6);
    layout->addLayout(status, 2, 1);

    auto* custom = new QGroupBox(tr("Custom Cyberware"), this);
    auto* form = new QGridLayout(custom);
    TxtName = new QLineEdit(custom);
    TxtName->setObjectName("TxtCyberName");
    CmbPL = new QComboBox(custom);
    CmbPL->setObjectName("CmbCyberPL");
    CmbPL->addItems({"5", "6", "7", "8", "9"});
    CmbPL->setCurrentIndex(-1);
    CmbQuality = new QComboBox(custom);
    CmbQuality->setObjectName("CmbCyberQuality");
    CmbQuality->addItems({"O", "G", "A"});
    CmbQuality->setCurrentIndex(-1);
    TxtMass = new QLineEdit(custom);
    TxtMass->setObjectName("TxtCyberMass");
    TxtSize = new QLineEdit(custom);
    TxtSize->setObjectName("TxtCyberSize");
    TxtCost = new QLineEdit(custom);
    TxtCost->setObjectName("TxtCyberCost");
    TxtDetails = new QLineEdit(custom);
    TxtDetails->setObjectName("TxtCyberDetails");
    CbSkill = new QCheckBox(tr("Skill"), custom);
    CbSkill->setObjectName("CbCyberSkillReq");
    CbNanoComp = new QCheckBox(tr("NanoComp"), custom);
    CbNanoComp->setObjectName("CbCyberNanoComp");
    CmdAddCustom = new QPushButton(tr("Add Custom Cyberware"), custom);
    CmdAddCustom->setObjectName("CmdAddCustomCyber");
    // Three pairs of label and field per line, so the form leaves the grids their height.
    const auto field = [custom, form](const QString& text, QWidget* widget, int row, int column,
                                      int span = 1) {
        auto* label = new QLabel(text, custom);
        label->setBuddy(widget);
        form->addWidget(label, row, column);
        form->addWidget(widget, row, column + 1, 1, span);
    };
    field(tr("Name:"), TxtName, 0, 0, 5);
    field(tr("PL:"), CmbPL, 1, 0);
    field(tr("Quality:"), CmbQuality, 1, 2);
    field(tr("Mass:"), TxtMass, 2, 0);
    field(tr("Size:"), TxtSize, 2, 2);
    field(tr("Cost:"), TxtCost, 2, 4);
    field(tr("Details:"), TxtDetails, 3, 0, 5);
    form->addWidget(CbSkill, 4, 1);
    form->addWidget(CbNanoComp, 4, 3);
    form->addWidget(CmdAddCustom, 4, 4, 1, 2);
    for (int column : {1, 3, 5})
        form->setColumnStretch(column, 1);
    layout->addWidget(custom, 3, 1);
    // The catalogue has two columns more than the installed grid.
    layout->setColumnStretch(0, 4);
    layout->setColumnStretch(1, 3);
    layout->setRowStretch(1, 1);
    connect(CmdAddCustom, &QPushButton::clicked, this, &CyberTechPage::AddCustom);
    SearchBox::Above(SgCyberTech);
}

void CyberTechPage::Activate(QTableWidget* grid) {
    if (grid == SgCyberTech) {
        builder_.Cyber().Install(SelectedGearRow(grid));
        SelectLastGearRow(SgSelCyberTech);
    } else {
        builder_.Cyber().Uninstall(SelectedGearRow(grid));
    }
}

void CyberTechPage::AddCustom() {
    CustomCyberForm form;
    form.name = TxtName->text().toStdString();
    form.pl = CmbPL->currentText().toStdString();
    form.quality = CmbQuality->currentText().toStdString();
    form.mass = TxtMass->text().toStdString();
    form.size = TxtSize->text().toStdString();
    form.cost = TxtCost->text().toStdString();
    form.details = TxtDetails->text().toStdString();
    form.skill = CbSkill->isChecked();
    form.nanoComp = CbNanoComp->isChecked();
    switch (builder_.Cyber().AddCustomCyberware(form)) {
    case CyberField::Name:
        TxtName->setFocus();
        break;
    case CyberField::PL:
        CmbPL->setFocus();
        break;
    case CyberField::Quality:
        CmbQuality->setFocus();
        break;
    case CyberField::Mass:
        TxtMass->setFocus();
        break;
    case CyberField::Size:
        TxtSize->setFocus();
        break;
    case CyberField::Cost:
        TxtCost->setFocus();
        break;
    case CyberField::None:
        break;
    }
}

bool CyberTechPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* grid = qobject_cast<QTableWidget*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (grid && ((grid == SgCyberTech && (key == Qt::Key_Return || key == Qt::Key_Enter)) ||
                     (grid == SgSelCyberTech && key == Qt::Key_Delete))) {
            Activate(grid);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CyberTechPage::Render(const ViewData& views, const std::set<std::string>& changed) {
    if (Touched(changed, kCyberCatalogueTable))
        RenderGearGrid(SgCyberTech, views.Table(kCyberCatalogueTable));
    if (Touched(changed, kCyberwareTable))
        RenderGearGrid(SgSelCyberTech, views.Table(kCyberwareTable));
    if (Touched(changed, kCyberCostLabel)) RenderLabel(LblCost, views.Label(kCyberCostLabel));
    if (Touched(changed, kCyberMassLabel)) RenderLabel(LblMass, views.Label(kCyberMassLabel));
    if (Touched(changed, kCyberSizeLabel)) RenderLabel(LblSize, views.Label(kCyberSizeLabel));
    if (Touched(changed, kCyberToleranceLabel))
        LblTolerance->setText(ToleranceSymbols(views.Label(kCyberToleranceLabel).text));
    if (Touched(changed, kCyberWarningLabel))
        RenderLabel(LblWarning, views.Label(kCyberWarningLabel));
    if (Touched(changed, kCyberSkillCheck))
        RenderCheck(CbCyberSkill, views.Check(kCyberSkillCheck));
}
