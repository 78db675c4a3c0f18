// Takes a weapon on the Equipment page, raises its quantity and reads its row on the Combat
// page; installs cyberware and reads the tolerance track on the CyberTech page.

#include "UiHarness.h"

#include "gear/ui/CombatPage.h"
#include "gear/ui/CyberTechPage.h"
#include "gear/ui/EquipmentPage.h"
#include "gear/ui/TFrmEquip.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

class GearPagesTest : public QObject {
    Q_OBJECT

private slots:
    void carriesAWeaponOntoTheCombatPage() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        QTest::mouseClick(program.main.PageButton(9), Qt::LeftButton);
        auto* page = static_cast<EquipmentPage*>(program.main.Page(9));
        Choose(page->CmbCategory, "Weapons");
        Choose(page->CmbSubcategory, "Edged Weapon");
        const auto found = page->SgEquipment->findItems("Shard Knife", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        page->SgEquipment->selectRow(found[0]->row());
        QTest::keyClick(page->SgEquipment, Qt::Key_Return);
        QCOMPARE(Rows(page->SgSelEquipment), QStringList{"Shard Knife|1|0.5|10|0.5|10"});
        QTest::mouseClick(page->CmdQtyUp, Qt::LeftButton);
        QCOMPARE(Rows(page->SgSelEquipment), QStringList{"Shard Knife|2|0.5|10|1|20"});
        QCOMPARE(page->LblMass->text(), QString("1kg"));
        QCOMPARE(page->LblCost->text(), QString("20"));

        QTest::mouseClick(program.main.PageButton(8), Qt::LeftButton);
        auto* combat = static_cast<CombatPage*>(program.main.Page(8));
        const QStringList rows = Rows(combat->SgWeapons);
        QCOMPARE(rows.first().section('|', 0, 0), QString("Brawl"));
        // STR 10: half of it untrained, the damage as stored.
        QCOMPARE(rows.last(), QString("Shard Knife|5/2/1|+d4|LI/O|Personal|d4w/d6w/d6+2m"));
        QVERIFY(program.main.grab().save(QString(TAVORN_BINARY_DIR) + "/combat-page.png"));
    }

    // The custom equipment dialog opened from the page: its checks keep it open with the hero
    // unchanged, "Add" carries the item, "Cancel" carries nothing.
    void addsACustomWeaponThroughTheDialog() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        QTest::mouseClick(program.main.PageButton(9), Qt::LeftButton);
        auto* page = static_cast<EquipmentPage*>(program.main.Page(9));

        bool driven = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<TFrmEquip*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            Choose(dialog->CmbCategory, "Weapons");
            QVERIFY(!dialog->TxtAmmo->isEnabled());
            QVERIFY(dialog->TxtDmgO->isEnabled() && dialog->CmbType->isEnabled());
            QTest::mouseClick(dialog->CmdAdd, Qt::LeftButton);
            QCOMPARE(program.prompter.Texts(Kind::Error), Strings{"Select a subcategory"});
            QVERIFY(dialog->isVisible());
            QCOMPARE(page->SgSelEquipment->rowCount(), 0);
            Choose(dialog->CmbSubcategory, "Edged Weapon");
            dialog->TxtName->setText("Glass Hook");
            dialog->TxtDmgO->setText("d4s");
            dialog->TxtDmgG->setText("d4+1s");
            dialog->TxtDmgA->setText("d4+2s");
            Choose(dialog->CmbType, "LI/O");
            QTest::mouseClick(dialog->CmdAdd, Qt::LeftButton);
            driven = true;
        });
        QTest::mouseClick(page->CmdCustom, Qt::LeftButton);
        QVERIFY(driven);
        QCOMPARE(Rows(page->SgSelEquipment), QStringList{"Glass Hook|1|0.1|1|0.1|1"});
        QVERIFY(program.main.windowTitle().contains('*'));

        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<TFrmEquip*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->TxtName->text(), QString());
            QTest::mouseClick(dialog->CmdCancel, Qt::LeftButton);
        });
        QTest::mouseClick(page->CmdCustom, Qt::LeftButton);
        QCOMPARE(page->SgSelEquipment->rowCount(), 1);
    }

    void installsCyberwareAndDrawsTheTrack() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        QTest::mouseClick(program.main.PageButton(4), Qt::LeftButton);
        auto* page = static_cast<CyberTechPage*>(program.main.Page(4));
        QCOMPARE(page->LblTolerance->text(), QString("☐☐☐☐☐ · ☐☐☐ · ☐☐"));
        const auto found = page->SgCyberTech->findItems("Forge Arm", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        page->SgCyberTech->selectRow(found[0]->row());
        QTest::keyClick(page->SgCyberTech, Qt::Key_Return);
        QCOMPARE(Rows(page->SgSelCyberTech).size(), 1);
        QCOMPARE(page->LblTolerance->text(), QString("☒☒☒☐☐ · ☐☐☐ · ☐☐"));
        QCOMPARE(page->LblSize->text(), QString("3"));
        page->SgSelCyberTech->selectRow(0);
        QTest::keyClick(page->SgSelCyberTech, Qt::Key_Delete);
        QCOMPARE(page->SgSelCyberTech->rowCount(), 0);
        QVERIFY(program.main.grab().save(QString(TAVORN_BINARY_DIR) + "/cybertech-page.png"));
    }
};

QTEST_MAIN(GearPagesTest)
#include "GearPagesTest.moc"
