#include "hero/SpeciesChoice.h"

#include "rules/RulesConfiguration.h"

void SpeciesChoice::LoadNames() {
    XmlReadResult read;
    const auto file = document_.paths.InDataDir("species.xml");
    list_ = scanner_.Scan(
        file, [this](const std::string& source) { return rules_.ValidSource(source); }, &read);
    document_.ReportReadErrors(read);
    if (list_.empty() && read.ok()) document_.ReportEmptyCatalogue(file, "species");
    // Every species' record, so that choosing one reads nothing.
    records_.Read(file);
    document_.Touch(Aspect::Species);
}

int SpeciesChoice::IndexOf(const std::string& name) const {
    for (std::size_t i = 0; i < list_.size(); ++i)
        if (list_[i] == name) return static_cast<int>(i);
    return -1;
}

std::string SpeciesChoice::ChosenName() const {
    const int index = document_.Hero.SpeciesIndex;
    if (index < 0 || index >= static_cast<int>(list_.size())) return {};
    return list_[static_cast<std::size_t>(index)];
}

void SpeciesChoice::Choose(int index) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    hero.SpeciesIndex = index >= 0 && index < static_cast<int>(list_.size()) ? index : -1;
    hero.CurrentSpecies = TSpeciesData{};
    if (hero.SpeciesIndex >= 0) {
        hero.CurrentSpecies = records_.Find(
            ChosenName(), [this](const std::string& line) { document_.logs.Log(line); });
        document_.ReportReadErrors(records_.ReadResult());
    }
    hero.Primitive = false;
    hero.CyberSkill = hero.CurrentSpecies.CyberSkill;
    document_.Touch(Aspect::Species);
}

void SpeciesChoice::Drop() {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    hero.SpeciesIndex = -1;
    hero.CurrentSpecies = TSpeciesData{};
    hero.Primitive = false;
    hero.CyberSkill = false;
    document_.Touch(Aspect::Species);
}

void SpeciesChoice::RestoreChoices(bool primitive, bool cyberSkill) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    hero.Primitive = primitive && hero.CurrentSpecies.Primitive;
    hero.CyberSkill = cyberSkill || hero.CurrentSpecies.CyberSkill;
    document_.Touch(Aspect::Species);
}

void SpeciesChoice::SetPrimitive(bool reduced) {
    HeroDocument::Operation operation(document_);
    document_.Hero.Primitive = reduced;
    document_.SetChanged(true);
    document_.Touch(Aspect::Species);
}

void SpeciesChoice::SetCyberSkill(bool taken) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    hero.CyberSkill = taken || hero.CurrentSpecies.CyberSkill;
    document_.SetChanged(true);
    document_.Touch(Aspect::Species);
}

void SpeciesChoice::PaintChoices() {
    const THero& hero = document_.Hero;
    ChoiceView choice;
    choice.items = list_;
    choice.index = hero.SpeciesIndex;
    document_.Views.SetChoice(kSpeciesChoice, std::move(choice));
    document_.Views.SetLabel(kSpeciesLabel, ChosenName());

    CheckView primitive;
    primitive.caption = kPrimitiveCaption;
    primitive.checked = hero.Primitive;
    primitive.visible = hero.CurrentSpecies.Primitive;
    document_.Views.SetCheck(kPrimitiveCheck, primitive);

    CheckView cyberSkill;
    const bool free = hero.CurrentSpecies.CyberSkill;
    cyberSkill.caption = free ? kCyberSkillFreeCaption : kCyberSkillPaidCaption;
    cyberSkill.checked = hero.CyberSkill;
    cyberSkill.enabled = !free;
    document_.Views.SetCheck(kCyberSkillCheck, cyberSkill);
}
