#pragma once
// The hero builder: the state behind the main window. It owns the one hero, the rules in
// force, the catalogues and the flags, holds one object per subsystem and wires them
// together. Windows call its operations and repaint from Views.

#include "app/Logs.h"
#include "app/Paths.h"
#include "app/Prompter.h"
#include "app/ViewData.h"
#include "files/HeroFiles.h"
#include "hero/AttributeScores.h"
#include "hero/Hero.h"
#include "hero/ProfessionChoice.h"
#include "hero/SpeciesChoice.h"
#include "rules/RulesConfiguration.h"
#include "skills/SkillBudget.h"
#include "skills/SkillPurchases.h"
#include "xml/XmlEventReader.h"

#include <string>

// The identity fields a person types.
enum class IdentityField { HeroName, Player, GameMaster, Career, FreeNotes };
// The identity choices a person picks from a list.
enum class IdentityChoice { Gender, Motivation, MoralAttitude, Trait1, Trait2 };

inline const std::vector<std::string> kGenderChoices{"Male", "Female", "Other", "(none/blank)"};

class HeroBuilder {
public:
    HeroBuilder(Prompter& prompter, const AppPaths& paths);

    // --- start-up ------------------------------------------------------------------------
    // The main window's creation: logs, the configuration check, sources, defaults, rule
    // sets and the configuration load. False when the program must end (no config.xml).
    bool FormCreate();
    // A hero file named on the command line: opened with Ready false, then left unchanged.
    void OpenStartupHero(const std::string& argument);

    // --- the shell -----------------------------------------------------------------------
    void DataChanged(); // sets Changed
    void Clear1Click(); // "New"
    void FormClose();   // the main window closes: offer to save first
    void Creatures1Click();
    void Ships1Click();
    // "Save Changes?" when the hero has unsaved changes; Yes saves.
    void OfferToSave();
    // "Save" of the File menu. True when the hero was written.
    bool Save();

    // Clears the hero back to its initial state.
    void FormClear();
    // Rereads every catalogue that depends on the active sources and puts the hero's
    // choices back by name.
    void LoadConfiguration();
    // What a new rule set in force changes.
    void RuleSetChanged();

    // --- identity ------------------------------------------------------------------------
    void SetIdentityText(IdentityField field, const std::string& text);
    void ChooseIdentity(IdentityChoice choice, int index);
    void PaintIdentity();

    // --- what other subsystems provide; each is a no-op until its subsystem exists -------
    int SkillTableRowCount() const;
    void ClearSkills();
    void GrantFreeSkills();
    void RebuildSkillLists();
    void PaintSelectedSkills();
    void PaintSelectedPsionics();
    void PaintFixedNotes();
    void CalculateSkillPoints();
    void PaintCombat();
    void SetCyberTolerance();
    // Benefits on offer, the FX label and list, the fixed notes and the skill points.
    void RebuildProfessionDependents();
    // What perks and flaws, benefits and last resort points add to the budget.
    int PerkFlawAdjustment() const;
    int BenefitsCost() const;
    int LastResortPointsCost() const;
    // The cyberware catalogue, custom items (from the defaults file) included.
    const std::vector<TCyberTech>& CyberCatalogue() const { return cyberCatalogue_; }
    // Replaces the custom items of the cyberware catalogue.
    void SetCustomCyberItems(std::vector<TCyberTech> items);

    // --- state ---------------------------------------------------------------------------
    THero Hero;
    bool Changed = false; // the hero has unsaved changes
    bool Ready = false;   // false during start-up and while sources switch in bulk
    bool Loading = false; // a hero file is being read
    std::string CurrentRuleSetName = "Core";
    std::string CommandLineHero; // the first command-line argument, if any
    char DecimalSeparator = '.'; // the person's locale, for numbers shown

    ViewData Views;
    Prompter& prompter;
    const AppPaths& paths;
    AppLogs logs;

    RulesConfiguration Rules;
    AttributeScores Attributes;
    SpeciesChoice Species;
    ProfessionChoice Professions;
    SkillPurchases Skills;
    SkillBudget Budget;
    HeroFiles Files;

    const TRuleset& RuleSet() const { return Rules.RuleSet(); }

    void SetChanged(bool changed);
    // Writes the problems met while reading a catalogue to the main log.
    void ReportReadErrors(const XmlReadResult& result);

    void SetObserver(ViewObserver* observer) { observer_ = observer; }
    // Tells the observer which views the last operation changed.
    void NotifyViews();

private:
    std::vector<TCyberTech> cyberCatalogue_;
    ViewObserver* observer_ = nullptr;
};
