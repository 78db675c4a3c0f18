#pragma once
// The hero builder: the state behind the main window. It owns the one hero, the catalogues,
// the rules in force and the flags, wires the subsystems together and offers every operation
// the main window's controls lead to. Windows call these operations and repaint from Views.

#include "app/Logs.h"
#include "app/Paths.h"
#include "app/Prompter.h"
#include "app/ViewData.h"
#include "hero/Hero.h"

#include <string>

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
    void DataChanged();   // an identity field, an attribute field or the free notes changed
    void Clear1Click();   // "New"
    void FormClose();     // the main window closes: offer to save first
    void Creatures1Click();
    void Ships1Click();
    // "Save Changes?" when the hero has unsaved changes; Yes saves.
    void OfferToSave();
    // "Save" of the File menu. True when the hero was written.
    bool Save();

    // Clears the hero back to its initial state.
    void FormClear();

    // --- state ---------------------------------------------------------------------------
    THero Hero;
    bool Changed = false; // the hero has unsaved changes
    bool Ready = false;   // false during start-up and while sources switch in bulk
    bool Loading = false; // a hero file is being read
    std::string CurrentRuleSetName = "Core";
    std::string CommandLineHero; // the first command-line argument, if any

    ViewData Views;
    Prompter& prompter;
    const AppPaths& paths;
    AppLogs logs;

    void SetObserver(ViewObserver* observer) { observer_ = observer; }
    // Tells the observer which views the last operation changed.
    void NotifyViews();

private:
    void SetChanged(bool changed);
    ViewObserver* observer_ = nullptr;
};
