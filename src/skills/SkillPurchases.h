#pragma once
// The skills a hero buys: the skill catalogue, the skills offered to the hero (priced for
// its profession, with its purchases), the tree of skills on offer, buying, ranking,
// removing and cashing out, free skills of the species, and the skill table.

#include "hero/TypeDefinitions.h"

#include <string>
#include <vector>

class HeroBuilder;

class SkillPurchases {
public:
    explicit SkillPurchases(HeroBuilder& builder) : builder_(builder) {}

    // Rereads skills.xml and rebuilds the offered list, the tree and the table.
    void PopulateSkills();
    // Rebuilds the offered list and the tree for the current profession, keeping purchases.
    void PaintAllSkills();
    // Gives the chosen species' free skills.
    void ProcessFreeSkills();
    // Puts the purchases kept before a reload back by name and rank.
    void RestorePurchases(const std::vector<TSkillItem>& keptSkills,
                          const std::vector<TSkillItem>& keptInstances);

    // Buys a skill without asking anything (hero files). True when a skill was bought.
    bool AddSkill(const std::string& name, const std::string& detail, int rank);
    // Buys the offered entry at a tree node (double click or "<").
    void TvSkillsDblClick(int node);
    // Removes, or cashes out when it is free, the skill of a table row (">"); rows are
    // numbered from 1 below the header.
    void CmdSkillRemClick(int row);
    // Records a cash-out of a free skill.
    void CashOutFreeSkill(const std::string& name);
    // Raise or lower one rank; the key is a row's first cell without its leading blanks.
    void IncreaseSkillRank(const std::string& key);
    void DecreaseSkillRank(const std::string& key);
    // "+" and "-": the row is the selected table row, 0 when none is selected.
    void CmdSkillUpClick(int row);
    void CmdSkillDnClick(int row);
    // Deselects every skill and empties the instances.
    void ClearSkills();
    // Paints the skill table, then recomputes the skill point budget.
    void PaintSelectedSkills();

    const std::vector<TSkillItem>& Catalogue() const { return catalogue_; }

private:
    HeroBuilder& builder_;
    std::vector<TSkillItem> catalogue_;
};
