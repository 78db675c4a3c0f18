#pragma once
// The skills a hero buys: the skill catalogue, the skills offered to the hero (priced for
// its profession, with its purchases), the tree of skills on offer, buying, ranking,
// removing and cashing out, free skills of the species, and the skill table.
//
// What the hero holds is what was bought (selection, ranks, instance details) and the
// cash-outs; every price follows from the hero as it stands. A skill is free while the chosen
// species grants it and it was not cashed out; any other skill costs the price of the
// profession in force. Prices and costs are recomputed whenever the table is painted, so they
// never depend on the order in which species, profession, rule set and purchases were chosen.

#include "hero/HeroDocument.h"
#include "hero/TypeDefinitions.h"

#include <cstdint>
#include <string>
#include <unordered_map>
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
    // Gives the chosen species' free skills (those not cashed out) and forgets the cash-outs of
    // skills this species does not grant.
    void GrantFreeSkills();
    // Puts the purchases kept before a reload back by name and rank.
    void RestorePurchases(const std::vector<TSkillItem>& keptSkills,
                          const std::vector<TSkillItem>& keptInstances);

    // Buys a skill without asking anything (hero files), at `rank` (1..99) directly. The
    // detail of a Multi skill is trimmed; an instance with that detail already bought takes the
    // rank instead of a second instance being added. A skill that is not Multi ignores a
    // detail. True when a skill was bought.
    bool AddSkill(const std::string& name, const std::string& detail, int rank);
    // Buys the offered entry at a tree node (double click or "<"); a Multi skill asks for
    // the instance's detail (trimmed; a detail bought already adds no second instance).
    // Returns the table row of the skill or instance bought (0 when none).
    int BuySkill(int node);
    // Removes the skill of a table row (">"), or offers to cash it out when it is free; rows
    // are numbered from 1 below the header.
    void RemoveSkill(int row);
    // Cashes out a free skill: it goes (with its specialties that are not free themselves) and
    // is worth skill points instead. False when the skill is not free (not granted by the
    // species, or cashed out already): nothing changes.
    bool CashOutFreeSkill(const std::string& name);
    // Whether the chosen species grants the skill free and it was not cashed out.
    bool IsFreeSkill(const std::string& name) const;
    // Raise or lower one rank (raising stops at rank 99); the key is a row's first cell.
    void RaiseSkillRank(const std::string& key);
    void LowerSkillRank(const std::string& key);
    // "+" and "-": the row is the selected table row, 0 when none is selected.
    void RaiseRowRank(int row);
    void LowerRowRank(int row);
    // Deselects every skill and empties the instances and the cash-outs.
    void ClearSkills();

    // Prices every skill for the hero as it stands and shows the skill table.
    void PaintSelectedSkills();
    // The rows the skill table shows below its header.
    int TableRowCount() const;

    const std::vector<TSkillItem>& Catalogue() const { return catalogue_; }

private:
    // Sets the price of every offered entry and instance for the hero as it stands and the
    // cost of each at its rank under the rule set in force.
    void PriceSkills();
    // The instance of a Multi skill with this detail; null when there is none.
    TSkillItem* FindInstance(const std::string& name, const std::string& detail);
    // Appends an instance; the one added.
    TSkillItem& AddInstance(TSkillItem instance);
    // After instances were removed: the index is built again at the next lookup.
    void ForgetInstanceIndex();
    // True while the index describes the hero's list: the same storage and length, and no
    // step undone or redone since (a restored list may reuse the storage at the same length).
    bool InstanceIndexCurrent() const;
    // Deselects an offered entry; a Multi skill's instances go with it.
    void Deselect(TSkillItem& entry);
    TableView SkillTable() const;
    // Says once for each row that came into the table whose skill names no valid attribute.
    void ReportUnmatchedAttributes(const std::vector<std::string>& rowsBefore);
    std::vector<std::string> UnmatchedRows() const;

    HeroDocument& document_;
    const RulesConfiguration& rules_;
    const ProfessionChoice& professions_;
    std::vector<TSkillItem> catalogue_;
    // Where each instance (by name and detail) lies in the hero's list, so that a hero file
    // with thousands of instances is read in linear time. It describes the list as it was at
    // `indexedData_` with `indexedSize_` entries after `indexedRestores_` undos and redos, and
    // is built again when the list differs.
    std::unordered_map<std::string, std::size_t> instanceIndex_;
    const TSkillItem* indexedData_ = nullptr;
    std::size_t indexedSize_ = 0;
    std::uint64_t indexedRestores_ = 0;
};

inline constexpr TableName kSkillTable{"Skills"};
inline constexpr TableName kSkillTree{"SkillTree"};
