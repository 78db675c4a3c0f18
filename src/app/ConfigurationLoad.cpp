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

void HeroBuilder::ReloadCatalogues() {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    document_.Touch(Aspect::Sources);

    // 1. The purchases and ticks to carry over.
    const std::vector<TSkillItem> keptSkills = hero.Skills;
    const std::vector<TSkillItem> keptInstances = hero.SkillInstances;
    const std::vector<TSkillItem> keptPsionics = hero.Psionics;
    const std::vector<PerkFlawItem> keptPerks = hero.Perks;
    const std::vector<PerkFlawItem> keptFlaws = hero.Flaws;
    const std::vector<TFX> keptFX = hero.FXSkills;

    // 2. The built-in professions, and the chosen one again when it is one of them.
    const std::string profession = professions_.ChosenName();
    const std::string specialization = professions_.ChosenSpecialization();
    professions_.ResetToBuiltIns();
    hero.ProfessionIndex = -1;
    const int builtIn = profession.empty() ? -1 : professions_.IndexOf(profession);
    if (builtIn >= 0) ChooseProfession(builtIn);

    // 3. The identity choices to put back; the equipment categories start empty.
    const std::string motivation = hero.Motivation;
    const std::string moralAttitude = hero.MoralAttitude;
    const std::string trait1 = hero.Trait1;
    const std::string trait2 = hero.Trait2;
    rules_.config.ClearChoices();

    // 4. The second pass over config.xml.
    const std::size_t firstCatalogueProfession = professions_.list.size();
    document_.ReportReadErrors(rules_.config.ReadChoices(
        document_.paths.InDataDir("config.xml"),
        [this](const std::string& source) { return rules_.ValidSource(source); }, professions_.list,
        professions_.choices));
    // A profession of the catalogue is chosen again too, once the catalogue has offered it.
    if (!profession.empty() && builtIn < 0) {
        const int fromCatalogue = professions_.IndexOf(profession, firstCatalogueProfession);
        if (fromCatalogue >= 0)
            ChooseProfession(fromCatalogue);
        else
            professions_.Choose(-1); // gone: its minimums go with it
    }
    // Choosing the profession again empties its specialization; the person's choice stays.
    professions_.ChooseSpecializationByName(specialization);

    // 5. The identity choices, where still offered.
    const GameConfiguration& config = rules_.config;
    hero.Motivation = KeepIfOffered(motivation, config.motivations);
    hero.MoralAttitude = KeepIfOffered(moralAttitude, config.moralAttitudes);
    hero.Trait1 = KeepIfOffered(trait1, config.traits);
    hero.Trait2 = KeepIfOffered(trait2, config.traits);

    // 6. The species list, and the chosen species again.
    const std::string species = species_.ChosenName();
    const bool primitive = hero.Primitive;
    const bool cyberSkill = hero.CyberSkill;
    species_.LoadNames();
    const int speciesIndex = species.empty() ? -1 : species_.IndexOf(species);
    if (speciesIndex >= 0) {
        // The same species again, without the skill list question: the purchases are put
        // back below whatever the answer would be. Its special choices stay as they were.
        species_.Choose(speciesIndex);
        document_.SetChanged(true);
        species_.RestoreChoices(primitive, cyberSkill);
    } else if (hero.SpeciesIndex >= 0) {
        species_.Drop();
        document_.SetChanged(true);
    }

    // 7. Skills and psionic skills, with the purchases put back by name and rank; the
    // specialization lists that name them follow.
    skills_.LoadSkills();
    skills_.RestorePurchases(keptSkills, keptInstances);
    psionics_.LoadPsionics();
    psionics_.RestorePurchases(keptPsionics);
    professions_.RefreshSpecializations();

    // 8. Perks and flaws, ticked again by name.
    perksFlaws_.LoadPerksFlaws();
    perksFlaws_.RestoreSelections(keptPerks, keptFlaws);

    // 9. The benefits catalogue; bought benefits stay.
    achievements_.LoadBenefits();

    // 10. The mutation catalogue; taken mutations of sources still active stay.
    mutations_.LoadMutations();

    // 11. The cyberware catalogue; installed items of sources still active stay.
    cyberware_.LoadCyberTech();

    // The equipment on offer follows the active sources.
    equipment_.Filter();

    // 12. FX, with the hero's FX put back by name, rank and active mark (the specialization
    // stays while it is still a choice).
    fx_.LoadFX();
    fx_.RestorePurchases(keptFX);
}
