// Buys a specialty from the Skills page's tree, raises it with "+", and reads the table and
// the budget labels.

#include "app/HeroBuilder.h"
#include "app/ScriptedPrompter.h"
#include "app/ui/AppWindows.h"
#include "app/ui/TFrmMain.h"
#include "skills/ui/SkillsPage.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <filesystem>

namespace fs = std::filesystem;

class SkillsPageTest : public QObject {
    Q_OBJECT

    static QStringList Row(QTableWidget* grid, int row) {
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c)
            cells << (grid->item(row, c) ? grid->item(row, c)->text() : QString());
        return cells;
    }

private slots:
    void buysAndRaisesASpecialty() {
        QTemporaryDir dir;
        const fs::path root = dir.path().toStdString();
        fs::copy(fs::path(TAVORN_SOURCE_DIR) / "Data", root / "Data", fs::copy_options::recursive);
        const AppPaths paths(root);
        ScriptedPrompter prompter;
        HeroBuilder builder(prompter, paths);
        AppWindows windows(builder, prompter, paths);
        TFrmMain& main = *windows.main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QTest::mouseClick(main.PageButton(2), Qt::LeftButton);
        auto* page = static_cast<SkillsPage*>(main.Page(2));

        QCOMPARE(page->LblSkillPoints->text(), QString("45  [0 used of 45]"));
        QCOMPARE(page->LblBroadSkills->text(), QString("12 [0 used of 12]"));

        const auto found = page->TvSkills->findItems("Sidearm [2]", Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0]->parent()->text(0), QString("Slugthrower Arms [4]"));
        page->TvSkills->setCurrentItem(found[0]);
        emit page->TvSkills->itemDoubleClicked(found[0], 0);

        QTableWidget* grid = page->GridSkills;
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), QString("Skills"));
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(Row(grid, 0), QStringList({"Slugthrower Arms", "", "DEX", "10/5/2", "+d4", "4"}));
        QCOMPARE(Row(grid, 1), QStringList({"  Sidearm", "  1", "DEX", "11/5/2", "+d0", "2"}));
        QCOMPARE(page->SelectedRow(), 2);

        QTest::keyClick(grid, Qt::Key_Plus);
        QCOMPARE(Row(grid, 1), QStringList({"  Sidearm", "  2", "DEX", "12/6/3", "+d0", "5"}));
        QCOMPARE(page->SelectedRow(), 2);
        QCOMPARE(page->LblSkillPoints->text(), QString("36  [9 used of 45]"));
        QCOMPARE(page->LblBroadSkills->text(), QString("11 [1 used of 12]"));

        QTest::mouseClick(page->CmdSkillDn, Qt::LeftButton);
        QCOMPARE(Row(grid, 1)[5], QString("2"));

        grid->clearSelection();
        QTest::mouseClick(page->CmdSkillUp, Qt::LeftButton);
        QCOMPARE(prompter.Texts(ScriptedPrompter::Kind::Plain),
                 std::vector<std::string>{"Please select a skill to raise"});
        QVERIFY(main.windowTitle().endsWith("*"));

        QVERIFY(main.grab().save(QString(TAVORN_BINARY_DIR) + "/skills-page.png"));
    }
};

QTEST_MAIN(SkillsPageTest)
#include "SkillsPageTest.moc"
