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

    // 2. No profession minimums, and the limits that follow.
    Hero.ProfessionMinimums.fill(0);
    Attributes.SetAttribLevels();

    // 3. Every score back to 10.
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        Hero.Score[static_cast<std::size_t>(attribute)] = 10;
        Attributes.AttributeChanged(attribute);
    }

    // 4. Wealth markers and notes.
    Hero.FilthyRich = false;
    Hero.DirtPoor = false;
    Hero.FreeNotes.clear();

    // 5. Purchases of skills, psionics and FX; perk and flaw ticks.
    Hero.CashedOutSkills.clear();
    // Instances go with their skills: a skill bought again starts without old details.
    Skills.ClearSkills();
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
    SetCyberTolerance();

    // 7. Derived scores and skill points.
    Attributes.SetLastResort();
    Attributes.SetActionScore();
    Attributes.SetActionCount();
    Attributes.SetMovement();
    Attributes.SetDurability();
    CalculateSkillPoints();

    // 8. Equipment, and the profession change with no profession.
    Hero.Equipment.clear();
    PaintCombat();
    Professions.CmbProfessionChange(-1);

    // 9. Bonus totals.
    Hero.BenefitTotals = TBenefit{};
    Hero.MutationTotals = TMutation{};
    Hero.FXTotals = TFXBenefit{};

    // 10. Achievements and benefits.
    Hero.AchievementEntries.clear();
    Hero.Benefits.clear();
    Hero.AchievementTotals = TAchievementTotals{};
    Views.SetLabel("BenefitsPurchased", "");
    Views.SetLabel("PointsEarned", "0");
    Views.SetLabel("PointsNeeded", "6");
    Views.SetLabel("PointsAvailable", "0");
    Views.SetLabel("Level", "1");

    // 11. Mutations.
    Hero.Advantages.clear();
    Hero.Drawbacks.clear();

    // 12. Wealth accounts.
    Hero.Accounts.clear();
    Views.SetLabel("Account", "-");

    // 13. Last resort points.
    Attributes.SetLastResort();
    Hero.LastResortEntries.clear();
    Hero.CurrentLastResortPoints.clear();

    // 14. Skill point adjustments.
    Hero.SkillPointAdjustments.clear();
    Budget.PaintAdjustments();
    Budget.CalculateSkillPoints();
    Budget.PaintNotes();

    PaintIdentity();
    Species.PaintChoices();

    // 15.
    SetChanged(false);
}
