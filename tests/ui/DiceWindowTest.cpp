// Drives the dice roller offscreen: opened from the hero builder's "Die Roller" beside it, a
// step picked with the mouse and with the keys, rolls with the button and the keys on scripted
// dice, and Escape. Saves a screenshot as build/dice-window.png.

#include "UiHarness.h"

#include "dice/ui/TFrmDice.h"

#include <QHeaderView>
#include <QPushButton>

#include <deque>

namespace {

// Dice that come up with the faces given, in order (20 once the script runs out).
RollDie Scripted(std::shared_ptr<std::deque<int>> faces) {
    return [faces](int) {
        if (faces->empty()) return 20;
        const int face = faces->front();
        faces->pop_front();
        return face;
    };
}

void ClickRow(QTableWidget* grid, int row) {
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class DiceWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensBesideTheBuilderPicksAStepAndRolls() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        auto* dice = qobject_cast<TFrmDice*>(program.windows.dice);
        QVERIFY(dice && !dice->isVisible());

        QAction* menu = program.main.MenuAction("DieRoller1");
        QVERIFY(menu->isEnabled());
        menu->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(dice));
        QVERIFY(!dice->isModal());
        QVERIFY(program.main.isVisible());
        QCOMPARE(dice->windowTitle(), QString("Die Roller"));
        QCOMPARE(dice->pos(), QPoint(2, 2));
        QVERIFY(dice->width() + 4 <= program.main.x());

        // The thirteen steps, all in view, "None" chosen.
        QTableWidget* grid = dice->GrdSteps;
        QCOMPARE(grid->rowCount(), 13);
        QStringList headings;
        for (int c = 0; c < grid->columnCount(); ++c)
            headings << grid->horizontalHeaderItem(c)->text();
        QCOMPARE(headings, QStringList({"Step", "Dice", "Description"}));
        QCOMPARE(Rows(grid).at(0), QString("-5 Steps|d20 -d20|No sweat"));
        QCOMPARE(Rows(grid).at(12), QString("+7 Steps|d20+3d20|Nearly Impossible"));
        QCOMPARE(grid->currentRow(), 5);
        QVERIFY(grid->viewport()->rect().contains(grid->visualRect(grid->model()->index(12, 2))));
        for (int c = 0; c < 3; ++c)
            QVERIFY(grid->columnWidth(c) >=
                    grid->fontMetrics().horizontalAdvance(grid->item(12, c)->text()));
        QCOMPARE(dice->LblRolls->text(), QString("0 + 0"));
        QCOMPARE(dice->LblResult->text(), QString("20"));
        QVERIFY(grid->hasFocus());

        auto faces = std::make_shared<std::deque<int>>();
        dice->Core().UseDice(Scripted(faces));

        // A step picked with the mouse, rolled with the button.
        ClickRow(grid, 11);
        QCOMPARE(dice->Core().Step(), 11);
        *faces = {9, 14, 3};
        QTest::mouseClick(dice->Button2, Qt::LeftButton);
        QCOMPARE(dice->LblRolls->text(), QString(" (3 + 14) + 9"));
        QCOMPARE(dice->LblResult->text(), QString("26"));
        QVERIFY(dice->LblResult->styleSheet().contains("blue"));
        QVERIFY(faces->empty());
        QVERIFY(dice->grab().save(QString(TAVORN_BINARY_DIR) + "/dice-window.png"));

        // The list takes the room the window gains.
        const int listHeight = grid->height();
        dice->resize(dice->width() + 100, dice->height() + 100);
        QCoreApplication::processEvents();
        QVERIFY(grid->height() > listHeight);

        // Up and Down move the step; Space and Enter roll.
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(grid, Qt::Key_Up);
        QCOMPARE(dice->Core().Step(), 4);
        QCOMPARE(grid->currentRow(), 4);
        *faces = {12, 3};
        QTest::keyClick(grid, Qt::Key_Space);
        QCOMPARE(dice->LblRolls->text(), QString(" (3) - 12"));
        QCOMPARE(dice->LblResult->text(), QString("9"));
        QTest::keyClick(grid, Qt::Key_Down);
        *faces = {20};
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(dice->LblRolls->text(), QString("20"));
        QVERIFY(dice->LblResult->styleSheet().contains("red"));
        QVERIFY(faces->empty());
        QVERIFY(dice->isVisible());

        // Escape closes; opening again starts at "None" and keeps the last roll.
        QTest::keyClick(grid, Qt::Key_Escape);
        QVERIFY(!dice->isVisible());
        dice->Core().ChooseStep(0);
        menu->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(dice));
        QCOMPARE(grid->currentRow(), 5);
        QCOMPARE(dice->Core().Step(), 5);
        QCOMPARE(dice->LblRolls->text(), QString("20"));

        // "Close" closes too.
        QTest::mouseClick(dice->Button1, Qt::LeftButton);
        QVERIFY(!dice->isVisible());
    }
};

QTEST_MAIN(DiceWindowTest)
#include "DiceWindowTest.moc"
