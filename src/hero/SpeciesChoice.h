#pragma once
// The species choice: the names of the species of active sources, and choosing one, which
// copies its full record into the hero and re-applies every species-dependent value.

#include "hero/SpeciesCatalogue.h"

#include <string>
#include <vector>

class HeroBuilder;

class SpeciesChoice {
public:
    explicit SpeciesChoice(HeroBuilder& builder) : builder_(builder) {}

    // Rebuilds the species list from the catalogue (configuration load).
    void ScanNames();
    // The person (or a hero file, or a reload) chose the species at `index` of the list.
    void CmbSpeciesChange(int index);
    // The chosen species is no longer offered (its source went away): the hero has no
    // species any more, and what came with it goes too. Nothing is asked.
    void DropSpecies();
    // The primitive penalty choice was ticked or unticked.
    void CbPrimitiveClick(bool checked);
    // The Cyberskill box was ticked or unticked (it cannot be while the species grants it).
    void CbCyberSkillClick(bool checked);

    const std::vector<std::string>& List() const { return list_; }
    // The name shown in the species choice; empty when none is chosen.
    std::string ChosenName() const;
    // Shows the species choice, the primitive choice and the Cyberskill box.
    void PaintChoices();

private:
    HeroBuilder& builder_;
    SpeciesNameScanner scanner_;
    std::vector<std::string> list_;
};

inline constexpr const char* kPrimitiveCaption = "Reduce Primitive Penalty From +2 to +1 step";
inline constexpr const char* kCyberSkillFreeCaption = "Cyberskill [ Free ]";
inline constexpr const char* kCyberSkillPaidCaption = "Cyberskill [ 10 skill points ]";
