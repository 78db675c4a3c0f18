// The search lines above the catalogues: typing leaves only the entries whose name holds the
// text, the filter stays through a repaint, and a double click or Enter acts on the entry
// shown, never on one the search hid.

#include "UiHarness.h"

#include "app/ui/SearchBox.h"
#include "gear/ui/EquipmentPage.h"
#include "skills/ui/PerksFlawsPage.h"

#include <QListWidget>
#include <QTreeWidget>

namespace {
SearchBox* SearchOf(QWidget* page, const QString& viewName) {
    return page->findChild<SearchBox*>("Search" + viewName);
}

QStringList ShownRows(const QTableWidget* grid) {
    QStringList shown;
    for (int r = 0; r < grid->rowCount(); ++r)
        if (!grid->isRowHidden(r)) shown << grid->item(r, 0)->text();
    return shown;
}
} // namespace

class SearchTest : public QObject {
    Q_OBJECT

private slots:
    void aSearchLeavesTheMatchingSkillsAndTheirBroadSkill() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        program.main.ShowPage(2);
        SkillsPage* page = program.Skills();
        SearchBox* search = SearchOf(page, "TvSkills");
        QVERIFY(search);
        QCOMPARE(search->placeholderText(), QString("Search"));

        // Ctrl+F puts the keyboard in the search line.
        page->GridSkills->setFocus();
        QTest::keyClick(&program.main, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(search->hasFocus());
        QTest::keyClicks(search, "SIDEA");
        QStringList shown;
        QTreeWidget* tree = page->TvSkills;
        for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::NotHidden); *it; ++it)
            shown << (*it)->text(0);
        QCOMPARE(shown, QStringList({"Slugthrower Arms [4]", "Sidearm [2]", "Beam Arms [4]",
                                     "Beam Sidearm [3]"}));

        // A double click on the one shown buys it; the filter stays through the repaint.
        const auto found = tree->findItems("Sidearm [2]", Qt::MatchExactly | Qt::MatchRecursive);
        const QPoint at = tree->visualItemRect(found[0]).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(Rows(page->GridSkills).size(), 2);
        QVERIFY(Rows(page->GridSkills)[1].startsWith("  Sidearm|"));
        int visible = 0;
        for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::NotHidden); *it; ++it)
            ++visible;
        QCOMPARE(visible, 4);
        QVERIFY(program.main.grab().save(QString(TAVORN_BINARY_DIR) + "/search-skills.png"));

        // A broad skill found by its name shows with all its specialties.
        search->setText("slugthrower");
        QVERIFY(!found[0]->isHidden());
        search->clear();
        int all = 0;
        for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::NotHidden); *it; ++it)
            ++all;
        QVERIFY(all > 10);
    }

    void theEquipmentShownIsTheOneTaken() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        program.main.ShowPage(9);
        auto* page = static_cast<EquipmentPage*>(program.main.Page(9));
        Choose(page->CmbCategory, "Weapons");
        Choose(page->CmbSubcategory, "Brawl");
        QTableWidget* grid = page->SgEquipment;
        QVERIFY(grid->rowCount() >= 2);
        const QString first = grid->item(0, 0)->text();
        const QString second = grid->item(1, 0)->text();
        SearchBox* search = SearchOf(page, "SgEquipment");
        QVERIFY(search);

        // The row selected before the search is hidden by it: nothing is taken.
        grid->selectRow(0);
        search->setText(second.mid(1).toLower());
        QVERIFY(grid->isRowHidden(0));
        QCOMPARE(ShownRows(grid).first(), second);
        QVERIFY(grid->selectionModel()->selectedRows().isEmpty());
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(page->SgSelEquipment->rowCount(), 0);

        // The shown row, by double click: the carried grid holds it; the filter stays.
        const QPoint at = grid->visualItemRect(grid->item(1, 0)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(page->SgSelEquipment->item(0, 0)->text(), second);
        QVERIFY(grid->isRowHidden(0));
        QVERIFY(ShownRows(grid).contains(second));
        QVERIFY(!ShownRows(grid).contains(first));
        QVERIFY(program.main.grab().save(QString(TAVORN_BINARY_DIR) + "/search-equipment.png"));
    }

    void theListsOfPerksAndFlawsFilterApart() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        program.main.ShowPage(3);
        auto* page = static_cast<PerksFlawsPage*>(program.main.Page(3));
        SearchBox* perks = SearchOf(page, "LstPerks");
        SearchBox* flaws = SearchOf(page, "LstFlaws");
        QVERIFY(perks && flaws);
        perks->setText("zzz-no-such-perk");
        for (int i = 0; i < page->LstPerks->count(); ++i)
            QVERIFY(page->LstPerks->item(i)->isHidden());
        for (int i = 0; i < page->LstFlaws->count(); ++i)
            QVERIFY(!page->LstFlaws->item(i)->isHidden());
        // By the name, not by the cost before it.
        perks->setText("IRON");
        QStringList shown;
        for (int i = 0; i < page->LstPerks->count(); ++i)
            if (!page->LstPerks->item(i)->isHidden()) shown << page->LstPerks->item(i)->text();
        QCOMPARE(shown, QStringList({"3 - Iron Nerve"}));
        perks->setText("3");
        for (int i = 0; i < page->LstPerks->count(); ++i)
            QVERIFY(page->LstPerks->item(i)->isHidden());
        // Ctrl+F from the flaws goes to their own search line.
        page->LstFlaws->setFocus();
        QTest::keyClick(&program.main, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(flaws->hasFocus());
    }
};

QTEST_MAIN(SearchTest)
#include "SearchTest.moc"
