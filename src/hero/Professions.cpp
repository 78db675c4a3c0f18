#include "hero/Professions.h"

#include "hero/NumberRanges.h"

#include <optional>

namespace {

TProfData MakeProfession(const char* name, const char* code,
                         std::array<int, kAttributeCount> minimums, int actionMod, double psiAdj,
                         std::vector<std::string> notes) {
    TProfData p;
    p.Name = name;
    p.Source = "Core";
    p.SkillDiscount = code;
    p.MinStr = minimums[attSTR];
    p.MinDex = minimums[attDEX];
    p.MinCon = minimums[attCON];
    p.MinInt = minimums[attINT];
    p.MinWil = minimums[attWIL];
    p.MinPer = minimums[attPER];
    p.ActionMod = actionMod;
    p.PsiAdj = psiAdj;
    for (std::size_t i = 0; i < notes.size() && i < p.Notes.size(); ++i)
        p.Notes[i] = notes[i];
    return p;
}

} // namespace

std::vector<TProfData> BuiltInProfessions() {
    //                                                 STR DEX CON INT WIL PER
    return {
        MakeProfession("Combat Spec", "C", {11, 0, 9, 0, 0, 0}, 3, -0.5,
                       {"Combat Spec Action Check +3"}),
        MakeProfession("Diplomat (Combat Spec)", "DC", {0, 0, 0, 0, 9, 11}, 1, -0.5,
                       {"Diplomat action check +1", "Diplomat contacts/resources bonus",
                        "Diplomat secondary profession (Combat Spec)"}),
        MakeProfession("Diplomat (Free Agent)", "DF", {0, 0, 0, 0, 9, 11}, 1, -0.5,
                       {"Diplomat action check +1", "Diplomat contacts/resources bonus",
                        "Diplomat secondary profession (Free Agent)"}),
        MakeProfession("Diplomat (Tech Op)", "DT", {0, 0, 0, 0, 9, 11}, 1, -0.5,
                       {"Diplomat action check +1", "Diplomat contacts/resources bonus",
                        "Diplomat secondary profession (Tech Op)"}),
        MakeProfession("Free Agent", "F", {0, 11, 0, 0, 9, 0}, 2, -0.5,
                       {"Free Agent action check +2", "Free Agent last resort bonus"}),
        MakeProfession("Tech Op", "T", {0, 9, 0, 11, 0, 0}, 1, -0.5,
                       {"Tech Op action check +1", "Tech Op accelerated learning"}),
        MakeProfession("Mindwalker", "M", {0, 0, 9, 9, 11, 0}, 1, 0,
                       {"Mindwalker action check +1"}),
    };
}

void ReadProfessionAttribute(TProfData& profession, const std::string& upperName,
                             const std::string& value) {
    if (upperName == "NAME") {
        profession.Name = value;
        return;
    }
    if (upperName == "SOURCE") {
        profession.Source = value;
        return;
    }
    if (upperName == "SKILLDISCOUNT") {
        profession.SkillDiscount = value;
        return;
    }
    int* field = nullptr;
    if (upperName == "MINSTR")
        field = &profession.MinStr;
    else if (upperName == "MINDEX")
        field = &profession.MinDex;
    else if (upperName == "MINCON")
        field = &profession.MinCon;
    else if (upperName == "MININT")
        field = &profession.MinInt;
    else if (upperName == "MINWIL")
        field = &profession.MinWil;
    else if (upperName == "MINPER")
        field = &profession.MinPer;
    const bool minimum = field != nullptr;
    if (upperName == "ACTIONMOD") field = &profession.ActionMod;

    // Not a decimal integer, or outside what the rules use: the field keeps its value.
    const std::optional<int> number =
        ParseIntegerIn(value, minimum ? kProfessionMinimumRange : kModifierRange);
    if (!number) return;
    if (field)
        *field = *number;
    else if (upperName == "PSIADJ")
        profession.PsiAdj = *number;
}

std::array<int, kAttributeCount> MinimumsOf(const TProfData& profession) {
    return {profession.MinStr, profession.MinDex, profession.MinCon,
            profession.MinInt, profession.MinWil, profession.MinPer};
}

std::string SpecializationLabel(int professionIndex) {
    switch (professionIndex) {
    case kWeaponSpecializationPosition:
        return kWeaponSpecializationLabel;
    case kResistanceBonusPosition:
        return kResistanceBonusLabel;
    case kPsionicSpecializationPosition:
        return kPsionicSpecializationLabel;
    default:
        return kNoSpecializationLabel;
    }
}

bool HasResistanceBonus(int professionIndex, int specialization, int attribute) {
    if (professionIndex != kResistanceBonusPosition) return false;
    if (specialization < 0 || specialization >= static_cast<int>(kResistanceBonusAttributes.size()))
        return false;
    return kResistanceBonusAttributes[static_cast<std::size_t>(specialization)] == attribute;
}
