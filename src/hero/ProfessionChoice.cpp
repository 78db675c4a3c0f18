#include "hero/ProfessionChoice.h"

#include "hero/Professions.h"
#include "rules/RulesConfiguration.h"

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
    specializations.clear();
    switch (hero.ProfessionIndex) {
    case kWeaponSpecializationPosition:
        for (const TSkillItem& skill : hero.Skills)
            if (skill.CombatSpec && rules_.ValidSource(skill.Source))
                specializations.push_back(skill.Name);
        break;
    case kResistanceBonusPosition:
        specializations.assign(kResistanceBonusChoices.begin(), kResistanceBonusChoices.end());
        break;
    case kPsionicSpecializationPosition:
        for (const TSkillItem& psionic : hero.Psionics)
            if (psionic.Name == psionic.BroadSkill) specializations.push_back(psionic.Name);
        break;
    default:
        break;
    }

    if (const TProfData* profession = Chosen())
        hero.ProfessionMinimums = MinimumsOf(*profession);
    else
        hero.ProfessionMinimums.fill(kNoProfessionMinimum);
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
