// Program entry: the application, its windows in their fixed order, the hero named on the
// command line, then the event loop.

#include "app/HeroBuilder.h"
#include "app/Paths.h"
#include "app/Version.h"
#include "app/ui/AppWindows.h"
#include "app/ui/QtPrompter.h"
#include "app/ui/TFrmMain.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kProgramName));

    QtPrompter prompter;
    prompter.HoldInfo(); // notices of the start-up wait for the window
    const AppPaths paths(ResolveAppDir());
    HeroBuilder builder(prompter, paths);
    AppWindows windows(builder, prompter, paths);
    if (!windows.started) return 1;
    prompter.SetParent(windows.main.get());

    if (argc > 1) windows.main->Files().OpenStartupHero(argv[1]);
    windows.main->ShowPage(0);
    windows.main->UpdateTitle();
    windows.main->show();
    // Once the window is painted, the notices of the start-up.
    QTimer::singleShot(0, &app, [&prompter] { prompter.ShowHeldInfo(); });
    return app.exec();
}
