#pragma once
// Perks and flaws: the catalogue entries the hero may tick (those of active sources), the
// custom entries the person added (kept in the defaults file for every hero), the two check
// lists, their totals and the net adjustment of the skill points used, and the wealth markers
// that starting money reads.
//
// Each list shows the offered catalogue entries, then every custom entry; an item reads its
// cost, " - " and its name. The hero's ticks live on the entries themselves, so a tick on a
// catalogue entry whose source is switched off is kept (and written to the hero file) but
// counts in no total until the source is active again.

#include "hero/HeroDocument.h"
#include "hero/TypeDefinitions.h"

#include <string>
#include <vector>

class RulesConfiguration;

// The totals of the ticked perks and flaws that the lists show.
struct PerkFlawTotals {
    int perkCost = 0;    // minus the sum of the ticked perks' costs
    int flawBenefit = 0; // the sum of the ticked flaws' costs
    int net = 0;         // flawBenefit + perkCost: subtracted from the skill points used
    bool filthyRich = false;
    bool dirtPoor = false;
};
PerkFlawTotals TotalPerksAndFlaws(const THero& hero, const std::vector<PerkFlawItem>& customPerks,
                                  const std::vector<PerkFlawItem>& customFlaws);

enum class PerkOrFlaw { Perk, Flaw };

class PerksAndFlaws {
public:
    PerksAndFlaws(HeroDocument& document, RulesConfiguration& rules)
        : document_(document), rules_(rules) {}

    // Rereads perksnflaws.xml; every entry starts unticked.
    void LoadPerksFlaws();
    // Ticks again, by name, the first new entry of each entry ticked before a reload.
    void RestoreSelections(const std::vector<PerkFlawItem>& keptPerks,
                           const std::vector<PerkFlawItem>& keptFlaws);

    // Ticks or unticks the item at a position of the perk or flaw list (from 0).
    void TogglePerk(int item);
    void ToggleFlaw(int item);
    // Ticks every perk (flaw) of that name, catalogue and custom; a name matching nothing
    // changes nothing.
    void AddPerk(const std::string& name);
    void AddFlaw(const std::string& name);
    // Unticks everything; the custom entries stay.
    void ClearPerksFlaws();

    // "Add Custom" with the fields as typed: true when the entry was added (unticked, at the
    // end of its list) and the defaults file rewritten. A refusal is said in an error box;
    // `focusDescription` then says whether the description field should take the focus.
    struct CustomResult {
        bool added = false;
        bool focusDescription = false;
    };
    CustomResult AddCustomPerkFlaw(PerkOrFlaw kind, const std::string& costText,
                                   const std::string& description);

    // Shows both lists, the three totals and sets the wealth markers.
    void PaintPerksFlaws();

private:
    // The entry shown at a list position; null when there is none.
    PerkFlawItem* ShownItem(PerkOrFlaw kind, int item);
    void Toggle(PerkOrFlaw kind, int item);
    void Tick(PerkOrFlaw kind, const std::string& name);

    HeroDocument& document_;
    RulesConfiguration& rules_;
};

// The two lists: one row per item, {"X" when ticked else "", the item's text}.
inline constexpr TableName kPerkList{"Perks"};
inline constexpr TableName kFlawList{"Flaws"};
inline constexpr LabelName kPerksCostLabel{"PerksCost"};
inline constexpr LabelName kFlawBenefitLabel{"FlawBenefit"};
// Red when negative.
inline constexpr LabelName kNetAdjustmentLabel{"NetAdjustment"};
