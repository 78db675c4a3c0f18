// Drives the real main window offscreen: start-up on the bundled catalogues, the page
// buttons, the menus and the title.

#include "UiHarness.h"

#include "app/Pages.h"
#include "app/ui/TFrmAbout.h"

#include <QMenuBar>
#include <QPushButton>

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnTheMainPageWithTwelvePageButtons() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.windows.started);
        TFrmMain& main = program.main;
        QVERIFY(program.Show());

        for (int i = 0; i < 12; ++i)
            QCOMPARE(main.PageButton(i)->text().remove('&').toStdString(),
                     std::string(kPageCaptions[i]));
        QCOMPARE(main.CurrentPage(), 0);
        QCOMPARE(main.windowTitle(), QString("Tavorn"));
        QVERIFY(main.grab().save(QString(TAVORN_BINARY_DIR) + "/main-window.png"));

        QTest::mouseClick(main.PageButton(2), Qt::LeftButton);
        QCOMPARE(main.CurrentPage(), 2);
        QVERIFY(main.AttributesPanel()->isVisible());

        QStringList menus;
        for (QAction* action : main.menuBar()->actions())
            menus << action->text().remove('&');
        QCOMPARE(menus, QStringList({"File", "Edit", "Sources", "Rule Set", "Functions",
                                     "Die Roller", "Switch to", "About"}));
        QVERIFY(main.findChild<QMenu*>("SwitchTo1")->isEnabled());
        QVERIFY(program.windows.dice && program.windows.messages);
        QVERIFY(!program.windows.dice->isVisible());

        // The title shows unsaved work; "New" asks to save it and clears it.
        program.builder.MarkChanged();
        QCOMPARE(main.windowTitle(), QString("Tavorn*"));
        main.MenuAction("Clear1")->trigger();
        QCOMPARE(program.prompter.Texts(Kind::Confirm), Strings{"Save Changes?"});
        QCOMPARE(main.windowTitle(), QString("Tavorn"));
        QCOMPARE(main.MenuAction("Clear1")->shortcut(), QKeySequence(QKeySequence::New));

        // The about box's version label opens the change log.
        QCOMPARE(program.windows.about->windowTitle(), QString("About Tavorn"));
        auto* version = program.windows.about->findChild<QLabel*>("LblVersion");
        QVERIFY(version && version->text().contains("v0.8.1 -  1/15/14"));
        program.windows.about->VersionLabelClick();
        const auto opened = program.prompter.Texts(Kind::OpenInViewer);
        QCOMPARE(opened.size(), size_t(1));
        QVERIFY(fs::exists(opened[0]) && opened[0].ends_with("changelog.txt"));

        // Without its file the link says why nothing opens.
        fs::remove(opened[0]);
        program.prompter.Clear();
        program.windows.about->VersionLabelClick();
        QCOMPARE(program.prompter.Texts(Kind::OpenInViewer), Strings{});
        QCOMPARE(program.prompter.Texts(Kind::Info),
                 Strings{"The change log cannot be shown: " + opened[0] + " was not found"});
    }

    void everyPageAndFileEntryIsLive() {
        AppFolder folder;
        Program program(folder);
        TFrmMain& main = program.main;
        QVERIFY(program.Show());

        for (const char* name : {"LoadCareer1", "SaveAsCareer1", "Export1"})
            QVERIFY2(main.MenuAction(name)->isEnabled(), name);
        for (int i = 0; i < 12; ++i) {
            QTest::mouseClick(main.PageButton(i), Qt::LeftButton);
            QVERIFY(main.Page(i)->isVisible());
        }
        QVERIFY(!program.windows.dice->isVisible());
    }

    void missingConfigurationEndsBeforeTheWindowShows() {
        AppFolder folder;
        fs::remove(folder.root / "Data" / "config.xml");
        Program program(folder);
        QVERIFY(!program.windows.started);
        QVERIFY(!program.main.isVisible());
        QCOMPARE(program.prompter.Texts(Kind::Error),
                 Strings{"Configuration Data File not found.\rAborting!"});
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
