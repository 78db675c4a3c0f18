#include "app/HeroBuilder.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {
constexpr const char* kNotYetEnabled = "Not yet enabled..\rCheck back in a future version";
constexpr const char* kConfigMissing = "Configuration Data File not found.\rAborting!";
} // namespace

HeroBuilder::HeroBuilder(Prompter& prompter_, const AppPaths& paths_)
    : prompter(prompter_), paths(paths_), logs(paths_, prompter_), Rules(*this), Attributes(*this),
      Species(*this), Professions(*this), Skills(*this), Budget(*this), Files(*this) {}

void HeroBuilder::SetChanged(bool changed) {
    Changed = changed;
    Views.Touch("Changed");
}

void HeroBuilder::NotifyViews() {
    auto names = Views.TakeChanged();
    if (observer_ && !names.empty()) observer_->ViewsChanged(names);
}

void HeroBuilder::ReportReadErrors(const XmlReadResult& result) {
    // A catalogue that is not there holds no entries; that is not reported.
    if (!result.opened) return;
    for (const XmlError& error : result.errors)
        logs.Log("XML: " + error.file + ":" + std::to_string(error.line) + ": " + error.message);
}

bool HeroBuilder::FormCreate() {
    Ready = false;
    SetChanged(false);
    logs.DebugLog(-2, "Initialized");
    CurrentRuleSetName = "Core";
    Views.SetLabel("Page", "Main");
    logs.RestartMainLog();

    std::error_code error;
    if (!fs::exists(paths.InDataDir("config.xml"), error)) {
        prompter.error(kConfigMissing);
        return false;
    }

    Rules.StartUp();
    CurrentRuleSetName = Rules.ruleSets.CurrentName();
    Views.SetLabel("HouseRule", kHouseRuleNone);
    LoadConfiguration();

    Views.SetTable("AvailableEquipment", {{"Equipment", "Mass", "Cost", "PL", "Avail", "Source"}});
    Views.SetTable("CarriedEquipment",
                   {{"Equipment", "Qty", "Mass", "Cost", "Ext Mass", "Ext Cost"}});
    Views.SetTable("Weapons", {{"Weapon", "Score", "Die", "Type", "Range", "Damage"}});
    Views.SetTable("Armor", {{"Armor", "Score", "Die", "Type", "Effect", "AP", "Hide"}});
    Views.SetTable("Accounts", {{"Amt", "Account Name"}});
    Views.SetTable("AccountDetail", {{"Amt", "Description"}});

    // The hero starts cleared: every view shows the cleared state.
    FormClear();
    Ready = true;
    NotifyViews();
    return true;
}

void HeroBuilder::OpenStartupHero(const std::string& argument) {
    CommandLineHero = argument;
    if (argument.empty()) return;
    Files.OpenStartupHero(argument);
}

void HeroBuilder::DataChanged() {
    SetChanged(true);
    NotifyViews();
}

void HeroBuilder::OfferToSave() {
    if (Changed && prompter.confirm("Save Changes?")) Save();
}

bool HeroBuilder::Save() {
    return Files.Save();
}

void HeroBuilder::Clear1Click() {
    OfferToSave();
    FormClear();
    Rules.SetDefaultSources();
    Views.Touch("Sources");
    Views.SetLabel("Page", "Main");
    NotifyViews();
}

void HeroBuilder::FormClose() {
    OfferToSave();
}

void HeroBuilder::Creatures1Click() {
    prompter.plain(kNotYetEnabled);
}

void HeroBuilder::Ships1Click() {
    prompter.plain(kNotYetEnabled);
}

void HeroBuilder::RuleSetChanged() {
    Attributes.SetAttribLevels();
    CalculateSkillPoints();
    // The FX page follows with the FX subsystem.
    PaintFixedNotes();
    Attributes.UpdateCost();
    Views.SetLabel("Ruleset", CurrentRuleSetName);
    NotifyViews();
}

void HeroBuilder::SetCustomCyberItems(std::vector<TCyberTech> items) {
    std::erase_if(cyberCatalogue_,
                  [](const TCyberTech& item) { return UpperCase(item.Source) == "CUSTOM"; });
    for (auto& item : items)
        cyberCatalogue_.push_back(std::move(item));
}

