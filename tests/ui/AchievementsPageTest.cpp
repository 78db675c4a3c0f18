// Adds achievement points until level 2, buys a benefit and reads the new attribute and the
// budget; removes the benefit again.

#include "UiHarness.h"

#include "gear/ui/AchievementsPage.h"

#include <QLineEdit>
#include <QPushButton>

class AchievementsPageTest : public QObject {
    Q_OBJECT

private slots:
    void reachesLevelTwoAndBuysABenefit() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        program.builder.ChooseProfession(
            static_cast<int>(program.builder.Professions().IndexOf("Free Agent")));
        QTest::mouseClick(program.main.PageButton(10), Qt::LeftButton);
        auto* page = static_cast<AchievementsPage*>(program.main.Page(10));

        const auto add = [&](const char* points, const char* detail) {
            page->EdPoints->setText(points);
            page->EdDetail->setText(detail);
            QTest::keyClick(page->EdDetail, Qt::Key_Return);
        };
        add("x", "Typo");
        QCOMPARE(program.prompter.Texts(Kind::Error), Strings{"Points must be numeric!"});
        add("4", "Escaped the raid");
        QCOMPARE(page->LblLevel->text(), QString("1"));
        QCOMPARE(page->SgAvlBenefits->rowCount(), 0);
        add("2", "Brought the cargo home");
        QCOMPARE(page->LblLevel->text(), QString("2"));
        QCOMPARE(page->LblPointsEarned->text(), QString("6"));
        QCOMPARE(page->LblPointsNeeded->text(), QString("7"));
        QVERIFY(page->EdPoints->text().isEmpty());

        const auto found = page->SgAvlBenefits->findItems("Reflex Drills", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        page->SgAvlBenefits->selectRow(found[0]->row());
        QTest::keyClick(page->SgAvlBenefits, Qt::Key_Return);
        QCOMPARE(Rows(page->SgSelBenefits), QStringList{"4|Reflex Drills"});
        // Free Agents start at DEX 11: the benefit raises the total, not the base.
        QCOMPARE(program.builder.Views().LabelNamed("DEX.Total").text, std::string("12"));
        QCOMPARE(program.builder.Views().LabelNamed("DEX.Base").text, std::string("11"));
        QCOMPARE(page->LblBenefitsPurchased->text(), QString("4"));
        QCOMPARE(page->LblPointsAvailable->text(), program.Skills()->LblSkillPoints->text());
        QVERIFY(page->LblPointsAvailable->text().contains("[4 used of"));
        QVERIFY(program.main.grab().save(QString(TAVORN_BINARY_DIR) + "/achievements-page.png"));

        page->SgSelBenefits->selectRow(0);
        QTest::keyClick(page->SgSelBenefits, Qt::Key_Delete);
        QCOMPARE(page->SgSelBenefits->rowCount(), 0);
        QCOMPARE(program.builder.Views().LabelNamed("DEX.Total").text, std::string("11"));
    }
};

QTEST_MAIN(AchievementsPageTest)
#include "AchievementsPageTest.moc"
