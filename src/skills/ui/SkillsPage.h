#pragma once
// The Skills page: the skill tree and table (a purchase page on the skill operations).

#include "skills/ui/PurchasePage.h"

class HeroBuilder;

class SkillsPage : public PurchasePage {
    Q_OBJECT
public:
    SkillsPage(HeroBuilder& builder, QWidget* parent = nullptr);

    QTreeWidget* const TvSkills = Tree;
    QTableWidget* const GridSkills = Grid;
    QPushButton* const CmdSkillAdd = CmdAdd;
    QPushButton* const CmdSkillUp = CmdUp;
    QPushButton* const CmdSkillDn = CmdDn;
    QPushButton* const CmdSkillRem = CmdRem;
};
