// Drives the real main window offscreen: start-up on the bundled catalogues, the page
// buttons, the menus and the title.

#include "app/HeroBuilder.h"
#include "app/Pages.h"
#include "app/ScriptedPrompter.h"
#include "app/ui/AppWindows.h"
#include "app/ui/TFrmAbout.h"
#include "app/ui/TFrmMain.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

namespace fs = std::filesystem;

class MainWindowTest : public QObject {
    Q_OBJECT

    static fs::path MakeAppDir(const QTemporaryDir& dir, bool withConfig) {
        const fs::path root = dir.path().toStdString();
        fs::copy(fs::path(TAVORN_SOURCE_DIR) / "Data", root / "Data", fs::copy_options::recursive);
        if (!withConfig) fs::remove(root / "Data" / "config.xml");
        return root;
    }

private slots:
    void startsOnTheMainPageWithTwelvePageButtons() {
        QTemporaryDir dir;
        const AppPaths paths(MakeAppDir(dir, true));
        ScriptedPrompter prompter;
        HeroBuilder builder(prompter, paths);
        AppWindows windows(builder, prompter, paths);
        QVERIFY(windows.started);
        TFrmMain& main = *windows.main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        for (int i = 0; i < 12; ++i)
            QCOMPARE(main.PageButton(i)->text().toStdString(), std::string(kPageCaptions[i]));
        QCOMPARE(main.CurrentPage(), 0);
        QVERIFY(main.PageButton(0)->isChecked());
        QCOMPARE(main.windowTitle(), QString("Tavorn"));

        QTest::mouseClick(main.PageButton(2), Qt::LeftButton);
        QCOMPARE(main.CurrentPage(), 2);
        QVERIFY(main.AttributesPanel()->isVisible());

        QStringList menus;
        for (QAction* action : main.menuBar()->actions())
            menus << action->text().remove('&');
        QCOMPARE(menus, QStringList({"File", "Sources", "Rule Set", "Functions", "Die Roller",
                                     "Switch to", "About"}));
        QVERIFY(!main.findChild<QMenu*>("SwitchTo1")->isEnabled());
        QVERIFY(windows.dice && windows.robot && windows.roster && windows.ships &&
                windows.messages && windows.about && windows.equip && windows.tmplt &&
                windows.load && windows.perkFlaw);
        QVERIFY(!windows.dice->isVisible());

        const QString shot = QString(TAVORN_BINARY_DIR) + "/main-window.png";
        QVERIFY(main.grab().save(shot));
    }

    void titleShowsUnsavedWorkAndNewClearsIt() {
        QTemporaryDir dir;
        const AppPaths paths(MakeAppDir(dir, true));
        ScriptedPrompter prompter;
        HeroBuilder builder(prompter, paths);
        AppWindows windows(builder, prompter, paths);
        TFrmMain& main = *windows.main;

        builder.DataChanged();
        QCOMPARE(main.windowTitle(), QString("Tavorn*"));
        prompter.confirmAnswers.push_back(false);
        main.MenuAction("Clear1")->trigger();
        QCOMPARE(prompter.Texts(ScriptedPrompter::Kind::Confirm),
                 std::vector<std::string>{"Save Changes?"});
        QCOMPARE(main.windowTitle(), QString("Tavorn"));
        QCOMPARE(main.MenuAction("Clear1")->shortcut(), QKeySequence(QKeySequence::New));
    }

    void aboutBoxOpensTheChangeLog() {
        QTemporaryDir dir;
        const AppPaths paths(MakeAppDir(dir, true));
        ScriptedPrompter prompter;
        HeroBuilder builder(prompter, paths);
        AppWindows windows(builder, prompter, paths);
        auto* version = windows.about->findChild<QLabel*>("LblVersion");
        QVERIFY(version);
        QVERIFY(version->text().contains("v0.8.1 -  1/15/14"));
        windows.about->VersionLabelClick();
        const auto opened = prompter.Texts(ScriptedPrompter::Kind::OpenInViewer);
        QCOMPARE(opened.size(), size_t(1));
        QVERIFY(fs::exists(opened[0]));
        QVERIFY(QString::fromStdString(opened[0]).endsWith("changelog.txt"));
    }

    void missingConfigurationEndsBeforeTheWindowShows() {
        QTemporaryDir dir;
        const AppPaths paths(MakeAppDir(dir, false));
        ScriptedPrompter prompter;
        HeroBuilder builder(prompter, paths);
        AppWindows windows(builder, prompter, paths);
        QVERIFY(!windows.started);
        QVERIFY(!windows.main->isVisible());
        QCOMPARE(prompter.Texts(ScriptedPrompter::Kind::Error),
                 std::vector<std::string>{"Configuration Data File not found.\rAborting!"});
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
