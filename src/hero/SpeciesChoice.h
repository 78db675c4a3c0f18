#pragma once
// The species choice: the names of the species of active sources, and choosing one, which
// copies its full record into the hero along with its special choices (the primitive
// penalty reduction and the Cyberskill).

#include "hero/HeroDocument.h"
#include "hero/SpeciesCatalogue.h"

#include <string>
#include <vector>

class RulesConfiguration;

class SpeciesChoice {
public:
    SpeciesChoice(HeroDocument& document, const RulesConfiguration& rules)
        : document_(document), rules_(rules) {}

    // Rebuilds the species list from the catalogue (configuration load).
    void LoadNames();
    // Makes the species at `index` of the list the hero's (-1 or beyond the list: none):
    // its record (as the last load read it) is copied, the primitive choice is cleared and the
    // Cyberskill follows it.
    void Choose(int index);
    // The chosen species is no longer offered (its source went away): the hero has no
    // species any more, and what came with it goes too. Nothing is asked.
    void Drop();
    // Puts back the special choices the hero had before its species was chosen again.
    void RestoreChoices(bool primitive, bool cyberSkill);
    // Reduces the primitive penalty, or not.
    void SetPrimitive(bool reduced);
    // Gives or takes the Cyberskill (it stays while the species grants it).
    void SetCyberSkill(bool taken);

    const std::vector<std::string>& List() const { return list_; }
    // The position of a species in the list; -1 when it is not offered.
    int IndexOf(const std::string& name) const;
    // The name shown in the species choice; empty when none is chosen.
    std::string ChosenName() const;
    // Shows the species choice, the primitive choice and the Cyberskill box.
    void PaintChoices();

private:
    HeroDocument& document_;
    const RulesConfiguration& rules_;
    SpeciesNameScanner scanner_;
    SpeciesRecords records_; // every species as the last load read it
    std::vector<std::string> list_;
};

inline constexpr const char* kPrimitiveCaption = "Reduce Primitive Penalty From +2 to +1 step";
inline constexpr const char* kCyberSkillFreeCaption = "Cyberskill [ Free ]";
inline constexpr const char* kCyberSkillPaidCaption = "Cyberskill [ 10 skill points ]";

inline constexpr ChoiceName kSpeciesChoice{"Species"};
inline constexpr LabelName kSpeciesLabel{"Species"};
inline constexpr CheckName kPrimitiveCheck{"Primitive"};
inline constexpr CheckName kCyberSkillCheck{"CyberSkill"};
