// Clearing the hero back to its initial state, step by step in the program's order.

#include "app/HeroBuilder.h"

void HeroBuilder::FormClear() {
    // 1. Identity, species and choices.
    Hero.FileName.clear();
    Hero.HeroName.clear();
    Hero.GameMaster.clear();
    Hero.Player.clear();
    Hero.SpeciesIndex = -1;
    Hero.CurrentSpecies = TSpeciesData{};
    Hero.Gender.clear();
    Hero.ProfessionIndex = -1;
    Hero.Motivation.clear();
    Hero.MoralAttitude.clear();
    Hero.Trait1.clear();
    Hero.Trait2.clear();
    Hero.Career.clear();

    // 2. Profession minimums and the attribute limits.
    Hero.ProfessionMinimums.fill(0);

    // 3. Every score back to 10.
    Hero.Score.fill(10);

    // 4. Wealth markers and notes.
    Hero.FilthyRich = false;
    Hero.DirtPoor = false;
    Hero.FreeNotes.clear();

    // 5. Purchases of skills, psionics and FX; perk and flaw ticks.
    Hero.CashedOutSkills.clear();
    for (auto& skill : Hero.Skills)
        skill.Selected = false;
    for (auto& psionic : Hero.Psionics)
        psionic.Selected = false;
    for (auto& fx : Hero.FXSkills)
        fx.Selected = false;
    Hero.FXSpecialization.clear();
    for (auto& perk : Hero.Perks)
        perk.Selected = false;
    for (auto& flaw : Hero.Flaws)
        flaw.Selected = false;

    // 6. Cyberware.
    Hero.CyberSkill = false;
    Hero.Cyberware.clear();

    // 8. Equipment; the profession change with no profession.
    Hero.Equipment.clear();
    Hero.Specialization = -1;
    Hero.ProfessionMinimums.fill(4);

    // 9. Bonus totals.
    Hero.BenefitTotals = TBenefit{};
    Hero.MutationTotals = TMutation{};
    Hero.FXTotals = TFXBenefit{};

    // 10. Achievements and benefits.
    Hero.AchievementEntries.clear();
    Hero.AchievementTotals = TAchievementTotals{};
    Hero.Benefits.clear();

    // 11. Mutations.
    Hero.Advantages.clear();
    Hero.Drawbacks.clear();

    // 12. Wealth accounts.
    Hero.Accounts.clear();

    // 13. Last resort points.
    Hero.LastResortEntries.clear();
    Hero.CurrentLastResortPoints.clear();

    // 14. Skill point adjustments.
    Hero.SkillPointAdjustments.clear();

    Views.SetLabel("HeroName", "");
    Views.SetLabel("PlayerName", "");
    Views.SetLabel("GameMaster", "");
    Views.SetLabel("Career", "");
    Views.SetLabel("FileName", "");

    // 15.
    SetChanged(false);
}
