// Drives the robot designer's window offscreen: reached from the hero builder's "Switch to",
// a robot built on the Main page (PL, a part, an upgrade by double click), saved, cleared,
// opened again and exported, then the roster reached from its own "Switch to". Saves a
// screenshot as build/robot-window.png.

#include "UiHarness.h"

#include "robots/ui/TFrmRobot.h"
#include "roster/ui/TFrmRoster.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace {

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// Double-clicks the entry of a list as the person does.
void DoubleClick(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    list->setCurrentItem(found.front());
    const QPoint at = list->visualItemRect(found.front()).center();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class RobotWindowTest : public QObject {
    Q_OBJECT

private slots:
    void robotIsBuiltSavedOpenedAndExported() {
        AppFolder folder;
        folder.Write("defaults.xml", "<Defaults><Sources Active=\"Core\" /></Defaults>");
        Program program(folder);
        QVERIFY(program.Show());
        auto* robot = qobject_cast<TFrmRobot*>(program.windows.robot);
        QVERIFY(robot && !robot->isVisible());
        QCOMPARE(robot->windowTitle(), QString("Tavorn: Robots"));

        // "Switch to" > "Robots" shows the designer in place of the hero builder.
        program.main.MenuAction("Robots1")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(robot));
        QVERIFY(!program.main.isVisible());
        QStringList pages;
        for (int i = 0; i < robot->Pages->count(); ++i)
            pages << robot->Pages->tabText(i);
        QCOMPARE(pages, QStringList({"Main", "Programs", "Notes", "Combat", "Equipment"}));

        QCOMPARE(robot->CmbParts[0]->count(), 2); // two processors at PL 5
        Choose(robot->CmbPL, "7");
        QCOMPARE(robot->CmbParts[0]->count(), 4);
        Choose(robot->CmbParts[0], "Quillon Weave");
        Choose(robot->CmbParts[1], "Mantle Shell");
        QCOMPARE(robot->LblAbilities[3]->text(), QString("10"));
        QCOMPARE(robot->LblAbilities[2]->text(), QString("10"));
        QCOMPARE(robot->LblActionDie->text(), QString("0"));

        QListWidget* upgrades = robot->LstAvailable[3];
        QVERIFY(Items(upgrades).contains("Reflex Spindle"));
        QVERIFY(!Items(upgrades).contains("Threat Lens")); // its source is not in play
        DoubleClick(upgrades, "Balance Gyros");
        QCOMPARE(Items(robot->LstSelected[3]), QStringList{"Balance Gyros"});
        QVERIFY(!Items(upgrades).contains("Reflex Spindle"));
        QCOMPARE(robot->LblAbilities[1]->text(), QString("6")); // Cable Pulleys 5, +1
        DoubleClick(robot->LstAvailable[2], "Sonar Pod");
        DoubleClick(robot->LstAvailable[2], "Sonar Pod");
        QCOMPARE(Items(robot->LstSelected[2]), QStringList({"Sonar Pod", "Sonar Pod"}));
        robot->LstSelected[2]->setCurrentRow(1);
        QTest::keyClick(robot->LstSelected[2], Qt::Key_Delete);
        QCOMPARE(Items(robot->LstSelected[2]), QStringList{"Sonar Pod"});
        robot->LstAvailable[0]->clearSelection();
        QTest::keyClick(robot->LstAvailable[0], Qt::Key_Return);
        QCOMPARE(program.prompter.Texts(Kind::Info), Strings{"Nothing to add"});

        QTest::keyClicks(robot->EdDesignation, "Porter");
        robot->MemNotes->setPlainText("Hauls crates\nHums while it works");
        QVERIFY(robot->grab().save(QString(TAVORN_BINARY_DIR) + "/robot-window.png"));

        const fs::path file = folder.root / "porter.xml";
        program.prompter.fileAnswers.push_back(file);
        robot->MenuAction("Save1")->trigger();
        QCOMPARE(program.prompter.Texts(Kind::SaveFile), Strings{"Save Robot File"});
        QCOMPARE(program.prompter.Texts(Kind::Plain), Strings{"File Saved"});
        QCOMPARE(robot->LblFileName->text(), QString::fromStdString(file.string()));

        robot->MenuAction("Clear1")->trigger();
        QCOMPARE(robot->EdDesignation->text(), QString());
        QCOMPARE(robot->MemNotes->toPlainText(), QString());
        QCOMPARE(robot->LstSelected[3]->count(), 0);
        QCOMPARE(robot->CmbPL->currentText(), QString("7"));

        program.prompter.fileAnswers.push_back(file);
        robot->MenuAction("Open1")->trigger();
        QCOMPARE(robot->EdDesignation->text(), QString("Porter"));
        QCOMPARE(robot->CmbParts[0]->currentText(), QString("Quillon Weave"));
        QCOMPARE(robot->MemNotes->toPlainText(), QString("Hauls crates\nHums while it works"));
        QCOMPARE(Items(robot->LstSelected[3]), QStringList{"Balance Gyros"});

        robot->MenuAction("Export1")->trigger();
        QCOMPARE(program.prompter.Texts(Kind::OpenInViewer),
                 Strings{(folder.root / "robot.html").string()});

        // "Switch to" > "Roster", and from the roster back to the designer and the builder.
        robot->MenuAction("Roster1")->trigger();
        QVERIFY(!robot->isVisible());
        auto* roster = qobject_cast<TFrmRoster*>(program.windows.roster);
        QVERIFY(roster && roster->isVisible());
        roster->MenuAction("Robot1")->trigger();
        QVERIFY(!roster->isVisible() && robot->isVisible());
        program.prompter.Clear();
        robot->MenuAction("Creatures1")->trigger();
        QCOMPARE(program.prompter.Texts(Kind::Plain),
                 Strings{"Not yet enabled..\rCheck back in a future version"});
        robot->MenuAction("Characters1")->trigger();
        QVERIFY(!robot->isVisible() && program.main.isVisible());

        // Closing the designer (Escape) shows the hero builder too.
        program.main.MenuAction("Robots1")->trigger();
        QTest::keyClick(robot, Qt::Key_Escape);
        QVERIFY(!robot->isVisible() && program.main.isVisible());
    }
};

QTEST_MAIN(RobotWindowTest)
#include "RobotWindowTest.moc"
