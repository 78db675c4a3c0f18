#include "gear/ui/CombatPage.h"

#include "app/HeroBuilder.h"
#include "gear/ui/GearGrid.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

CombatPage::CombatPage(HeroBuilder&, QWidget* parent) : QWidget(parent) {
    setObjectName("PageCombat");
    auto* layout = new QVBoxLayout(this);
    SgWeapons =
        NewGearGrid(this, "SgWeapons", tr("Unarmed attacks, natural attack and weapons carried"));
    SgArmor = NewGearGrid(this, "SgArmor", tr("Natural armor and armor carried"));
    auto* weapons = new QLabel(tr("&Weapons:"), this);
    weapons->setBuddy(SgWeapons);
    auto* armor = new QLabel(tr("&Armor:"), this);
    armor->setBuddy(SgArmor);
    layout->addWidget(weapons);
    layout->addWidget(SgWeapons, 3);
    layout->addWidget(armor);
    layout->addWidget(SgArmor, 2);
}

void CombatPage::Render(const ViewData& views, const std::set<std::string>& changed) {
    if (Touched(changed, kWeaponsTable)) RenderGearGrid(SgWeapons, views.Table(kWeaponsTable));
    if (Touched(changed, kArmorTable)) RenderGearGrid(SgArmor, views.Table(kArmorTable));
}
