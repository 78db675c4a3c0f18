#include "hero/SpeciesChoice.h"

#include "app/HeroBuilder.h"

namespace {
constexpr const char* kClearSkillList =
    "Clear skill list?\r\"No\" means keep all skills and recalculate costs";
}

void SpeciesChoice::ScanNames() {
    XmlReadResult read;
    list_ = scanner_.Scan(
        builder_.paths.InDataDir("species.xml"),
        [this](const std::string& source) { return builder_.Rules.ValidSource(source); }, &read);
    builder_.ReportReadErrors(read);
}

std::string SpeciesChoice::ChosenName() const {
    const int index = builder_.Hero.SpeciesIndex;
    if (index < 0 || index >= static_cast<int>(list_.size())) return {};
    return list_[static_cast<std::size_t>(index)];
}

void SpeciesChoice::CmbSpeciesChange(int index) {
    THero& hero = builder_.Hero;
    builder_.SetChanged(true);
    if (!builder_.Loading && builder_.SkillTableRowCount() >= 2 &&
        builder_.prompter.confirm(kClearSkillList))
        builder_.ClearSkills();

    hero.SpeciesIndex = index >= 0 && index < static_cast<int>(list_.size()) ? index : -1;
    hero.CurrentSpecies = TSpeciesData{};
    if (hero.SpeciesIndex >= 0) {
        XmlReadResult read;
        hero.CurrentSpecies = ReadSpecies(
            builder_.paths.InDataDir("species.xml"), ChosenName(),
            [this](const std::string& line) { builder_.logs.Log(line); }, &read);
        builder_.ReportReadErrors(read);
    }

    AttributeScores& attributes = builder_.Attributes;
    attributes.SetAttribLevels();
    attributes.SetActionScore();
    attributes.SetMovement();
    attributes.SetDurability();
    builder_.GrantFreeSkills();
    builder_.PaintFixedNotes();

    hero.Primitive = false;
    const TSpeciesData& species = hero.CurrentSpecies;
    hero.CyberSkill = species.CyberSkill;
    PaintChoices();

    builder_.CalculateSkillPoints();
    builder_.SetCyberTolerance();
}

void SpeciesChoice::DropSpecies() {
    THero& hero = builder_.Hero;
    hero.SpeciesIndex = -1;
    hero.CurrentSpecies = TSpeciesData{};
    hero.Primitive = false;
    hero.CyberSkill = false;
    builder_.Attributes.SetAttribLevels();
    PaintChoices();
    builder_.PaintFixedNotes();
    builder_.CalculateSkillPoints();
    builder_.SetCyberTolerance();
}

void SpeciesChoice::CbPrimitiveClick(bool checked) {
    builder_.Hero.Primitive = checked;
    builder_.SetChanged(true);
    PaintChoices();
    builder_.CalculateSkillPoints();
    builder_.PaintFixedNotes();
}

void SpeciesChoice::CbCyberSkillClick(bool checked) {
    THero& hero = builder_.Hero;
    if (hero.CurrentSpecies.CyberSkill) checked = true;
    hero.CyberSkill = checked;
    builder_.SetChanged(true);
    PaintChoices();
    builder_.CalculateSkillPoints();
    builder_.SetCyberTolerance();
}

void SpeciesChoice::PaintChoices() {
    const THero& hero = builder_.Hero;
    ChoiceView choice;
    choice.items = list_;
    choice.index = hero.SpeciesIndex;
    builder_.Views.SetChoice("Species", std::move(choice));
    builder_.Views.SetLabel("Species", ChosenName());

    CheckView primitive;
    primitive.caption = kPrimitiveCaption;
    primitive.checked = hero.Primitive;
    primitive.visible = hero.CurrentSpecies.Primitive;
    builder_.Views.SetCheck("Primitive", primitive);

    CheckView cyberSkill;
    const bool free = hero.CurrentSpecies.CyberSkill;
    cyberSkill.caption = free ? kCyberSkillFreeCaption : kCyberSkillPaidCaption;
    cyberSkill.checked = hero.CyberSkill;
    cyberSkill.enabled = !free;
    builder_.Views.SetCheck("CyberSkill", cyberSkill);
}
