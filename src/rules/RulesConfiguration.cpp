#include "rules/RulesConfiguration.h"

#include "app/AtomicFile.h"

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
    for (const std::string& name : ReadKnownSources(document_.paths.InDataDir("config.xml"), &read))
        sources.AddKnownSource(name);
    document_.ReportReadErrors(read);

    std::error_code error;
    if (std::filesystem::exists(document_.paths.InAppDir("defaults.xml"), error))
        ApplyDefaults();
    else
        document_.prompter.info(kNoDefaultsFile);

    ruleSets.Reset();
    document_.ReportReadErrors(ruleSets.ReadCatalogue(document_.paths.InDataDir("rulesets.xml")));
    document_.Views.Touch(kSourcesMenu);
}

bool RulesConfiguration::ToggleSource(std::size_t entryIndex) {
    if (entryIndex >= sources.Entries().size()) return false;
    if (UpperCase(sources.Entries()[entryIndex].name) == "CORE") {
        document_.prompter.error(kCoreRequired);
        return false;
    }
    sources.Toggle(entryIndex);
    document_.Views.Touch(kSourcesMenu);
    return true;
}

void RulesConfiguration::ToggleByCaption(const std::string& caption) {
    const int entry = sources.FindEntryByCaption(caption);
    if (entry >= 0) ToggleSource(static_cast<std::size_t>(entry));
}

void RulesConfiguration::ActivateSource(const std::string& name) {
    if (!ValidSource(name) && name != "Core") ToggleByCaption(name);
}

void RulesConfiguration::ClearSources() {
    const std::vector<std::string> active = sources.Active();
    for (auto it = active.rbegin(); it != active.rend(); ++it)
        if (*it != "Core" && ValidSource(*it)) ToggleByCaption(*it);
}

void RulesConfiguration::ApplyDefaults() {
    customPerks.clear();
    customFlaws.clear();
    ClearSources();
    CustomDefaults custom;
    const auto read = ReadDefaultsFile(
        document_.paths.InAppDir("defaults.xml"),
        [this](const std::string& piece) {
            if (piece != "Core") ToggleByCaption(piece);
        },
        custom);
    document_.ReportReadErrors(read);
    customPerks = std::move(custom.perks);
    customFlaws = std::move(custom.flaws);
    SetCustomCyberItems(std::move(custom.cyberItems));
}

void RulesConfiguration::SaveDefaults() {
    const std::string text =
        FormatDefaults(sources.Active(), customPerks, customFlaws, CyberCatalogue());
    if (!WriteFileAtomically(document_.paths.InAppDir("defaults.xml"), text))
        document_.prompter.error("Failed to save defaults");
}

void RulesConfiguration::SetCustomCyberItems(std::vector<TCyberTech> items) {
    std::erase_if(cyberCatalogue_,
                  [](const TCyberTech& item) { return UpperCase(item.Source) == "CUSTOM"; });
    for (auto& item : items)
        cyberCatalogue_.push_back(std::move(item));
}

bool RulesConfiguration::ChooseRuleSet(std::size_t entryIndex) {
    if (entryIndex >= ruleSets.Entries().size()) return false;
    ruleSets.Choose(entryIndex);
    return true;
}

bool RulesConfiguration::SetRuleSet(const std::string& name) {
    const int entry = ruleSets.EntryForName(name);
    if (entry < 0) {
        document_.prompter.error("Ruleset \"" + name + "\" not found. Using current default");
        return false;
    }
    return ChooseRuleSet(static_cast<std::size_t>(entry));
}