// --- identity ----------------------------------------------------------------------------

void HeroBuilder::SetIdentityText(IdentityField field, const std::string& text) {
    switch (field) {
    case IdentityField::HeroName:
        Hero.HeroName = text;
        break;
    case IdentityField::Player:
        Hero.Player = text;
        break;
    case IdentityField::GameMaster:
        Hero.GameMaster = text;
        break;
    case IdentityField::Career:
        Hero.Career = text;
        break;
    case IdentityField::FreeNotes:
        Hero.FreeNotes = text;
        break;
    }
    PaintIdentity();
    DataChanged();
}

void HeroBuilder::ChooseIdentity(IdentityChoice choice, int index) {
    auto pick = [index](const std::vector<std::string>& items) {
        return index >= 0 && index < static_cast<int>(items.size())
                   ? items[static_cast<std::size_t>(index)]
                   : std::string();
    };
    const GameConfiguration& config = Rules.config;
    switch (choice) {
    case IdentityChoice::Gender:
        Hero.Gender = pick(kGenderChoices);
        break;
    case IdentityChoice::Motivation:
        Hero.Motivation = pick(config.motivations);
        break;
    case IdentityChoice::MoralAttitude:
        Hero.MoralAttitude = pick(config.moralAttitudes);
        break;
    case IdentityChoice::Trait1:
        Hero.Trait1 = pick(config.traits);
        break;
    case IdentityChoice::Trait2:
        Hero.Trait2 = pick(config.traits);
        break;
    }
    PaintIdentity();
    DataChanged();
}

void HeroBuilder::PaintIdentity() {
    Views.SetLabel("HeroName", Hero.HeroName);
    Views.SetLabel("PlayerName", Hero.Player);
    Views.SetLabel("GameMaster", Hero.GameMaster);
    Views.SetLabel("Career", Hero.Career);
    Views.SetLabel("FileName", Hero.FileName);
    Views.SetLabel("FreeNotes", Hero.FreeNotes);
    Views.SetLabel("Ruleset", CurrentRuleSetName);
    auto choice = [this](const char* name, const std::vector<std::string>& items,
                         const std::string& chosen) {
        ChoiceView view;
        view.items = items;
        if (!chosen.empty()) {
            for (std::size_t i = 0; i < items.size(); ++i)
                if (items[i] == chosen) view.index = static_cast<int>(i);
        }
        Views.SetChoice(name, std::move(view));
        Views.SetLabel(name, chosen);
    };
    const GameConfiguration& config = Rules.config;
    choice("Gender", kGenderChoices, Hero.Gender);
    choice("Motivation", config.motivations, Hero.Motivation);
    choice("MoralAttitude", config.moralAttitudes, Hero.MoralAttitude);
    choice("Trait1", config.traits, Hero.Trait1);
    choice("Trait2", config.traits, Hero.Trait2);
}

// --- what later subsystems provide ---------------------------------------------------------

int HeroBuilder::SkillTableRowCount() const {
    const std::size_t rows = Views.Table("Skills").size();
    return rows > 1 ? static_cast<int>(rows) - 1 : 0;
}

void HeroBuilder::ClearSkills() {
    Skills.ClearSkills();
}
void HeroBuilder::GrantFreeSkills() {
    Skills.ProcessFreeSkills();
}
void HeroBuilder::RebuildSkillLists() {
    Skills.PaintAllSkills();
}
void HeroBuilder::PaintSelectedSkills() {
    Skills.PaintSelectedSkills();
}
void HeroBuilder::PaintSelectedPsionics() {}
void HeroBuilder::PaintFixedNotes() {
    Budget.PaintNotes();
}
void HeroBuilder::CalculateSkillPoints() {
    Budget.CalculateSkillPoints();
}
void HeroBuilder::PaintCombat() {}
void HeroBuilder::SetCyberTolerance() {}
int HeroBuilder::PerkFlawAdjustment() const {
    return 0;
}
int HeroBuilder::BenefitsCost() const {
    return 0;
}
int HeroBuilder::LastResortPointsCost() const {
    return 0;
}
void HeroBuilder::RebuildProfessionDependents() {
    PaintFixedNotes();
    CalculateSkillPoints();
}
