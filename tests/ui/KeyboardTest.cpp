// Drives the hero builder from the keyboard offscreen: the File menu's keys, moving between
// the pages, Enter, Delete and ">" on the Skills page, Delete in the adjustment table, and
// the attributes stepped with Up and Down.

#include "UiHarness.h"

#include "gear/ui/CampaignPage.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

namespace {
// Shows the window and gives it the keyboard, as the person's click on it would.
bool Activate(Program& program) {
    if (!program.Show()) return false;
    program.main.activateWindow();
    return QTest::qWaitForWindowActive(&program.main);
}

// One key pressed where the focus is.
void Press(Program& program, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &program.main, key, modifiers);
}

// The row of the grid whose first cell, without its leading blanks, is `name`; -1 if none.
int RowNamed(const QTableWidget* grid, const QString& name) {
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->item(r, 0) && grid->item(r, 0)->text().trimmed() == name) return r;
    return -1;
}
} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Exit closes the window in the middle of the suite.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void fileMenuKeysWorkFromAnyField() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(Activate(program));
        TFrmMain& main = program.main;
        const std::pair<const char*, const char*> keys[] = {{"Clear1", "Ctrl+N"},
                                                            {"OpenCharacter1", "Ctrl+O"},
                                                            {"Save1", "Ctrl+S"},
                                                            {"SaveAs1", "Ctrl+Shift+S"},
                                                            {"Exit1", "Ctrl+Q"}};
        for (const auto& [name, key] : keys)
            QCOMPARE(main.MenuAction(name)->shortcut(), QKeySequence(key));

        MainPage* page = program.Main();
        page->EdName->setFocus();
        QTest::keyClicks(page->EdName, "Ostra");
        QVERIFY(main.windowTitle().endsWith("*"));

        // Save As and Open, both cancelled: nothing changes.
        Press(program, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(program.prompter.Texts(Kind::SaveFile), Strings{"Save as XML"});
        Press(program, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(program.prompter.Texts(Kind::Confirm), Strings{"Save Changes?"});
        QCOMPARE(program.prompter.Texts(Kind::OpenFile), Strings{"Open Character"});
        QCOMPARE(page->EdName->text(), QString("Ostra"));

        // Save asks for a name once, then writes to it.
        const fs::path file = folder.root / "ostra.xml";
        program.prompter.fileAnswers.push_back(file);
        Press(program, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(fs::exists(file));
        QCOMPARE(main.windowTitle(), QString("Tavorn - ostra.xml"));
        QTest::keyClicks(page->EdName, " Vel");
        Press(program, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(program.prompter.Texts(Kind::SaveFile).size(), size_t(2));
        QCOMPARE(program.prompter.Texts(Kind::Plain), Strings({"File Saved", "File Saved"}));

        // New empties the hero; Exit offers to save what changed since, then closes.
        Press(program, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(page->EdName->text(), QString());
        QTest::keyClicks(page->EdName, "Brann");
        program.prompter.Clear();
        Press(program, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(program.prompter.Texts(Kind::Confirm), Strings{"Save Changes?"});
        QVERIFY(!main.isVisible());
    }

    void pageKeysGoRoundTheRowOfPages() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(Activate(program));
        TFrmMain& main = program.main;
        program.Main()->EdName->setFocus();

        Press(program, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(main.CurrentPage(), 1);
        program.Notes()->MemNotes->setFocus(); // a text that takes Tab lets them through too
        Press(program, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(main.CurrentPage(), 2);
        program.Skills()->GridSkills->setFocus(); // and a table
        Press(program, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(main.CurrentPage(), 3);
        Press(program, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(main.CurrentPage(), 2);
        Press(program, Qt::Key_PageUp, Qt::ControlModifier);
        Press(program, Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(main.CurrentPage(), 0);
        Press(program, Qt::Key_PageUp, Qt::ControlModifier); // round to the last page
        QCOMPARE(main.CurrentPage(), 11);
        Press(program, Qt::Key_Tab, Qt::ControlModifier); // and back to the first
        QCOMPARE(main.CurrentPage(), 0);
        QVERIFY(main.PageButton(0)->isChecked());

        // Alt with the underlined letter of a page button; no letter is taken twice in the
        // row of buttons and the menu bar.
        QStringList captions;
        for (int i = 0; i < 12; ++i)
            captions << main.PageButton(i)->text();
        for (QAction* menu : main.menuBar()->actions())
            captions << menu->text();
        QSet<QString> mnemonics;
        for (const QString& caption : captions) {
            const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
            QVERIFY2(!mnemonic.isEmpty() && !mnemonics.contains(mnemonic.toString()),
                     qPrintable(caption));
            mnemonics.insert(mnemonic.toString());
        }
        Press(program, Qt::Key_K, Qt::AltModifier);
        QTRY_COMPARE(main.CurrentPage(), 2);
        Press(program, Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(main.CurrentPage(), 11);
        Press(program, Qt::Key_M, Qt::AltModifier);
        QTRY_COMPARE(main.CurrentPage(), 0);
    }

    void skillsPageBuysWithEnterAndRemovesWithDelete() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(Activate(program));
        Choose(program.Main()->CmbSpecies, "Earthkin"); // with free skills
        program.main.ShowPage(2);
        SkillsPage* page = program.Skills();
        QTreeWidget* tree = page->TvSkills;
        QTableWidget* grid = page->GridSkills;
        const int freeRows = grid->rowCount();
        QVERIFY(freeRows > 0);

        const auto found = tree->findItems("Sidearm [2]", Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        tree->setFocus();
        tree->setCurrentItem(found[0]);
        QTest::keyClick(tree, Qt::Key_Return);
        QCOMPARE(grid->rowCount(), freeRows + 2); // the specialty with its broad skill
        const int sidearm = RowNamed(grid, "Sidearm");
        QCOMPARE(page->SelectedRow(), sidearm + 1);
        QVERIFY(tree->hasFocus()); // Enter left the focus in the tree

        // Delete removes the selected row; the broad skill stays.
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(RowNamed(grid, "Sidearm"), -1);
        QVERIFY(RowNamed(grid, "Slugthrower Arms") >= 0);
        grid->selectRow(RowNamed(grid, "Slugthrower Arms"));
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(grid->rowCount(), freeRows);

        // A free skill asks before it is cashed out, as ">" does; No keeps it.
        grid->selectRow(0);
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(program.prompter.Texts(Kind::Confirm),
                 Strings{"Cashing out a free skill cannot be undone.\rProceed?"});
        QCOMPARE(grid->rowCount(), freeRows);

        // Without a selected row ">" and Delete say so, as "+" and "-" do.
        grid->clearSelection();
        QTest::mouseClick(page->CmdSkillRem, Qt::LeftButton);
        QTest::keyClick(grid, Qt::Key_Delete);
        QTest::keyClick(grid, Qt::Key_Minus);
        QCOMPARE(program.prompter.Texts(Kind::Plain),
                 Strings({"Please select a skill to remove", "Please select a skill to remove",
                          "Please select a skill to lower"}));
        QCOMPARE(grid->rowCount(), freeRows);

        // The keypad's Enter buys as well.
        tree->setCurrentItem(found[0]);
        QTest::keyClick(tree, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(RowNamed(grid, "Sidearm") >= 0);
    }

    void deleteRemovesTheSelectedAdjustment() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(Activate(program));
        program.main.ShowPage(5);
        auto* page = static_cast<CampaignPage*>(program.main.Page(5));
        QTableWidget* table = page->SgAdjSkillPts;

        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(program.prompter.Texts(Kind::Error), Strings{"Nothing to remove"});

        auto adjust = [&](const char* points, const char* description) {
            page->EdAdjPts->setText(points);
            page->EdAdjDesc->setText(description);
            QTest::keyClick(page->EdAdjDesc, Qt::Key_Return);
        };
        adjust("-5", "Found a tutor");
        adjust("3", "Lost notes");
        QCOMPARE(Rows(table), QStringList({"-5|Found a tutor", "3|Lost notes"}));
        const QString budget = program.Skills()->LblSkillPoints->text();
        QCOMPARE(budget, QString("47  [-2 used of 45]"));

        // With several rows and none selected, Delete takes nothing.
        table->setFocus();
        table->clearSelection();
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(table->rowCount(), 2);

        table->selectRow(0);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(Rows(table), QStringList{"3|Lost notes"});
        QCOMPARE(program.Skills()->LblSkillPoints->text(), QString("42  [3 used of 45]"));
        table->selectRow(0);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(Rows(table), QStringList{"|"});
        QCOMPARE(program.prompter.Texts(Kind::Error), Strings{"Nothing to remove"});
    }

    void attributesStepWithUpAndDownAndTheSpinnersTakeTheFocus() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(Activate(program));
        AttributePanel* panel = program.Panel();
        QLineEdit* total = panel->TotalField(0);
        total->setFocus();

        QTest::keyClick(total, Qt::Key_Up);
        QCOMPARE(total->text(), QString("11"));
        QTest::keyClick(panel->BaseField(0), Qt::Key_Down);
        QTest::keyClick(total, Qt::Key_Down);
        QCOMPARE(total->text(), QString("9"));
        QTest::keyClick(total, Qt::Key_W); // the letters still step
        QCOMPARE(total->text(), QString("10"));
        QTest::keyClick(total, Qt::Key_Q);
        QCOMPARE(total->text(), QString("9"));
        QTest::keyClick(total, Qt::Key_5); // nothing is typed
        QCOMPARE(total->text(), QString("9"));

        // Tab leads on to the spinner, whose Up and Down step the score within its limits.
        QTest::keyClick(total, Qt::Key_Tab);
        QSpinBox* spinner = panel->Spinner(0);
        QVERIFY(spinner->hasFocus());
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(spinner, Qt::Key_Up);
        QCOMPARE(total->text(), QString("14"));
        QCOMPARE(program.Texts("LblSTRLimits"), QString("4/14"));
        QTest::keyClick(spinner, Qt::Key_Down);
        QCOMPARE(total->text(), QString("13"));
        QCOMPARE(spinner->value(), 13);
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
