#pragma once
// The Combat page: the hero's weapons (unarmed attacks, natural attack, carried weapons) and
// armor, each with the score and step the hero uses it with.

#include "app/ui/ViewWidgets.h"

#include <QWidget>

class HeroBuilder;
class QTableWidget;

class CombatPage : public QWidget, public ViewPage {
    Q_OBJECT
public:
    CombatPage(HeroBuilder& builder, QWidget* parent = nullptr);
    void Render(const ViewData& views, const std::set<std::string>& changed) override;

    QTableWidget* SgWeapons = nullptr;
    QTableWidget* SgArmor = nullptr;
};
