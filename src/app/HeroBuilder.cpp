#include "app/HeroBuilder.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {
constexpr const char* kNotYetEnabled = "Not yet enabled..\rCheck back in a future version";
constexpr const char* kConfigMissing = "Configuration Data File not found.\rAborting!";
} // namespace

HeroBuilder::HeroBuilder(Prompter& prompter_, const AppPaths& paths_)
    : prompter(prompter_), paths(paths_), logs(paths_, prompter_) {}

void HeroBuilder::SetChanged(bool changed) {
    if (Changed == changed) return;
    Changed = changed;
    Views.SetLabel("Changed", changed ? "*" : "");
}

void HeroBuilder::NotifyViews() {
    auto names = Views.TakeChanged();
    if (observer_ && !names.empty()) observer_->ViewsChanged(names);
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

    FormClear();
    Ready = true;
    NotifyViews();
    return true;
}

void HeroBuilder::OpenStartupHero(const std::string& argument) {
    CommandLineHero = argument;
    if (argument.empty()) return;
    Ready = false;
    FormClear();
    Hero.FileName = argument;
    Views.SetLabel("FileName", argument);
    Ready = true;
    Views.SetLabel("Page", "Main");
    SetChanged(false);
    NotifyViews();
}

void HeroBuilder::DataChanged() {
    SetChanged(true);
    NotifyViews();
}

void HeroBuilder::OfferToSave() {
    if (Changed && prompter.confirm("Save Changes?")) Save();
}

bool HeroBuilder::Save() {
    // Hero files are not written yet: the hero stays marked as changed.
    return false;
}

void HeroBuilder::Clear1Click() {
    OfferToSave();
    FormClear();
    Views.SetLabel("Page", "Main");
    NotifyViews();
}

void HeroBuilder::FormClose() { OfferToSave(); }

void HeroBuilder::Creatures1Click() { prompter.plain(kNotYetEnabled); }

void HeroBuilder::Ships1Click() { prompter.plain(kNotYetEnabled); }
