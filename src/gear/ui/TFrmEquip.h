#pragma once
// The dialog in which the person describes an equipment item of their own ("Custom
// Equipment"). The category unlocks the fields that mean something for it; "Add" hands the
// form to the equipment subsystem, which checks it and carries the item.

#include "app/ui/ToolWindow.h"

class HeroBuilder;
class QComboBox;
class QLineEdit;
class QPushButton;

class TFrmEquip : public ToolWindow {
    Q_OBJECT
public:
    TFrmEquip(HeroBuilder& builder, QWidget* parent);

    QLineEdit* TxtSource = nullptr;
    QComboBox* CmbCategory = nullptr;
    QComboBox* CmbSubcategory = nullptr;
    QLineEdit* TxtName = nullptr;
    QLineEdit* TxtMass = nullptr;
    QLineEdit* TxtPL = nullptr;
    QLineEdit* TxtCost = nullptr;
    QLineEdit* TxtQty = nullptr;
    QLineEdit* TxtAmmo = nullptr;
    QLineEdit* TxtHide = nullptr;
    QLineEdit* TxtRanges = nullptr;
    QLineEdit* TxtDmgO = nullptr;
    QLineEdit* TxtDmgG = nullptr;
    QLineEdit* TxtDmgA = nullptr;
    QLineEdit* TxtAcc = nullptr;
    QComboBox* CmbType = nullptr;
    QPushButton* CmdAdd = nullptr;
    QPushButton* CmdCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ChooseCategory();
    void Add();

    HeroBuilder& builder_;
};
