#pragma once
// The rules in force around the hero: the source books in play with the "Sources" menu and
// the defaults file, the rule sets with the "Rule Set" menu, and the configuration
// catalogue's choices. It survives "New"; the hero does not.
//
// Switching a source here only changes which sources are in play; reading the catalogues
// again afterwards is the builder's configuration load.

#include "hero/HeroDocument.h"
#include "rules/DefaultsFile.h"
#include "rules/GameConfiguration.h"
#include "rules/RuleSetList.h"
#include "rules/SourceList.h"

#include <string>

class RulesConfiguration {
public:
    explicit RulesConfiguration(HeroDocument& document) : document_(document) {}

    // Start-up: the Sources menu from config.xml, the defaults file (or the notice that
    // there is none), the built-in and catalogue rule sets.
    void StartUp();

    bool ValidSource(const std::string& name) const { return sources.ValidSource(name); }

    // Switches the source of a "Sources" menu entry on or off. "Core" cannot be switched
    // off: that is said, and false returned.
    bool ToggleSource(std::size_t entryIndex);
    // Switches a source on (a hero file names it).
    void ActivateSource(const std::string& name);
    // Switches every source but "Core" off.
    void ClearSources();
    // Applies the defaults file: its sources, custom perks, flaws and cyberware.
    void ApplyDefaults();
    // Rewrites the defaults file from the current state.
    void SaveDefaults();

    // Puts the rule set of a "Rule Set" menu entry in force; false for no such entry.
    bool ChooseRuleSet(std::size_t entryIndex);
    // Puts a named rule set in force (a hero file names it); says so when there is none.
    bool SetRuleSet(const std::string& name);

    const TRuleset& RuleSet() const { return ruleSets.InForce(); }

    // The cyberware catalogue, custom items (from the defaults file) included.
    const std::vector<TCyberTech>& CyberCatalogue() const { return cyberCatalogue_; }
    // Replaces the custom items of the cyberware catalogue.
    void SetCustomCyberItems(std::vector<TCyberTech> items);

    SourceList sources;
    RuleSetList ruleSets;
    GameConfiguration config;
    std::vector<PerkFlawItem> customPerks;
    std::vector<PerkFlawItem> customFlaws;

private:
    void ToggleByCaption(const std::string& caption);

    HeroDocument& document_;
    std::vector<TCyberTech> cyberCatalogue_;
};

// The views the rules fill.
inline constexpr OuterName kSourcesMenu{"Sources"};
inline constexpr LabelName kRulesetLabel{"Ruleset"};
inline constexpr LabelName kHouseRuleLabel{"HouseRule"};
