#pragma once
// The skills a hero buys: the skill catalogue, the skills offered to the hero (priced for
// its profession, with its purchases), the tree of skills on offer, buying, ranking,
// removing and cashing out, free skills of the species, and the skill table.

#include "hero/HeroDocument.h"
#include "hero/TypeDefinitions.h"

#include <string>
#include <vector>

class RulesConfiguration;
class ProfessionChoice;

class SkillPurchases {
public:
    SkillPurchases(HeroDocument& document, const RulesConfiguration& rules,
                   const ProfessionChoice& professions)
        : document_(document), rules_(rules), professions_(professions) {}

    // Rereads skills.xml and offers its skills again (free skills of the species included).
    void LoadSkills();
    // Rebuilds the offered list and the tree for the current profession, keeping purchases.
    void OfferSkills();
    // Gives the chosen species' free skills.
    void GrantFreeSkills();
    // Puts the purchases kept before a reload back by name and rank.
    void RestorePurchases(const std::vector<TSkillItem>& keptSkills,
                          const std::vector<TSkillItem>& keptInstances);

    // Buys a skill without asking anything (hero files). True when a skill was bought.
    bool AddSkill(const std::string& name, const std::string& detail, int rank);
    // Buys the offered entry at a tree node (double click or "<"); a Multi skill asks for
    // the instance's detail. Returns the table row of the skill bought (0 when none).
    int BuySkill(int node);
    // Removes the skill of a table row (">"), or offers to cash it out when it is free; rows
    // are numbered from 1 below the header.
    void RemoveSkill(int row);
    // Records a cash-out of a free skill.
    void CashOutFreeSkill(const std::string& name);
    // Raise or lower one rank; the key is a row's first cell without its leading blanks.
    void RaiseSkillRank(const std::string& key);
    void LowerSkillRank(const std::string& key);
    // "+" and "-": the row is the selected table row, 0 when none is selected.
    void RaiseRowRank(int row);
    void LowerRowRank(int row);
    // Deselects every skill and empties the instances.
    void ClearSkills();

    // Shows the skill table.
    void PaintSelectedSkills();
    // The rows the skill table shows below its header.
    int TableRowCount() const;

    const std::vector<TSkillItem>& Catalogue() const { return catalogue_; }

private:
    TableView SkillTable() const;
    // Says once for each row that came into the table whose skill names no valid attribute.
    void ReportUnmatchedAttributes(const std::vector<std::string>& rowsBefore);
    std::vector<std::string> UnmatchedRows() const;

    HeroDocument& document_;
    const RulesConfiguration& rules_;
    const ProfessionChoice& professions_;
    std::vector<TSkillItem> catalogue_;
};

inline constexpr TableName kSkillTable{"Skills"};
inline constexpr TableName kSkillTree{"SkillTree"};
