#include "hero/ProfessionChoice.h"

#include "app/HeroBuilder.h"
#include "hero/Professions.h"

void ProfessionChoice::ResetToBuiltIns() {
    list = BuiltInProfessions();
    choices.clear();
    for (const TProfData& profession : list)
        choices.push_back(profession.Name);
}

bool ProfessionChoice::ChooseByName(const std::string& name, std::size_t firstPosition) {
    for (std::size_t i = firstPosition; i < choices.size(); ++i) {
        if (choices[i] == name) {
            CmbProfessionChange(static_cast<int>(i));
            return true;
        }
    }
    return false;
}

void ProfessionChoice::ChooseSpecializationByName(const std::string& name) {
    if (name.empty()) return;
    for (std::size_t i = 0; i < specializations.size(); ++i) {
        if (specializations[i] == name) {
            CmbSpecialChange(static_cast<int>(i));
            return;
        }
    }
}

std::string ProfessionChoice::ChosenSpecialization() const {
    const int index = builder_.Hero.Specialization;
    if (index < 0 || index >= static_cast<int>(specializations.size())) return {};
    return specializations[static_cast<std::size_t>(index)];
}

const TProfData* ProfessionChoice::Chosen() const {
    const int index = builder_.Hero.ProfessionIndex;
    if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
    return &list[static_cast<std::size_t>(index)];
}

std::string ProfessionChoice::ChosenName() const {
    const int index = builder_.Hero.ProfessionIndex;
    if (index < 0 || index >= static_cast<int>(choices.size())) return {};
    return choices[static_cast<std::size_t>(index)];
}

void ProfessionChoice::CmbProfessionChange(int index) {
    THero& hero = builder_.Hero;
    builder_.SetChanged(true);
    hero.ProfessionIndex = index >= 0 && index < static_cast<int>(list.size()) ? index : -1;
    hero.Specialization = -1;
    specializations.clear();
    switch (hero.ProfessionIndex) {
    case kWeaponSpecializationPosition:
        for (const TSkillItem& skill : hero.Skills)
            if (skill.CombatSpec && builder_.Rules.ValidSource(skill.Source))
                specializations.push_back(skill.Name);
        builder_.PaintCombat();
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

    AttributeScores& attributes = builder_.Attributes;
    attributes.SetAttribLevels();
    attributes.SetActionScore();
    attributes.SetLastResort();
    // The resistance bonus goes with the profession: show the modifiers as they now stand.
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        attributes.PaintAttribute(attribute);

    builder_.RebuildSkillLists();
    if (hero.SpeciesIndex >= 0) builder_.GrantFreeSkills();
    builder_.RebuildProfessionDependents();
    PaintChoices();
}

void ProfessionChoice::CmbSpecialChange(int index) {
    THero& hero = builder_.Hero;
    builder_.SetChanged(true);
    hero.Specialization =
        index >= 0 && index < static_cast<int>(specializations.size()) ? index : -1;
    builder_.PaintSelectedSkills();
    builder_.PaintSelectedPsionics();
    builder_.PaintFixedNotes();
    // Shown at once rather than at the next attribute change.
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        builder_.Attributes.PaintAttribute(attribute);
    PaintChoices();
}

void ProfessionChoice::PaintChoices() {
    const THero& hero = builder_.Hero;
    ChoiceView profession;
    profession.items = choices;
    profession.index =
        hero.ProfessionIndex < static_cast<int>(choices.size()) ? hero.ProfessionIndex : -1;
    builder_.Views.SetChoice("Profession", std::move(profession));
    builder_.Views.SetLabel("Profession", ChosenName());

    ChoiceView specialization;
    specialization.items = specializations;
    specialization.index = hero.Specialization;
    specialization.caption = SpecializationLabel(hero.ProfessionIndex);
    specialization.visible = specialization.caption != kNoSpecializationLabel;
    builder_.Views.SetChoice("Specialization", specialization);
    builder_.Views.SetLabel("Specialization", specialization.Chosen());
}
