// Clearing the hero back to its initial state, step by step in the program's order.

#include "app/HeroBuilder.h"
#include "gear/GearViews.h"

void HeroBuilder::ClearHero() {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    // 1. Identity, species and choices.
    hero.FileName.clear();
    hero.HeroName.clear();
    hero.GameMaster.clear();
    hero.Player.clear();
    hero.SpeciesIndex = -1;
    hero.CurrentSpecies = TSpeciesData{};
    hero.Gender.clear();
    hero.ProfessionIndex = -1;
    hero.Motivation.clear();
    hero.MoralAttitude.clear();
    hero.Trait1.clear();
    hero.Trait2.clear();
    hero.Career.clear();

    // 2. No profession minimums; 3. every score back to 10.
    hero.ProfessionMinimums.fill(0);
    hero.Score.fill(10);

    // 4. Wealth markers and notes.
    hero.FilthyRich = false;
    hero.DirtPoor = false;
    hero.FreeNotes.clear();

    // 5. Purchases of skills, psionics and FX; perk and flaw ticks.
    // Cash-outs and instances go with the skills: a skill bought again starts afresh.
    skills_.ClearSkills();
    psionics_.ClearPsi();
    fx_.ClearFX(); // and no FX specialization
    perksFlaws_.ClearPerksFlaws();

    // 6. Cyberware.
    hero.CyberSkill = false;
    hero.Cyberware.clear();

    // 7. Equipment, and the profession change with no profession.
    hero.Equipment.clear();
    ChooseProfession(-1);

    // 8. Bonus totals.
    hero.BenefitTotals = TBenefit{};
    hero.MutationTotals = TMutation{};
    hero.FXTotals = TFXBenefit{};

    // 9. Achievements and benefits.
    achievements_.ClearAchievements();

    // 10. Mutations, wealth accounts, last resort points, skill point adjustments.
    mutations_.ClearMutations();
    wealth_.ClearAccounts();
    lastResort_.ClearLastResortPoints();
    hero.CurrentLastResortPoints.clear();
    hero.SkillPointAdjustments.clear();

    document_.TouchAll();
    document_.SetChanged(false);
}
