#include "gear/ui/TFrmEquip.h"

#include "app/HeroBuilder.h"
#include "app/ui/ViewWidgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFrmEquip::TFrmEquip(HeroBuilder& builder, QWidget* parent)
    : ToolWindow(tr("Custom Equipment"), "TFrmEquip", parent), builder_(builder) {
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const auto edit = [this](const char* name, const QString& text = QString()) {
        auto* field = new QLineEdit(text, this);
        field->setObjectName(name);
        return field;
    };
    TxtSource = edit("TxtSource", "Custom");
    TxtSource->setReadOnly(true);
    CmbCategory = new QComboBox(this);
    CmbCategory->setObjectName("CmbCategory");
    CmbSubcategory = new QComboBox(this);
    CmbSubcategory->setObjectName("CmbSubcategory");
    TxtName = edit("TxtName");
    TxtMass = edit("TxtMass", "0.1");
    TxtPL = edit("TxtPL", "7");
    TxtCost = edit("TxtCost", "1");
    TxtQty = edit("TxtQty", "1");
    TxtAmmo = edit("TxtAmmo");
    TxtHide = edit("TxtHide");
    TxtRanges = edit("TxtRanges");
    TxtDmgO = edit("TxtDmgO");
    TxtDmgG = edit("TxtDmgG");
    TxtDmgA = edit("TxtDmgA");
    TxtAcc = edit("TxtAcc");
    CmbType = new QComboBox(this);
    CmbType->setObjectName("CmbType");
    for (const char* type : kEquipmentTypes)
        CmbType->addItem(type);
    form->addRow(tr("Source:"), TxtSource);
    form->addRow(tr("Category:"), CmbCategory);
    form->addRow(tr("Subcategory:"), CmbSubcategory);
    form->addRow(tr("Item Name:"), TxtName);
    auto* mass = new QHBoxLayout;
    mass->addWidget(TxtMass);
    mass->addWidget(new QLabel(tr("kg"), this));
    form->addRow(tr("Mass:"), mass);
    form->addRow(tr("PL:"), TxtPL);
    form->addRow(tr("Cost:"), TxtCost);
    form->addRow(tr("Qty:"), TxtQty);
    form->addRow(tr("Ammo:"), TxtAmmo);
    form->addRow(tr("Hide:"), TxtHide);
    form->addRow(tr("Ranges:"), TxtRanges);
    form->addRow(tr("DMG-O:"), TxtDmgO);
    form->addRow(tr("DMG-G:"), TxtDmgG);
    form->addRow(tr("DMG-A:"), TxtDmgA);
    form->addRow(tr("ACC:"), TxtAcc);
    form->addRow(tr("Type:"), CmbType);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    CmdAdd = new QPushButton(tr("Add"), this);
    CmdAdd->setObjectName("CmdAdd");
    CmdCancel = new QPushButton(tr("Cancel"), this);
    CmdCancel->setObjectName("CmdCancel");
    buttons->addStretch(1);
    buttons->addWidget(CmdAdd);
    buttons->addWidget(CmdCancel);
    layout->addLayout(buttons);
    connect(CmdAdd, &QPushButton::clicked, this, &TFrmEquip::Add);
    connect(CmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(CmbCategory, &QComboBox::activated, this, &TFrmEquip::ChooseCategory);

    for (const std::string& category : builder_.Rules().config.equipmentCategories)
        CmbCategory->addItem(ToQt(category));
    CmbCategory->setCurrentIndex(-1);
    ChooseCategory();
}

void TFrmEquip::showEvent(QShowEvent* event) {
    TxtName->clear();
    CmbCategory->setFocus();
    ToolWindow::showEvent(event);
}

void TFrmEquip::ChooseCategory() {
    const std::string category = CmbCategory->currentText().toStdString();
    CmbSubcategory->clear();
    for (const TEquipmentSubCategory& pair : builder_.Rules().config.equipmentSubcategories)
        if (pair.Category == category) CmbSubcategory->addItem(ToQt(pair.Name));
    CmbSubcategory->setCurrentIndex(-1);
    const CustomEquipmentUnlocked unlocked = UnlockedFor(category);
    const std::pair<QLineEdit*, bool> fields[] = {
        {TxtAmmo, unlocked.ammo},  {TxtHide, unlocked.hide},   {TxtRanges, unlocked.ranges},
        {TxtAcc, unlocked.acc},    {TxtDmgO, unlocked.damage}, {TxtDmgG, unlocked.damage},
        {TxtDmgA, unlocked.damage}};
    for (const auto& [field, open] : fields) {
        field->clear();
        field->setReadOnly(!open);
        field->setEnabled(open);
    }
    CmbType->setCurrentIndex(-1);
    CmbType->setEnabled(unlocked.type);
}

void TFrmEquip::Add() {
    CustomEquipmentForm form;
    form.category = CmbCategory->currentText().toStdString();
    form.subcategory = CmbSubcategory->currentText().toStdString();
    form.name = TxtName->text().toStdString();
    form.mass = TxtMass->text().toStdString();
    form.pl = TxtPL->text().toStdString();
    form.cost = TxtCost->text().toStdString();
    form.qty = TxtQty->text().toStdString();
    form.ammo = TxtAmmo->text().toStdString();
    form.hide = TxtHide->text().toStdString();
    form.ranges = TxtRanges->text().toStdString();
    form.dmgO = TxtDmgO->text().toStdString();
    form.dmgG = TxtDmgG->text().toStdString();
    form.dmgA = TxtDmgA->text().toStdString();
    form.acc = TxtAcc->text().toStdString();
    form.type = CmbType->isEnabled() ? CmbType->currentText().toStdString() : std::string();
    QWidget* focus = nullptr;
    switch (builder_.Gear().AddCustomEquipment(form)) {
    case EquipmentField::None:
        accept();
        return;
    case EquipmentField::Category:
        focus = CmbCategory;
        break;
    case EquipmentField::Subcategory:
        focus = CmbSubcategory;
        break;
    case EquipmentField::Qty:
        focus = TxtQty;
        break;
    case EquipmentField::Mass:
        focus = TxtMass;
        break;
    case EquipmentField::PL:
        focus = TxtPL;
        break;
    case EquipmentField::Cost:
        focus = TxtCost;
        break;
    case EquipmentField::Ammo:
        focus = TxtAmmo;
        break;
    case EquipmentField::Type:
        focus = CmbType;
        break;
    }
    if (focus) focus->setFocus();
}
