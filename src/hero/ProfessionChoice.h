#pragma once
// The profession choice: the profession list (the seven built-in professions, then those of
// the configuration catalogue), choosing a profession, and the specialization choice that
// three of them offer.

#include "hero/TypeDefinitions.h"

#include <string>
#include <vector>

class HeroBuilder;

class ProfessionChoice {
public:
    explicit ProfessionChoice(HeroBuilder& builder) : builder_(builder) {}

    // Empties the list and offers the seven built-in professions again.
    void ResetToBuiltIns();
    // Chooses the first profession named `name`, searching from `firstPosition`; false when
    // there is none.
    bool ChooseByName(const std::string& name, std::size_t firstPosition = 0);

    // The person (or a hero file, or a reload, or clearing the hero with -1) chose the
    // profession at `index`.
    void CmbProfessionChange(int index);
    // The person chose the specialization at `index` of the specialization list.
    void CmbSpecialChange(int index);

    // Chooses the specialization of that text when the list offers it.
    void ChooseSpecializationByName(const std::string& name);
    std::string ChosenSpecialization() const;

    // The chosen profession; null when none is chosen.
    const TProfData* Chosen() const;
    std::string ChosenName() const;

    // Shows the profession and specialization choices.
    void PaintChoices();

    std::vector<TProfData> list;              // positions match `choices` (see below)
    std::vector<std::string> choices;         // the names offered, one per named profession
    std::vector<std::string> specializations; // the specialization list of the profession

private:
    HeroBuilder& builder_;
};
