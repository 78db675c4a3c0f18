// Drives the starship designer's window offscreen on the bundled catalogue: a small ship
// designed by double clicks, its totals, the lists, the filter and the menus. Saves a
// screenshot of the window as build/ships-window.png.

#include "UiHarness.h"

#include "ships/ui/TFrmShips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Double clicks the row of the list whose first cell is `name`.
bool DoubleClickRow(QTableWidget* list, const QString& name) {
    const auto found = list->findItems(name, Qt::MatchExactly);
    for (QTableWidgetItem* item : found) {
        if (item->column() != 0) continue;
        list->scrollToItem(item);
        const QRect cell = list->visualItemRect(item);
        // Picked first, as a person points at the row: a program's very first press would
        // otherwise be taken for the second half of a double click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        return true;
    }
    return false;
}

QString Text(TFrmShips* ships, const char* label) {
    auto* found = ships->findChild<QLabel*>(QString("Lbl") + label);
    return found ? found->text() : QString("<no %1>").arg(label);
}

} // namespace

class ShipsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void designsASmallShipByDoubleClicks() {
        AppFolder folder;
        Program program(folder);
        auto* ships = qobject_cast<TFrmShips*>(program.windows.ships);
        QVERIFY(ships);
        QCOMPARE(ships->windowTitle(), QString("Tavorn Starship Manager"));
        ships->show();
        QVERIFY(QTest::qWaitForWindowExposed(ships));
        const auto section = [ships](const char* name) {
            QTest::mouseClick(ships->findChild<QPushButton*>(name), Qt::LeftButton);
        };
        QTableWidget* list = ships->ComponentList();
        QLineEdit* field = ships->HullPointsField();

        // Nothing but the hulls until a hull is chosen.
        section("PnlArmor");
        QCOMPARE(program.prompter.Texts(Kind::Error), Strings{"Select a hull first"});
        QVERIFY(ships->findChild<QPushButton*>("PnlHull")->isChecked());
        QCOMPARE(list->horizontalHeaderItem(0)->text(), QString("Name"));
        QVERIFY(!field->isVisible());

        QVERIFY(DoubleClickRow(list, "Heron Scout"));
        QCOMPARE(Text(ships, "HullName"), QString("Heron Scout"));
        QCOMPARE(Text(ships, "HullPoints"), QString("110.00"));
        QCOMPARE(Text(ships, "Cost"), QString("$500,000"));

        section("PnlArmor");
        QVERIFY(DoubleClickRow(list, "Reactive Lattice"));
        QCOMPARE(Text(ships, "ArmorName"), QString("Reactive Lattice, medium"));
        QCOMPARE(Text(ships, "ArmorHullPoints"), QString("10"));

        // The field shows for drives; a fixed-size drive takes 7 % whatever it holds.
        section("PnlFTL");
        QVERIFY(field->isVisible());
        QVERIFY(DoubleClickRow(list, "Star Tack Drive"));
        section("PnlPower");
        field->selectAll();
        QTest::keyClicks(field, "20");
        QVERIFY(DoubleClickRow(list, "Fusion Torus"));
        QCOMPARE(Rows(ships->EntryList(ShipEntryList::Power)), QStringList{"20|100|Fusion Torus"});
        section("PnlEngine");
        field->selectAll();
        QTest::keyClicks(field, "15");
        QVERIFY(DoubleClickRow(list, "Plasma Drive"));
        section("PnlSupport");
        QVERIFY(!field->isVisible());
        field->setText("2"); // still read for support systems
        emit field->textEdited("2");
        QVERIFY(DoubleClickRow(list, "Flight Deck"));

        QCOMPARE(Text(ships, "HullPointsUsed"), QString("54.00"));
        QCOMPARE(Text(ships, "Power"), QString("100.00"));
        QCOMPARE(Text(ships, "NetPower"), QString("84.00"));
        QCOMPARE(Text(ships, "Cost"), QString("$1,235,000"));
        QVERIFY(program.prompter.Texts(Kind::Error).size() == 1);

        // Hull points that are no number add nothing.
        section("PnlPower");
        QTest::qWait(200); // the layouts settle
        for (auto* group : ships->findChildren<QGroupBox*>())
            QVERIFY2(group->width() >= group->minimumSizeHint().width(),
                     qPrintable(group->title() + QString(" %1 %2 %3 %4")
                                                     .arg(group->width())
                                                     .arg(group->minimumSizeHint().width())
                                                     .arg(group->minimumWidth())
                                                     .arg(ships->width())));
        QVERIFY(ships->grab().save(QString(TAVORN_BINARY_DIR) + "/ships-window.png"));
        field->selectAll();
        QTest::keyClicks(field, "lots");
        QVERIFY(DoubleClickRow(list, "Fusion Torus"));
        QCOMPARE(program.prompter.Texts(Kind::Error).back(),
                 std::string("Hull Points must be a number from 0 to 1000000000, not \"lots\""));
        QCOMPARE(ships->EntryList(ShipEntryList::Power)->rowCount(), 1);

        // A double click on the plants' list clears it after a Yes.
        program.prompter.confirmAnswers = {true};
        QTest::mouseDClick(ships->EntryList(ShipEntryList::Power)->viewport(), Qt::LeftButton);
        QCOMPARE(program.prompter.Texts(Kind::Confirm), Strings{"Clear Power Entries?"});
        QCOMPARE(ships->EntryList(ShipEntryList::Power)->rowCount(), 0);
        QCOMPARE(Text(ships, "Power"), QString("0.00"));

        // Ticking PL 9 ticks 8 as well, and PL 9 plants are offered.
        QVERIFY(!list->findItems("Zero-Point Tap", Qt::MatchExactly).size());
        auto* pl9 = ships->findChild<QCheckBox*>("CbPL9");
        QTest::mouseClick(pl9, Qt::LeftButton);
        QVERIFY(pl9->isChecked() && ships->findChild<QCheckBox*>("CbPL8")->isChecked());
        QCOMPARE(list->findItems("Zero-Point Tap", Qt::MatchExactly).size(), 1);
        QCOMPARE(ships->findChild<QCheckBox*>("CbTechQ")->toolTip(),
                 QString("Quantum Manipulation"));
    }

    void menusClearSwitchAndClose() {
        AppFolder folder;
        Program program(folder);
        auto* ships = qobject_cast<TFrmShips*>(program.windows.ships);
        QVERIFY(program.Show());
        ships->show();
        QVERIFY(QTest::qWaitForWindowExposed(ships));
        QVERIFY(DoubleClickRow(ships->ComponentList(), "Wasp Courier"));

        ships->MenuAction("Clear1")->trigger();
        QCOMPARE(Text(ships, "HullName"), QString(""));
        QCOMPARE(Text(ships, "Cost"), QString("$0,000"));

        ships->MenuAction("Creature1")->trigger();
        QCOMPARE(program.prompter.Texts(Kind::Plain),
                 Strings{"Not yet enabled..\rCheck back in a future version"});

        // Exit closes the designer only; the hero builder shows.
        program.main.hide();
        ships->MenuAction("Exit1")->trigger();
        QVERIFY(!ships->isVisible());
        QVERIFY(program.main.isVisible());

        ships->show();
        ships->MenuAction("Robot1")->trigger();
        QVERIFY(!ships->isVisible() && program.windows.robot->isVisible());
        ships->show();
        ships->MenuAction("Roster1")->trigger();
        QVERIFY(!ships->isVisible() && program.windows.roster->isVisible());
    }
};

QTEST_MAIN(ShipsWindowTest)
#include "ShipsWindowTest.moc"
