#include "skills/ui/SkillsPage.h"

#include "app/HeroBuilder.h"

SkillsPage::SkillsPage(HeroBuilder& builder, QWidget* parent)
    : PurchasePage({.name = "Skills",
                    .prefix = "Skill",
                    .title = {},
                    .tree = kSkillTree,
                    .table = kSkillTable,
                    .buy = [&builder](int node) { return builder.Skills().BuySkill(node); },
                    .raise = [&builder](int row) { builder.Skills().RaiseRowRank(row); },
                    .lower = [&builder](int row) { builder.Skills().LowerRowRank(row); },
                    .remove = [&builder](int row) { builder.Skills().RemoveSkill(row); }},
                   parent) {}
