#include "rules/RulesConfiguration.h"

#include "app/AtomicFile.h"
#include "app/HeroBuilder.h"

#include <system_error>

namespace {
constexpr const char* kNoDefaultsFile =
    "You do not appear to have a defaults file\rThis means ALL sources except \"Core\" are "
    "off\rWhen you select sources, you will be given the option to save new defaults";
constexpr const char* kCoreRequired = "You must use the Core Source Book. \rTo alter these "
                                      "rules, select a different \"Rule Set\".";
} // namespace

void RulesConfiguration::StartUp() {
    sources.Reset();
    XmlReadResult read;
    for (const std::string& name : ReadKnownSources(builder_.paths.InDataDir("config.xml"), &read))
        sources.AddKnownSource(name);
    builder_.ReportReadErrors(read);

    std::error_code error;
    if (std::filesystem::exists(builder_.paths.InAppDir("defaults.xml"), error))
        SetDefaultSources();
    else
        builder_.prompter.info(kNoDefaultsFile);

    ruleSets.Reset();
    if (!builder_.Ready)
        builder_.ReportReadErrors(ruleSets.ReadCatalogue(builder_.paths.InDataDir("rulesets.xml")));
}

void RulesConfiguration::SourceClick(std::size_t entryIndex) {
    if (entryIndex >= sources.Entries().size()) return;
    if (UpperCase(sources.Entries()[entryIndex].name) == "CORE") {
        builder_.prompter.error(kCoreRequired);
        return;
    }
    sources.Toggle(entryIndex);
    if (builder_.Ready) {
        builder_.LoadConfiguration();
        builder_.NotifyViews();
        if (builder_.prompter.confirm("Make this the default?")) SaveDefaults();
    }
    builder_.Views.Touch("Sources");
}

void RulesConfiguration::ToggleByCaption(const std::string& caption) {
    const int entry = sources.FindEntryByCaption(caption);
    if (entry >= 0) SourceClick(static_cast<std::size_t>(entry));
}

void RulesConfiguration::ActivateSource(const std::string& name) {
    builder_.Ready = false;
    if (!ValidSource(name) && name != "Core") ToggleByCaption(name);
    builder_.Ready = true;
}

void RulesConfiguration::ClearSources() {
    const bool wasReady = builder_.Ready;
    builder_.Ready = false;
    const std::vector<std::string> active = sources.Active();
    for (auto it = active.rbegin(); it != active.rend(); ++it)
        if (*it != "Core" && ValidSource(*it)) ToggleByCaption(*it);
    builder_.Ready = wasReady;
}

void RulesConfiguration::SetDefaultSources() {
    const bool wasReady = builder_.Ready;
    builder_.Ready = false;
    customPerks.clear();
    customFlaws.clear();
    ClearSources();
    CustomDefaults custom;
    const auto read = ReadDefaultsFile(
        builder_.paths.InAppDir("defaults.xml"),
        [this](const std::string& piece) {
            if (piece != "Core") ToggleByCaption(piece);
        },
        custom);
    builder_.ReportReadErrors(read);
    customPerks = std::move(custom.perks);
    customFlaws = std::move(custom.flaws);
    builder_.SetCustomCyberItems(std::move(custom.cyberItems));
    builder_.Ready = wasReady;
}

void RulesConfiguration::SaveDefaults() {
    const std::string text =
        FormatDefaults(sources.Active(), customPerks, customFlaws, builder_.CyberCatalogue());
    if (!WriteFileAtomically(builder_.paths.InAppDir("defaults.xml"), text))
        builder_.prompter.error("Failed to save defaults");
}

void RulesConfiguration::RuleSetClick(std::size_t entryIndex) {
    if (entryIndex >= ruleSets.Entries().size()) return;
    ruleSets.Click(entryIndex);
    builder_.CurrentRuleSetName = ruleSets.CurrentName();
    builder_.RuleSetChanged();
}

void RulesConfiguration::SetRuleSet(const std::string& name) {
    const int entry = ruleSets.EntryForName(name);
    if (entry < 0) {
        builder_.prompter.error("Ruleset \"" + name + "\" not found. Using current default");
        return;
    }
    RuleSetClick(static_cast<std::size_t>(entry));
}
