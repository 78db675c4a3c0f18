// The Edit menu's Undo and Redo across a skill bought and raised, a perk ticked and an
// attribute changed: every view comes back as it was, and the title's "*" goes when the hero
// is back where it was saved.

#include "UiHarness.h"

#include "skills/ui/PerksFlawsPage.h"

#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QUndoStack>

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void undoAndRedoRestoreTheViews() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        TFrmMain& main = program.main;
        QAction* undo = main.MenuAction("Undo1");
        QAction* redo = main.MenuAction("Redo1");
        QVERIFY(undo && redo);
        QVERIFY(!undo->isEnabled());
        QVERIFY(!main.windowTitle().endsWith('*'));

        std::vector<ViewData> states{program.builder.Views()};
        QTest::mouseClick(main.PageButton(2), Qt::LeftButton);
        SkillsPage* skills = program.Skills();
        const auto found =
            skills->TvSkills->findItems("Sidearm [2]", Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        skills->TvSkills->setCurrentItem(found[0]);
        emit skills->TvSkills->itemDoubleClicked(found[0], 0);
        states.push_back(program.builder.Views());
        QTest::keyClick(skills->GridSkills, Qt::Key_Plus);
        states.push_back(program.builder.Views());
        QCOMPARE(undo->text(), QString("&Undo Raise Sidearm"));

        QTest::mouseClick(main.PageButton(3), Qt::LeftButton);
        auto* perks = static_cast<PerksFlawsPage*>(main.Page(3));
        perks->LstPerks->item(0)->setCheckState(Qt::Checked);
        states.push_back(program.builder.Views());
        QVERIFY(undo->text().startsWith("&Undo Tick "));
        program.builder.Attributes().SetScore(0, 12);
        states.push_back(program.builder.Views());
        QCOMPARE(undo->text(), QString("&Undo Change STR"));
        QCOMPARE(main.UndoStack()->count(), 4);
        QVERIFY(main.windowTitle().endsWith('*'));

        for (std::size_t i = states.size() - 1; i > 0; --i) {
            QVERIFY(undo->isEnabled());
            undo->trigger();
            Compare(program.builder.Views(), states[i - 1]);
        }
        QVERIFY(!undo->isEnabled());
        QCOMPARE(redo->text(), QString("&Redo Buy Sidearm"));
        // Back at the hero as it was saved.
        QVERIFY(!main.windowTitle().endsWith('*'));
        QCOMPARE(perks->LstPerks->item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(skills->GridSkills->rowCount(), 0);

        for (std::size_t i = 1; i < states.size(); ++i) {
            QTest::keyClick(&main, Qt::Key_Y, Qt::ControlModifier);
            Compare(program.builder.Views(), states[i]);
            QVERIFY(main.windowTitle().endsWith('*'));
        }
        QCOMPARE(perks->LstPerks->item(0)->checkState(), Qt::Checked);
        QCOMPARE(Rows(skills->GridSkills).size(), 2);

        // A new edit after an undo drops what could be redone.
        QTest::keyClick(&main, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(redo->isEnabled());
        perks->LstPerks->item(1)->setCheckState(Qt::Checked);
        QVERIFY(!redo->isEnabled());
        QCOMPARE(main.UndoStack()->count(), 4);
        QVERIFY(undo->text().startsWith("&Undo Tick "));
    }

    void aNewHeroForgetsTheSteps() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        program.builder.Attributes().SetScore(1, 12);
        QCOMPARE(program.main.UndoStack()->count(), 1);
        program.main.Clear1Click();
        QCOMPARE(program.main.UndoStack()->count(), 0);
        QVERIFY(!program.main.MenuAction("Undo1")->isEnabled());
    }

private:
    static void Compare(const ViewData& shown, const ViewData& expected) {
        QVERIFY(shown.Labels() == expected.Labels());
        QVERIFY(shown.Tables() == expected.Tables());
        QVERIFY(shown.Choices() == expected.Choices());
        QVERIFY(shown.Checks() == expected.Checks());
    }
};

QTEST_MAIN(UndoTest)
#include "UndoTest.moc"
