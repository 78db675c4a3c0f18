#pragma once
// The rules in force around the hero: the source books in play with the "Sources" menu and
// the defaults file, the rule sets with the "Rule Set" menu, and the configuration
// catalogue's choices. It survives "New"; the hero does not.

#include "rules/DefaultsFile.h"
#include "rules/GameConfiguration.h"
#include "rules/RuleSetList.h"
#include "rules/SourceList.h"

#include <string>

class HeroBuilder;

class RulesConfiguration {
public:
    explicit RulesConfiguration(HeroBuilder& builder) : builder_(builder) {}

    // Start-up: the Sources menu from config.xml, the defaults file (or the notice that
    // there is none), the built-in and catalogue rule sets.
    void StartUp();

    bool ValidSource(const std::string& name) const { return sources.ValidSource(name); }

    // A "Sources" menu entry was clicked.
    void SourceClick(std::size_t entryIndex);
    // Switches a source on without prompts (a hero file names it).
    void ActivateSource(const std::string& name);
    // Switches every source but "Core" off without prompts.
    void ClearSources();
    // Applies the defaults file.
    void SetDefaultSources();
    // Rewrites the defaults file from the current state.
    void SaveDefaults();

    // A "Rule Set" menu entry was clicked.
    void RuleSetClick(std::size_t entryIndex);
    // Puts a named rule set in force (a hero file names it).
    void SetRuleSet(const std::string& name);

    const TRuleset& RuleSet() const { return ruleSets.InForce(); }

    SourceList sources;
    RuleSetList ruleSets;
    GameConfiguration config;
    std::vector<PerkFlawItem> customPerks;
    std::vector<PerkFlawItem> customFlaws;

private:
    void ToggleByCaption(const std::string& caption);
    HeroBuilder& builder_;
};
