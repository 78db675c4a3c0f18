#pragma once
// The profession choice: the profession list (the seven built-in professions, then those of
// the configuration catalogue), choosing a profession with its attribute minimums, and the
// specialization choice that three of them offer.

#include "hero/HeroDocument.h"
#include "hero/TypeDefinitions.h"

#include <string>
#include <vector>

class RulesConfiguration;

class ProfessionChoice {
public:
    ProfessionChoice(HeroDocument& document, const RulesConfiguration& rules)
        : document_(document), rules_(rules) {}

    // Empties the list and offers the seven built-in professions again.
    void ResetToBuiltIns();
    // The position of the first profession named `name` from `firstPosition` on; -1 when
    // there is none.
    int IndexOf(const std::string& name, std::size_t firstPosition = 0) const;

    // Makes the profession at `index` the hero's (-1: none): its minimums, and the
    // specialization list it offers, with no specialization chosen.
    void Choose(int index);
    // Chooses the specialization at `index` of the specialization list.
    void ChooseSpecialization(int index);
    // Chooses the specialization of that text when the list offers it.
    void ChooseSpecializationByName(const std::string& name);
    std::string ChosenSpecialization() const;
    // Builds the specialization list again from the catalogues just read (weapon skills,
    // psionic broad skills), keeping the chosen entry when it is still offered.
    void RefreshSpecializations();

    // The chosen profession; null when none is chosen.
    const TProfData* Chosen() const;
    std::string ChosenName() const;

    // Shows the profession and specialization choices.
    void PaintChoices();

    std::vector<TProfData> list;              // positions match `choices` (see below)
    std::vector<std::string> choices;         // the names offered, one per named profession
    std::vector<std::string> specializations; // the specialization list of the profession

private:
    std::vector<std::string> SpecializationItems() const;

    HeroDocument& document_;
    const RulesConfiguration& rules_;
};

inline constexpr ChoiceName kProfessionChoice{"Profession"};
inline constexpr LabelName kProfessionLabel{"Profession"};
inline constexpr ChoiceName kSpecializationChoice{"Specialization"};
inline constexpr LabelName kSpecializationLabel{"Specialization"};
