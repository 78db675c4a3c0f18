// Drives the roster window offscreen: reached from the hero builder, a robot and a hero added
// with the buttons, a row removed, the page exported. Saves a screenshot as
// build/roster-window.png.

#include "UiHarness.h"

#include "roster/ui/TFrmRoster.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>

class RosterWindowTest : public QObject {
    Q_OBJECT

private slots:
    void heroesAndRobotsAreAddedRemovedAndExported() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        auto* roster = qobject_cast<TFrmRoster*>(program.windows.roster);
        QVERIFY(roster);
        QCOMPARE(roster->windowTitle(), QString("Tavorn: Character Roster"));
        QCOMPARE(roster->SgData->columnCount(), 11);
        QCOMPARE(roster->SgData->rowCount(), 1); // one empty row at start

        // Unsaved work is offered for saving before the roster shows.
        program.builder.MarkChanged();
        program.prompter.askAnswers = {Answer::Cancel};
        program.main.MenuAction("Roster1")->trigger();
        QVERIFY(!roster->isVisible() && program.main.isVisible());
        program.prompter.askAnswers = {Answer::No};
        program.main.MenuAction("Roster1")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(roster));
        QVERIFY(!program.main.isVisible());

        const fs::path examples = fs::path(TAVORN_SOURCE_DIR) / "examples";
        program.prompter.fileAnswers = {examples / "robots" / "lumen-warden.xml",
                                        examples / "earthkin-tech-op.xml",
                                        examples / "robots" / "tallyframe-courier.xml"};
        QTest::mouseClick(roster->CmdRobot, Qt::LeftButton);
        QCOMPARE(Rows(roster->SgData),
                 QStringList{"Lumen Warden|+2|+3||17+/16/8/4 [ -d6 ]|3|Ward Coat d8/d6+1/d6|13|"
                             "13|7|"});
        QTest::mouseClick(roster->CmdAdd, Qt::LeftButton);
        QTest::mouseClick(roster->CmdRobot, Qt::LeftButton);
        QCOMPARE(roster->SgData->rowCount(), 3);
        QCOMPARE(roster->SgData->item(1, 0)->text(), QString("Mara Quell"));
        QVERIFY(roster->SgData->columnWidth(4) >=
                roster->SgData->fontMetrics().horizontalAdvance("17+/16/8/4 [ -d6 ]"));

        // Removing needs a row and a Yes.
        roster->SgData->clearSelection();
        QTest::mouseClick(roster->CmdRemove, Qt::LeftButton);
        QCOMPARE(program.prompter.Texts(Kind::Error), Strings{"Select an entry to remove first"});
        roster->SgData->selectRow(2);
        program.prompter.confirmAnswers = {true};
        QTest::mouseClick(roster->CmdRemove, Qt::LeftButton);
        QCOMPARE(program.prompter.Texts(Kind::Confirm).back(),
                 std::string("Remove this entry from the roster?"));
        QCOMPARE(roster->SgData->rowCount(), 2);

        // A click on a heading sorts by that column.
        roster->SgData->horizontalHeader()->sectionClicked(0);
        QCOMPARE(roster->SgData->item(0, 0)->text(), QString("Lumen Warden"));
        roster->SgData->horizontalHeader()->sectionClicked(5);
        QCOMPARE(roster->SgData->item(0, 0)->text(), QString("Mara Quell"));

        QTest::keyClicks(roster->EdRosterName, "Night Watch");
        QVERIFY(roster->grab().save(QString(TAVORN_BINARY_DIR) + "/roster-window.png"));
        QTest::mouseClick(roster->CmdExport, Qt::LeftButton);
        const fs::path page = folder.root / "Roster.html";
        QCOMPARE(program.prompter.Texts(Kind::OpenInViewer), Strings{page.string()});
        std::ifstream in(page);
        const std::string html((std::istreambuf_iterator<char>(in)), {});
        QVERIFY(html.find("<title>Night Watch</title>") != std::string::npos);

        program.prompter.Clear();
        QTest::mouseClick(roster->CmdCreature, Qt::LeftButton);
        QCOMPARE(program.prompter.Texts(Kind::Plain),
                 Strings{"Not yet enabled..\rCheck back in a future version"});
        roster->MenuAction("Clear1")->trigger();
        QCOMPARE(Rows(roster->SgData), QStringList{"||||||||||"});
        roster->MenuAction("Character1")->trigger();
        QVERIFY(!roster->isVisible() && program.main.isVisible());
    }
};

QTEST_MAIN(RosterWindowTest)
#include "RosterWindowTest.moc"
