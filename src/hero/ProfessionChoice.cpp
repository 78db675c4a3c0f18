#include "hero/ProfessionChoice.h"

#include "hero/Professions.h"
#include "rules/RulesConfiguration.h"

#include <algorithm>

void ProfessionChoice::ResetToBuiltIns() {
    list = BuiltInProfessions();
    choices.clear();
    for (const TProfData& profession : list)
        choices.push_back(profession.Name);
}

int ProfessionChoice::IndexOf(const std::string& name, std::size_t firstPosition) const {
    for (std::size_t i = firstPosition; i < choices.size(); ++i)
        if (choices[i] == name) return static_cast<int>(i);
    return -1;
}

void ProfessionChoice::ChooseSpecializationByName(const std::string& name) {
    if (name.empty()) return;
    for (std::size_t i = 0; i < specializations.size(); ++i) {
        if (specializations[i] == name) {
            ChooseSpecialization(static_cast<int>(i));
            return;
        }
    }
}

std::string ProfessionChoice::ChosenSpecialization() const {
    const int index = document_.Hero.Specialization;
    if (index < 0 || index >= static_cast<int>(specializations.size())) return {};
    return specializations[static_cast<std::size_t>(index)];
}

const TProfData* ProfessionChoice::Chosen() const {
    const int index = document_.Hero.ProfessionIndex;
    if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
    return &list[static_cast<std::size_t>(index)];
}

std::string ProfessionChoice::ChosenName() const {
    const int index = document_.Hero.ProfessionIndex;
    if (index < 0 || index >= static_cast<int>(choices.size())) return {};
    return choices[static_cast<std::size_t>(index)];
}

void ProfessionChoice::Choose(int index) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    document_.SetChanged(true);
    hero.ProfessionIndex = index >= 0 && index < static_cast<int>(list.size()) ? index : -1;
    hero.Specialization = -1;
    specializations = SpecializationItems();

    if (const TProfData* profession = Chosen())
        hero.ProfessionMinimums = MinimumsOf(*profession);
    else
        hero.ProfessionMinimums.fill(kNoProfessionMinimum);
    document_.Touch(Aspect::Profession);
}

std::vector<std::string> ProfessionChoice::SpecializationItems() const {
    const THero& hero = document_.Hero;
    std::vector<std::string> items;
    switch (hero.ProfessionIndex) {
    case kWeaponSpecializationPosition:
        for (const TSkillItem& skill : hero.Skills)
            if (skill.CombatSpec && rules_.ValidSource(skill.Source)) items.push_back(skill.Name);
        break;
    case kResistanceBonusPosition:
        items.assign(kResistanceBonusChoices.begin(), kResistanceBonusChoices.end());
        break;
    case kPsionicSpecializationPosition:
        for (const TSkillItem& psionic : hero.Psionics)
            if (psionic.Name == psionic.BroadSkill) items.push_back(psionic.Name);
        break;
    default:
        break;
    }
    return items;
}

void ProfessionChoice::RefreshSpecializations() {
    std::vector<std::string> items = SpecializationItems();
    if (items == specializations) return;
    HeroDocument::Operation operation(document_);
    const std::string chosen = ChosenSpecialization();
    specializations = std::move(items);
    const auto found = std::find(specializations.begin(), specializations.end(), chosen);
    document_.Hero.Specialization = chosen.empty() || found == specializations.end()
                                        ? -1
                                        : static_cast<int>(found - specializations.begin());
    document_.Touch(Aspect::Profession);
}

void ProfessionChoice::ChooseSpecialization(int index) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    document_.SetChanged(true);
    hero.Specialization =
        index >= 0 && index < static_cast<int>(specializations.size()) ? index : -1;
    document_.Touch(Aspect::Profession);
}

void ProfessionChoice::PaintChoices() {
    const THero& hero = document_.Hero;
    ChoiceView profession;
    profession.items = choices;
    profession.index =
        hero.ProfessionIndex < static_cast<int>(choices.size()) ? hero.ProfessionIndex : -1;
    document_.Views.SetChoice(kProfessionChoice, std::move(profession));
    document_.Views.SetLabel(kProfessionLabel, ChosenName());

    ChoiceView specialization;
    specialization.items = specializations;
    specialization.index = hero.Specialization;
    specialization.caption = SpecializationLabel(hero.ProfessionIndex);
    specialization.visible = specialization.caption != kNoSpecializationLabel;
    document_.Views.SetChoice(kSpecializationChoice, specialization);
    document_.Views.SetLabel(kSpecializationLabel, specialization.Chosen());
}
