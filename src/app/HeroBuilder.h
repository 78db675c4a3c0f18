#pragma once
// The hero builder: the state behind the main window. It owns the hero document, one object
// per subsystem, the operations that span several subsystems (choosing a species or a
// profession, a configuration load, clearing the hero) and the one ordered recompute run at
// the end of every operation. Windows call its operations and repaint from its views.

#include "app/HeroOperations.h"
#include "gear/Achievements.h"
#include "gear/Cyberware.h"
#include "gear/Equipment.h"
#include "gear/Mutations.h"
#include "gear/LastResortPoints.h"
#include "gear/WealthAccounts.h"
#include "hero/AttributeScores.h"
#include "hero/HeroDocument.h"
#include "hero/HeroIdentity.h"
#include "hero/ProfessionChoice.h"
#include "hero/SpeciesChoice.h"
#include "rules/RulesConfiguration.h"
#include "skills/FXPurchases.h"
#include "skills/PerksAndFlaws.h"
#include "skills/PsionicPurchases.h"
#include "skills/SkillBudget.h"
#include "skills/SkillPurchases.h"

#include <string>

class HeroBuilder final : public HeroOperations {
public:
    HeroBuilder(Prompter& prompter, const AppPaths& paths);

    // --- start-up ------------------------------------------------------------------------
    // The main window's creation: logs, the configuration check, sources, defaults, rule
    // sets and the configuration load. False when the program must end (no config.xml).
    bool Start();

    // --- the shell -----------------------------------------------------------------------
    // The catalogues found damaged by the last start-up or source change, one line each.
    const std::vector<std::string>& CatalogueProblems() const { return catalogueProblems_; }

    // "New", once the shell has dealt with unsaved changes: a cleared hero on the default
    // sources, on the Main page.
    void NewHero();
    // Marks the hero changed (an edit the builder does not see itself).
    void MarkChanged();
    // "Creatures": its work is not built yet.
    void ReportNotYetEnabled();

    // --- rules ---------------------------------------------------------------------------
    // A "Sources" menu entry: switches the source, reads the catalogues again and offers to
    // make the choice the default.
    void ToggleSource(std::size_t entryIndex);
    // A "Rule Set" menu entry.
    void ChooseRuleSet(std::size_t entryIndex);

    // --- what spans the subsystems (also replayed by hero files) -------------------------
    void ClearHero() override;
    void ReloadCatalogues() override;
    void SetRuleSet(const std::string& name) override;
    void ChooseSpecies(int index) override;
    void ChooseProfession(int index) override;
    void ChooseSpecialization(int index) override;
    void SetPrimitive(bool reduced) override;
    void SetCyberSkill(bool taken) override;

    // --- the document and the subsystems -------------------------------------------------
    HeroDocument& Document() override { return document_; }
    const HeroDocument& Document() const override { return document_; }
    RulesConfiguration& Rules() override { return rules_; }
    const RulesConfiguration& Rules() const override { return rules_; }
    HeroIdentity& Identity() override { return identity_; }
    const SpeciesChoice& Species() const override { return species_; }
    const ProfessionChoice& Professions() const override { return professions_; }
    AttributeScores& Attributes() override { return attributes_; }
    const AttributeScores& Attributes() const override { return attributes_; }
    SkillPurchases& Skills() override { return skills_; }
    SkillBudget& Budget() override { return budget_; }
    PsionicPurchases& Psionics() override { return psionics_; }
    const PsionicPurchases& Psionics() const { return psionics_; }
    FXPurchases& FX() override { return fx_; }
    const FXPurchases& FX() const { return fx_; }
    PerksAndFlaws& PerksFlaws() override { return perksFlaws_; }
    Achievements& Advancement() override { return achievements_; }
    Mutations& Mutants() override { return mutations_; }
    WealthAccounts& Wealth() override { return wealth_; }
    LastResortPoints& LastResortLedger() override { return lastResort_; }
    Equipment& Gear() override { return equipment_; }
    Cyberware& Cyber() override { return cyberware_; }

    // Shorthands for what every page reads.
    THero& Hero() { return document_.Hero; }
    const THero& Hero() const { return document_.Hero; }
    const ViewData& Views() const { return document_.Views; }
    bool Changed() const { return document_.Changed(); }
    const TRuleset& RuleSet() const { return rules_.RuleSet(); }
    void SetObserver(ViewObserver* observer) { document_.SetObserver(observer); }

private:
    bool StartUp();
    // Recomputes, in one fixed order, everything that follows from what was touched.
    void Settle(const AspectSet& touched);
    // Tells the person, in one box, which catalogues just read are damaged.
    void ReportCatalogueProblems();

    HeroDocument document_;
    RulesConfiguration rules_;
    HeroIdentity identity_;
    SpeciesChoice species_;
    ProfessionChoice professions_;
    AttributeScores attributes_;
    SkillPurchases skills_;
    PsionicPurchases psionics_;
    PerksAndFlaws perksFlaws_;
    SkillBudget budget_;
    Achievements achievements_;
    Mutations mutations_;
    WealthAccounts wealth_;
    LastResortPoints lastResort_;
    Equipment equipment_;
    Cyberware cyberware_;
    FXPurchases fx_;
    std::vector<std::string> catalogueProblems_;
};
