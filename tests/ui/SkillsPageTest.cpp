// Buys a specialty from the Skills page's tree, raises it with "+", and reads the table and
// the budget labels.

#include "UiHarness.h"

#include <QPushButton>
#include <QTreeWidget>

class SkillsPageTest : public QObject {
    Q_OBJECT

private slots:
    void buysAndRaisesASpecialty() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        QTest::mouseClick(program.main.PageButton(2), Qt::LeftButton);
        SkillsPage* page = program.Skills();
        QCOMPARE(page->LblSkillPoints->text(), QString("45  [0 used of 45]"));
        QCOMPARE(page->LblBroadSkills->text(), QString("12 [0 used of 12]"));

        const auto found =
            page->TvSkills->findItems("Sidearm [2]", Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0]->parent()->text(0), QString("Slugthrower Arms [4]"));
        page->TvSkills->setCurrentItem(found[0]);
        emit page->TvSkills->itemDoubleClicked(found[0], 0);

        QTableWidget* grid = page->GridSkills;
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), QString("Skills"));
        QCOMPARE(Rows(grid), QStringList({"Slugthrower Arms||DEX|10/5/2|+d4|4",
                                          "  Sidearm|  1|DEX|11/5/2|+d0|2"}));
        QCOMPARE(page->SelectedRow(), 2);

        QTest::keyClick(grid, Qt::Key_Plus);
        QCOMPARE(Rows(grid)[1], QString("  Sidearm|  2|DEX|12/6/3|+d0|5"));
        QCOMPARE(page->SelectedRow(), 2);
        QCOMPARE(page->LblSkillPoints->text(), QString("36  [9 used of 45]"));
        QCOMPARE(page->LblBroadSkills->text(), QString("11 [1 used of 12]"));

        QTest::mouseClick(page->CmdSkillDn, Qt::LeftButton);
        QCOMPARE(Rows(grid)[1], QString("  Sidearm|  1|DEX|11/5/2|+d0|2"));
        grid->clearSelection();
        QTest::mouseClick(page->CmdSkillUp, Qt::LeftButton);
        QCOMPARE(program.prompter.Texts(Kind::Plain), Strings{"Please select a skill to raise"});
        QVERIFY(program.main.grab().save(QString(TAVORN_BINARY_DIR) + "/skills-page.png"));
    }
};

QTEST_MAIN(SkillsPageTest)
#include "SkillsPageTest.moc"
