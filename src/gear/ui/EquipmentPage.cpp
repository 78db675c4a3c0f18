#include "gear/ui/EquipmentPage.h"

#include "app/HeroBuilder.h"
#include "app/ui/SearchBox.h"
#include "gear/ui/GearGrid.h"
#include "gear/ui/TFrmEquip.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

EquipmentPage::EquipmentPage(HeroBuilder& builder, QWidget* parent)
    : QWidget(parent), builder_(builder) {
    setObjectName("PageEquipment");
    auto* layout = new QGridLayout(this);

    auto* filter = new QHBoxLayout;
    CmbCategory = NewChoice(this, "CmbCategory", 16);
    CmbSubcategory = NewChoice(this, "CmbSubcategory", 20);
    auto* category = new QLabel(tr("&Category:"), this);
    category->setBuddy(CmbCategory);
    auto* subcategory = new QLabel(tr("&Subcategory:"), this);
    subcategory->setBuddy(CmbSubcategory);
    filter->addWidget(category);
    filter->addWidget(CmbCategory);
    filter->addWidget(subcategory);
    filter->addWidget(CmbSubcategory);
    filter->addWidget(new QLabel(tr("PL:"), this));
    for (int level = 0; level < static_cast<int>(CbPL.size()); ++level) {
        auto* box = new QCheckBox(QString::number(level), this);
        box->setObjectName(QString("CbPL%1").arg(level));
        box->setChecked(true);
        connect(box, &QCheckBox::clicked, this,
                [this, level](bool ticked) { builder_.Gear().SetProgressLevel(level, ticked); });
        CbPL[static_cast<std::size_t>(level)] = box;
        filter->addWidget(box);
    }
    filter->addStretch(1);
    layout->addLayout(filter, 0, 0, 1, 2);
    connect(CmbCategory, &QComboBox::activated, this, [this](int index) {
        builder_.Gear().ChooseCategory(CmbCategory->itemText(index).toStdString());
    });
    connect(CmbSubcategory, &QComboBox::activated, this, [this](int index) {
        builder_.Gear().ChooseSubcategory(CmbSubcategory->itemText(index).toStdString());
    });

    SgEquipment = NewGearGrid(this, "SgEquipment",
                              tr("Double-click an item, or press Enter on it, to carry it"));
    SgSelEquipment = NewGearGrid(this, "SgSelEquipment", tr("The equipment carried"));
    SgEquipment->installEventFilter(this);
    connect(SgEquipment, &QTableWidget::cellDoubleClicked, this, [this] { TakeItem(); });
    auto* available = new QLabel(tr("A&vailable Equipment:"), this);
    available->setBuddy(SgEquipment);
    auto* carried = new QLabel(tr("Ca&rried Equipment:"), this);
    carried->setBuddy(SgSelEquipment);
    layout->addWidget(available, 1, 0);
    layout->addWidget(SgEquipment, 2, 0);
    layout->addWidget(carried, 1, 1);
    layout->addWidget(SgSelEquipment, 2, 1);

    auto* buttons = new QHBoxLayout;
    CmdQtyUp = new QPushButton("+", this);
    CmdQtyUp->setObjectName("CmdQtyUp");
    CmdQtyDown = new QPushButton("-", this);
    CmdQtyDown->setObjectName("CmdQtyDown");
    CmdRemove = new QPushButton(tr("Remove Selected Equipment"), this);
    CmdRemove->setObjectName("CmdRemoveEquipment");
    CmdCustom = new QPushButton(tr("Add Custom Equipment"), this);
    CmdCustom->setObjectName("CmdCustomEquipment");
    LblCost = new QLabel(this);
    LblCost->setObjectName("LblEquipmentCost");
    LblMass = new QLabel(this);
    LblMass->setObjectName("LblEquipmentMass");
    buttons->addWidget(CmdQtyUp);
    buttons->addWidget(CmdQtyDown);
    buttons->addWidget(CmdRemove);
    buttons->addWidget(CmdCustom);
    buttons->addStretch(1);
    buttons->addWidget(new QLabel(tr("Total Cost:"), this));
    buttons->addWidget(LblCost);
    buttons->addWidget(new QLabel(tr("Total Mass:"), this));
    buttons->addWidget(LblMass);
    layout->addLayout(buttons, 3, 0, 1, 2);
    connect(CmdQtyUp, &QPushButton::clicked, this,
            [this] { builder_.Gear().IncreaseQuantity(SelectedGearRow(SgSelEquipment)); });
    connect(CmdQtyDown, &QPushButton::clicked, this,
            [this] { builder_.Gear().DecreaseQuantity(SelectedGearRow(SgSelEquipment)); });
    connect(CmdRemove, &QPushButton::clicked, this,
            [this] { builder_.Gear().RemoveEquipment(SelectedGearRow(SgSelEquipment)); });
    connect(CmdCustom, &QPushButton::clicked, this, [this] {
        TFrmEquip dialog(builder_, this);
        if (dialog.exec() == QDialog::Accepted) SelectLastGearRow(SgSelEquipment);
    });
    SearchBox::Above(SgEquipment);
}

void EquipmentPage::TakeItem() {
    builder_.Gear().TakeItem(SelectedGearRow(SgEquipment));
    SelectLastGearRow(SgSelEquipment);
}

bool EquipmentPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SgEquipment && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            TakeItem();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void EquipmentPage::Render(const ViewData& views, const std::set<std::string>& changed) {
    if (Touched(changed, kEquipmentCategoryChoice))
        RenderChoice(CmbCategory, views.Choice(kEquipmentCategoryChoice));
    if (Touched(changed, kEquipmentSubcategoryChoice))
        RenderChoice(CmbSubcategory, views.Choice(kEquipmentSubcategoryChoice));
    for (std::size_t level = 0; level < CbPL.size(); ++level)
        if (Touched(changed, kProgressLevelChecks[level]))
            RenderCheck(CbPL[level], views.Check(kProgressLevelChecks[level]));
    if (Touched(changed, kAvailableEquipmentTable))
        RenderGearGrid(SgEquipment, views.Table(kAvailableEquipmentTable));
    if (Touched(changed, kCarriedEquipmentTable))
        RenderGearGrid(SgSelEquipment, views.Table(kCarriedEquipmentTable));
    if (Touched(changed, kEquipmentCostLabel))
        RenderLabel(LblCost, views.Label(kEquipmentCostLabel));
    if (Touched(changed, kEquipmentMassLabel))
        RenderLabel(LblMass, views.Label(kEquipmentMassLabel));
}
