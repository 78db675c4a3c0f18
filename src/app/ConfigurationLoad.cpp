// The configuration load: rereads every catalogue that depends on the active sources and
// puts the hero's choices back by name. Runs at start-up and after every source toggle.

#include "app/HeroBuilder.h"
#include "hero/Professions.h"

#include <algorithm>

namespace {
// The remembered text when the list still offers it; otherwise no choice.
std::string KeepIfOffered(const std::string& chosen, const std::vector<std::string>& items) {
    return std::find(items.begin(), items.end(), chosen) != items.end() ? chosen : std::string();
}
} // namespace

void HeroBuilder::LoadConfiguration() {
    // 1. The purchases to carry over (psionic skills join them with their subsystem).
    const std::vector<TSkillItem> keptSkills = Hero.Skills;
    const std::vector<TSkillItem> keptInstances = Hero.SkillInstances;

    // 2. The built-in professions, and the chosen one again when it is one of them.
    const std::string profession = Professions.ChosenName();
    const std::string specialization = Professions.ChosenSpecialization();
    Professions.ResetToBuiltIns();
    Hero.ProfessionIndex = -1;
    const bool builtInChosen = !profession.empty() && Professions.ChooseByName(profession);

    // 3. The identity choices to put back; the equipment categories start empty.
    const std::string motivation = Hero.Motivation;
    const std::string moralAttitude = Hero.MoralAttitude;
    const std::string trait1 = Hero.Trait1;
    const std::string trait2 = Hero.Trait2;
    Rules.config.ClearChoices();

    // 4. The second pass over config.xml.
    const std::size_t firstCatalogueProfession = Professions.list.size();
    ReportReadErrors(Rules.config.ReadChoices(
        paths.InDataDir("config.xml"),
        [this](const std::string& source) { return Rules.ValidSource(source); }, Professions.list,
        Professions.choices));
    // A profession of the catalogue is chosen again too, once the catalogue has offered it.
    if (!profession.empty() && !builtInChosen)
        Professions.ChooseByName(profession, firstCatalogueProfession);
    // Choosing the profession again empties its specialization; the person's choice stays.
    Professions.ChooseSpecializationByName(specialization);
    Professions.PaintChoices();

    // 5. The identity choices, where still offered.
    Hero.Motivation = KeepIfOffered(motivation, Rules.config.motivations);
    Hero.MoralAttitude = KeepIfOffered(moralAttitude, Rules.config.moralAttitudes);
    Hero.Trait1 = KeepIfOffered(trait1, Rules.config.traits);
    Hero.Trait2 = KeepIfOffered(trait2, Rules.config.traits);
    PaintIdentity();

    // 6. The species list, and the chosen species again.
    const std::string species = Species.ChosenName();
    Species.ScanNames();
    const auto& names = Species.List();
    const auto found = std::find(names.begin(), names.end(), species);
    if (!species.empty() && found != names.end()) {
        Species.CmbSpeciesChange(static_cast<int>(found - names.begin()));
    } else if (Hero.SpeciesIndex >= 0) {
        Species.DropSpecies();
    }
    Species.PaintChoices();

    // 7. Derived scores.
    Attributes.SetActionScore();
    Attributes.SetActionCount();
    Attributes.SetLastResort();
    Attributes.SetMovement();
    Attributes.SetDurability();

    // 8. Skills (and psionics), with the purchases put back by name and rank.
    Skills.PopulateSkills();
    Skills.RestorePurchases(keptSkills, keptInstances);

    // 9 to 13: perks and flaws, cyberware, benefits, mutations and FX follow with their
    // subsystems.
}
