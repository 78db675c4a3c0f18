#pragma once
// The FX catalogue "fx.xml" and the rules over it that need no hero: the FX skills with their
// benefit steps, the specialization choices, the FX label of a profession, the benefit step an
// FX gets at its rank, and the bonus totals and FX points of the always-active FX.
//
// Element names are compared exactly: "Skill" is one FX, "FXBenefit" one benefit step; any
// other element is passed over. Attribute names are compared in upper case. A number that is
// not one, or lies outside its range, takes the field's fallback: ATTRIB -2; ENERGY, COST,
// ACTIVECOST and ACTIVECOST2 99; the numbers of a benefit step 0.

#include "hero/TypeDefinitions.h"
#include "xml/XmlEventReader.h"

#include <filesystem>
#include <string>
#include <vector>

struct FXCatalogue {
    std::vector<TFX> skills;          // in file order
    std::vector<TFXBenefit> benefits; // in file order; the steps of one FX in rising rank
};

FXCatalogue ReadFXCatalogue(const std::filesystem::path& file, XmlReadResult* readResult = nullptr);

inline bool IsBroadFX(const TFX& fx) {
    return fx.Name == fx.BroadSkill;
}
// A placeholder of the offered list: the node of an FX type, never bought.
inline bool IsFXTypeNode(const TFX& fx) {
    return fx.Name.empty();
}

// The specialization choices: the names of the broad FX skills, in catalogue order.
std::vector<std::string> FXSpecializationChoices(const std::vector<TFX>& catalogue);

// The FX label for the chosen profession's name (empty when none is chosen): "FX Adept" when
// the name begins with "Adept", "FX Talent*" when it holds "Adept" elsewhere, else "FX Talent".
inline constexpr const char* kFXAdept = "FX Adept";
inline constexpr const char* kFXTalentStar = "FX Talent*";
inline constexpr const char* kFXTalent = "FX Talent";
std::string FXLabelFor(const std::string& professionName);
// Only an adept chooses a specialization.
inline bool ChoosesFXSpecialization(const std::string& fxLabel) {
    return fxLabel == kFXAdept || fxLabel == kFXTalentStar;
}

// The benefit step an FX of that name has at `rank`: the step of the highest rank not above
// it; null when every step of the name lies higher (or there is none).
const TFXBenefit* FXBenefitStep(const std::vector<TFXBenefit>& steps, const std::string& name,
                                int rank);

// Adds the bonus fields of a step into the totals (the other fields stay).
void AddFXBenefit(TFXBenefit& totals, const TFXBenefit& step);

// The sums of the benefit steps of the offered FX that are bought and always active.
TFXBenefit FXTotalsOf(const std::vector<TFX>& offered, const std::vector<TFXBenefit>& steps);

// FX points the always-active FX spend: 3 x Energy over the bought, active ones (kept within
// +-1,000,000 whatever the catalogue holds).
int FXPointsSpent(const std::vector<TFX>& offered);
