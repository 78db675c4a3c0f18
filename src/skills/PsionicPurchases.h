#pragma once
// Psionic skills: the psionic catalogue "psionics.xml" (read as the skill catalogue is,
// without combat specializations, every entry bought at most once), the psionic skills offered
// to the hero (active sources, priced for the profession), the tree, buying, ranking and
// removing, the species' free psionic skills, the psionic table and the psionic energy.
//
// A change of profession or species leaves the hero with only its free psionic skills; a
// reload of the catalogues after a change of sources keeps the bought ones by name and rank.

#include "hero/HeroDocument.h"
#include "hero/TypeDefinitions.h"

#include <string>
#include <vector>

class RulesConfiguration;
class ProfessionChoice;

class PsionicPurchases {
public:
    PsionicPurchases(HeroDocument& document, const RulesConfiguration& rules,
                     const ProfessionChoice& professions)
        : document_(document), rules_(rules), professions_(professions) {}

    // Rereads psionics.xml, offers its entries and gives the species' free psionic skills.
    void LoadPsionics();
    // Offers the catalogue's entries of active sources afresh for the chosen profession; no
    // psionic skill stays bought.
    void OfferPsionics();
    // Deselects every psionic skill, then gives the chosen species' free ones (cost 0).
    void GrantFreePsionics();
    // Buys again, by name and rank, what was bought before a reload.
    void RestorePurchases(const std::vector<TSkillItem>& kept);

    // Buys the offered entry at a tree node (double click or "<") with its broad skill.
    // Returns the table row of the entry (0 when none).
    int BuyPsionic(int node);
    // Buys without asking (hero files) at `rank`; the broad skill is not bought with it.
    // False when no offered entry has the name.
    bool AddPsi(const std::string& name, int rank);
    // One rank up or down for every offered specialty of that name (broad skills have no rank).
    void RaisePsionicRank(const std::string& name);
    void LowerPsionicRank(const std::string& name);
    // "+" and "-" on a table row (from 1; 0 when no row is selected).
    void RaiseRowRank(int row);
    void LowerRowRank(int row);
    // ">" on a table row: a broad skill goes with its specialties; a free skill is refused.
    void RemovePsionic(int row);
    // Deselects every psionic skill.
    void ClearPsi();

    // Prices the bought skills at their ranks and shows the table and the energy.
    void PaintSelectedPsionics();
    // Trunc(WIL x (the profession's psionic adjustment + the species' multiplier)); with no
    // profession chosen the species' multiplier alone.
    int Energy() const;

    const std::vector<TSkillItem>& Catalogue() const { return catalogue_; }

private:
    TableView PsionicTable() const;
    int RowOf(const std::string& name) const;
    bool IsFree(const std::string& name) const;

    HeroDocument& document_;
    const RulesConfiguration& rules_;
    const ProfessionChoice& professions_;
    std::vector<TSkillItem> catalogue_;
};

// The psionic table is kPsionicTable ("Psionics", beside the budget that reads it).
inline constexpr TableName kPsionicTree{"PsionicTree"};
inline constexpr LabelName kPsionicEnergyLabel{"PsionicEnergy"};
