#pragma once
// Who the hero is, as typed or picked on the Main and Notes pages: the names, the career,
// the free notes, the gender, the motivation, the moral attitude and the two traits.

#include "hero/HeroDocument.h"

#include <string>
#include <vector>

class RulesConfiguration;

// The identity fields a person types.
enum class IdentityField { HeroName, Player, GameMaster, Career, FreeNotes };
// The identity choices a person picks from a list.
enum class IdentityChoice { Gender, Motivation, MoralAttitude, Trait1, Trait2 };

inline const std::vector<std::string> kGenderChoices{"Male", "Female", "Other", "(none/blank)"};

class HeroIdentity {
public:
    HeroIdentity(HeroDocument& document, const RulesConfiguration& rules)
        : document_(document), rules_(rules) {}

    void SetText(IdentityField field, const std::string& text);
    // Picks the entry at `index` of the choice's list (-1 or beyond it: none).
    void Choose(IdentityChoice choice, int index);
    // Shows the fields, the choices, the file name and the rule set in force.
    void Paint();

private:
    HeroDocument& document_;
    const RulesConfiguration& rules_;
};

inline constexpr LabelName kHeroNameLabel{"HeroName"};
inline constexpr LabelName kPlayerNameLabel{"PlayerName"};
inline constexpr LabelName kGameMasterLabel{"GameMaster"};
inline constexpr LabelName kCareerLabel{"Career"};
inline constexpr LabelName kFileNameLabel{"FileName"};
inline constexpr LabelName kFreeNotesLabel{"FreeNotes"};
inline constexpr ChoiceName kGenderChoice{"Gender"};
inline constexpr ChoiceName kMotivationChoice{"Motivation"};
inline constexpr ChoiceName kMoralAttitudeChoice{"MoralAttitude"};
inline constexpr ChoiceName kTrait1Choice{"Trait1"};
inline constexpr ChoiceName kTrait2Choice{"Trait2"};
