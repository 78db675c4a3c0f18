// Ticks a perk and a flaw on the Perks/Flaws page and reads the totals and the budget; buys a
// psionic specialty from the Psionics page's tree.

#include "UiHarness.h"

#include "skills/ui/PerksFlawsPage.h"
#include "skills/ui/PsionicsPage.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

class PerksPsionicsPageTest : public QObject {
    Q_OBJECT

    static QListWidgetItem* Item(QListWidget* list, const QString& text) {
        const auto found = list->findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }

private slots:
    void ticksAPerkAndAFlaw() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        QTest::mouseClick(program.main.PageButton(3), Qt::LeftButton);
        auto* page = static_cast<PerksFlawsPage*>(program.main.Page(3));
        QListWidgetItem* perk = Item(page->LstPerks, "3 - Iron Nerve");
        QListWidgetItem* flaw = Item(page->LstFlaws, "2 - Hot Temper");
        QVERIFY(perk && flaw);
        perk->setCheckState(Qt::Checked);
        flaw->setCheckState(Qt::Checked);
        QCOMPARE(page->LblPerksCost->text(), QString("-3"));
        QCOMPARE(page->LblFlawBenefit->text(), QString("2"));
        QCOMPARE(page->LblNetAdjustment->text(), QString("-1"));
        QVERIFY(page->LblNetAdjustment->styleSheet().contains("red"));
        QCOMPARE(program.Skills()->LblSkillPoints->text(), QString("44  [1 used of 45]"));
        QVERIFY(program.main.windowTitle().contains('*'));

        // A custom flaw: asked to check for duplicates, listed last and unticked.
        page->CmbPerkFlaw->setCurrentIndex(1);
        page->EdCost->setText("4");
        page->EdDescription->setText("Stubborn");
        QTest::mouseClick(page->CmdAddPF, Qt::LeftButton);
        QCOMPARE(program.prompter.Texts(Kind::Plain), Strings{"Check for duplication"});
        QCOMPARE(page->LstFlaws->item(page->LstFlaws->count() - 1)->text(), QString("4 - Stubborn"));
        QCOMPARE(page->LstFlaws->item(page->LstFlaws->count() - 1)->checkState(), Qt::Unchecked);
        QVERIFY(program.main.grab().save(QString(TAVORN_BINARY_DIR) + "/perks-page.png"));
    }

    void buysAPsionicSpecialty() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        QTest::mouseClick(program.main.PageButton(7), Qt::LeftButton);
        auto* page = static_cast<PsionicsPage*>(program.main.Page(7));
        const auto found = page->Tree->findItems("Thought Touch [3]",
                                                 Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0]->parent()->text(0), QString("Mindweave [6]"));
        page->Tree->setCurrentItem(found[0]);
        QTest::keyClick(page->Tree, Qt::Key_Return);
        QCOMPARE(Rows(page->Grid), QStringList({"Mindweave||WIL|10/5/2|+d4|6",
                                                "  Thought Touch|  1|WIL|11/5/2|+d0|3"}));
        QCOMPARE(page->SelectedRow(), 2);
        QCOMPARE(page->LblSkillPoints->text(), QString("36  [9 used of 45]"));
        QCOMPARE(page->LblBroadSkills->text(), QString("11 [1 used of 12]"));
        QTest::mouseClick(page->CmdUp, Qt::LeftButton);
        QCOMPARE(Rows(page->Grid)[1], QString("  Thought Touch|  2|WIL|12/6/3|+d0|7"));
        QCOMPARE(page->LblEnergy->text(), QString("10")); // no profession: multiplier 1 x WIL 10
        QVERIFY(program.main.grab().save(QString(TAVORN_BINARY_DIR) + "/psionics-page.png"));
    }
};

QTEST_MAIN(PerksPsionicsPageTest)
#include "PerksPsionicsPageTest.moc"
