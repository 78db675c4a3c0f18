#pragma once
// FX: the FX catalogue "fx.xml" with its benefit steps, the FX offered to the hero (active
// sources, in catalogue order, with one placeholder per FX type standing for the type's node
// of the tree), the FX label and the specialization an adept chooses, buying, ranking and
// removing, always-active FX with their bonus totals, the FX table and the FX points.
//
// The offered list is rebuilt when the specialization changes, which drops the hero's FX; a
// reload of the catalogues after a change of sources puts them back by name, rank and active
// mark. The FX stay across a change of profession; their prices follow the FX label: the
// specialization takes one off the price only while the profession chooses one.
//
// The bonus totals are a pure function of the bought, active FX and their benefit steps
// (`CountFXTotals`, before the derived scores). Each change of them moves the attribute scores
// by exactly what the totals count, so an attribute's base never moves with FX.

#include "hero/HeroDocument.h"
#include "hero/TypeDefinitions.h"
#include "skills/FXCatalogue.h"

#include <map>
#include <string>
#include <vector>

class RulesConfiguration;
class ProfessionChoice;

class FXPurchases {
public:
    FXPurchases(HeroDocument& document, const RulesConfiguration& rules,
                const ProfessionChoice& professions)
        : document_(document), rules_(rules), professions_(professions) {}

    // Rereads fx.xml, fills the specialization choices (the chosen one stays while it is one
    // of them) and offers its FX afresh.
    void LoadFX();
    // Offers the catalogue's FX of active sources; no FX stays bought.
    void OfferFX();
    // Buys again, by name, rank and active mark, what was bought before a reload.
    void RestorePurchases(const std::vector<TFX>& kept);

    // The specialization at `index` of the choices (-1: none). A change rebuilds the offered
    // list; the same choice again changes nothing.
    void ChooseFXSpecialization(int index);
    // The choice of that text when there is one (else the choice stays); the offered list is
    // rebuilt either way (hero files).
    void ChooseFXSpecializationByName(const std::string& name);

    // Buys the offered FX of a tree node (double click or "<") with its broad skill; refused
    // while an adept has no specialization. The table row of the FX (0 when none).
    int BuyFX(int node);
    // Buys every offered FX of that name without asking (hero files) at `rank`, made always
    // active when asked and allowed. False when no offered FX has the name.
    bool AddFX(const std::string& name, int rank, bool makeActive);
    // One rank up or down for every bought specialty of that name (broad FX have no rank).
    void RaiseFXRank(const std::string& name);
    void LowerFXRank(const std::string& name);
    // "+" and "-" on a table row (from 1; 0 when no row is selected).
    void RaiseRowRank(int row);
    void LowerRowRank(int row);
    // ">" on a table row: a broad FX goes with its specialties.
    void RemoveFX(int row);
    // Whether the FX of a table row may be made always active.
    bool CanMakeActive(int row) const;
    // "Make Always Active" on a table row. An FX stops being active when it is removed.
    void MakeAlwaysActive(int row);
    // Deselects every FX and chooses no specialization.
    void ClearFX();

    // Recomputes the bonus totals and moves the attribute scores by their change. True when
    // the totals changed.
    bool CountFXTotals();
    // Shows the FX label, the specialization choice and the tree.
    void PaintFXChoices();
    // Prices the bought FX at their ranks and shows the table, the always-active list and
    // the FX points.
    void PaintSelectedFX();

    // The FX label of the chosen profession chooses a specialization.
    bool SpecializationShown() const;
    // The specialization in force: the chosen one while it is shown, else none.
    std::string SpecializationInForce() const;
    const FXCatalogue& Catalogue() const { return catalogue_; }
    const std::vector<std::string>& SpecializationChoices() const { return choices_; }

private:
    // The per-rank price of an offered FX: the catalogue's, less 1 in the specialization.
    int PriceOf(const TFX& offered, const std::string& specialization) const;
    TableView FXTable() const;
    TableView FXTree() const;
    int RowOf(const std::string& name) const;
    void ReportUnmatched(const std::vector<std::string>& names) const;

    HeroDocument& document_;
    const RulesConfiguration& rules_;
    const ProfessionChoice& professions_;
    FXCatalogue catalogue_;
    std::vector<std::string> choices_;
    std::map<std::string, int, std::less<>> prices_; // the first catalogue price of each name
};

// The FX table is kFXTable ("FX") and its label kFXLabel ("FXLabel"), beside the budget that
// reads them.
inline constexpr TableName kFXTree{"FXTree"};
inline constexpr TableName kAlwaysActiveTable{"AlwaysActive"}; // one cell per row: the name
inline constexpr ChoiceName kFXSpecializationChoice{"FXSpecialization"};
inline constexpr LabelName kFXSpecializationLabel{"FXSpecialization"}; // the one in force
// FX points left, spent and granted by the rule set: "4  [6 used of 10]"; red when overspent.
inline constexpr LabelName kFXPointsLabel{"FXPoints"};
