// Buys an FX from the FX page's three-level tree and makes it always active; an adept is asked
// for the specialization first.

#include "UiHarness.h"

#include "skills/ui/FXPage.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

class FXPageTest : public QObject {
    Q_OBJECT

    static QTreeWidgetItem* Node(QTreeWidget* tree, const QString& text) {
        const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.size() == 1 ? found.first() : nullptr;
    }

private slots:
    void buysAnFXAndMakesItAlwaysActive() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        QTest::mouseClick(program.main.PageButton(6), Qt::LeftButton);
        auto* page = static_cast<FXPage*>(program.main.Page(6));
        QCOMPARE(page->LblFX->text(), QString("FX Talent"));
        QVERIFY(!page->CmbFXSpec->isVisible());

        QTreeWidgetItem* node = Node(page->Tree, "Iron Conviction [3]");
        QVERIFY(node);
        QCOMPARE(node->parent()->text(0), QString("Zealotry [5]"));
        QCOMPARE(node->parent()->parent()->text(0), QString("Covenant"));
        page->Tree->setCurrentItem(node);
        QTest::keyClick(page->Tree, Qt::Key_Return);
        QCOMPARE(Rows(page->Grid), QStringList({"Zealotry||STR|10/5/2|+d4|5",
                                                "  Iron Conviction|1|CON|11/5/2|+d0|3"}));
        QCOMPARE(page->SelectedRow(), 2);
        QCOMPARE(page->LblSkillPoints->text(), QString("37  [8 used of 45]"));

        page->Grid->selectRow(0); // a broad FX cannot be made active
        QVERIFY(!page->CmdFXActive->isEnabled());
        page->Grid->selectRow(1);
        QVERIFY(page->CmdFXActive->isEnabled());
        QTest::mouseClick(page->CmdFXActive, Qt::LeftButton);
        QCOMPARE(page->LstFXActive->count(), 1);
        QCOMPARE(page->LstFXActive->item(0)->text(), QString("Iron Conviction"));
        QCOMPARE(program.Panel()->findChild<QLineEdit*>("EdBaseCON")->text(), QString("10"));
        QCOMPARE(program.Panel()->findChild<QLineEdit*>("EdCON")->text(), QString("11"));
        QCOMPARE(Rows(page->Grid)[1], QString("  Iron Conviction|1|CON|12/6/3|+d0|3"));
        QVERIFY(program.main.windowTitle().contains('*'));
        QVERIFY(program.main.grab().save(QString(TAVORN_BINARY_DIR) + "/fx-page.png"));
    }

    void anAdeptChoosesASpecializationFirst() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        Choose(program.Main()->CmbProfession, "Adept of the Ember Path");
        QTest::mouseClick(program.main.PageButton(6), Qt::LeftButton);
        auto* page = static_cast<FXPage*>(program.main.Page(6));
        QCOMPARE(page->LblFX->text(), QString("FX Adept"));
        QVERIFY(page->CmbFXSpec->isVisible());
        page->Tree->setCurrentItem(Node(page->Tree, "Hawk Eyes [2]"));
        QTest::mouseClick(page->CmdAdd, Qt::LeftButton);
        QCOMPARE(program.prompter.Texts(Kind::Error),
                 Strings{"Select your specialization before adding skills"});
        QCOMPARE(page->Grid->rowCount(), 0);

        Choose(page->CmbFXSpec, "Beastkin");
        page->Tree->setCurrentItem(Node(page->Tree, "Hawk Eyes [1]"));
        QTest::mouseClick(page->CmdAdd, Qt::LeftButton);
        QCOMPARE(Rows(page->Grid),
                 QStringList({"Beastkin||PER|10/5/2|+d4|4", "  Hawk Eyes|1|PER|11/5/2|+d0|1"}));
    }
};

QTEST_MAIN(FXPageTest)
#include "FXPageTest.moc"
