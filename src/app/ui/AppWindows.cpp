#include "app/ui/AppWindows.h"

#include "app/HeroBuilder.h"
#include "app/ui/TFrmAbout.h"
#include "app/ui/TFrmMain.h"
#include "dice/ui/TFrmDice.h"
#include "files/ui/TFrmLoad.h"
#include "files/ui/TFrmMessages.h"
#include "files/ui/TFrmTmplt.h"
#include "robots/ui/TFrmRobot.h"
#include "roster/ui/TFrmRoster.h"
#include "ships/ui/TFrmShips.h"

AppWindows::AppWindows(HeroBuilder& builder, Prompter& prompter, const AppPaths& paths) {
    main = std::make_unique<TFrmMain>(builder, prompter);
    started = main->Started();
    if (!started) return;
    QWidget* owner = main.get();
    messages = new TFrmMessages(owner);
    about = new TFrmAbout(prompter, paths, owner);
    dice = new TFrmDice(owner);
    tmplt = new TFrmTmplt(owner);
    load = new TFrmLoad(owner);
    ships = new TFrmShips(prompter, paths, *this, owner);
    roster = new TFrmRoster(*this, builder, prompter, paths, owner);
    // The robot designer offers upgrades of the sources the hero builder has in play.
    robot = new TFrmRobot(
        *this, prompter, paths,
        [&builder](const std::string& source) { return builder.Rules().ValidSource(source); },
        owner);
    main->SetWindows(this);
}

AppWindows::~AppWindows() = default;
