// Generates starting money from the Functions menu with fixed rolls, keeps accounts by
// typing, and takes starting last resort points; the page starts each visit on "-".

#include "UiHarness.h"

#include "gear/ui/CampaignPage.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class CampaignPageTest : public QObject {
    Q_OBJECT

private slots:
    void generatesStartingMoneyAndKeepsAccounts() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        program.builder.ChooseProfession(
            static_cast<int>(program.builder.Professions().IndexOf("Combat Spec")));
        QTest::mouseClick(program.main.PageButton(5), Qt::LeftButton);
        auto* page = static_cast<CampaignPage*>(program.main.Page(5));
        QVERIFY(page->RbLRPMinus->isChecked());

        program.builder.Wealth().SetDieRoll([](int sides) { return sides; }); // 5d6: 30
        program.prompter.confirmAnswers = {true};
        program.main.MenuAction("GenerateStartingMoney1")->trigger();
        QCOMPARE(Rows(page->SgAccounts), QStringList{"3000|Starting Money"});
        QCOMPARE(Rows(page->SgAccountDetail), QStringList{"3000|Starting Money"});
        QCOMPARE(page->LblAccount->text(), QString("Starting Money"));
        program.main.MenuAction("GenerateStartingMoney1")->trigger();
        QCOMPARE(program.prompter.Texts(Kind::Error), Strings{"This character already has money"});

        // Typing makes the box's button the one Enter presses.
        QTest::keyClicks(page->EdNewAccount, "Ace Bank");
        QTest::keyClick(page->EdNewAccount, Qt::Key_Return);
        QVERIFY(page->EdNewAccount->text().isEmpty());
        const QString point = QLocale().decimalPoint();
        QTest::keyClicks(page->EdAmount, "10");
        QVERIFY(page->CmdAddDetail->isDefault());
        QTest::keyClicks(page->EdAmtDesc, "Pay");
        QTest::keyClick(page->EdAmtDesc, Qt::Key_Return);
        QTest::keyClicks(page->EdAmount, "-2" + point + "5");
        QTest::keyClick(page->EdAmount, Qt::Key_Return);
        QCOMPARE(Rows(page->SgAccounts),
                 QStringList({"7" + point + "5|Ace Bank", "3000|Starting Money"}));
        QCOMPARE(Rows(page->SgAccountDetail), QStringList({"10|Pay", "-2" + point + "5|"}));

        const QRect row = page->SgAccounts->visualItemRect(page->SgAccounts->item(1, 1));
        QTest::mouseClick(page->SgAccounts->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(page->LblAccount->text(), QString("Starting Money"));
        QCOMPARE(Rows(page->SgAccountDetail), QStringList{"3000|Starting Money"});

        // Perception 10: one starting point, and no more to buy.
        program.main.MenuAction("AssignStartingLRP1")->trigger();
        QCOMPARE(Rows(page->SgLRP), QStringList{"1|Starting Point"});
        QCOMPARE(page->LblLRPPoints->text() + " of " + page->LblLRPMax->text(), QString("1 of 1"));
        page->RbLRPPlus->setChecked(true);
        QTest::keyClicks(page->EdLRPDesc, "Another");
        QTest::keyClick(page->EdLRPDesc, Qt::Key_Return);
        QCOMPARE(program.prompter.Texts(Kind::Error).back(),
                 std::string("Last Resort Points already at maximum"));
        QVERIFY(program.main.grab().save(QString(TAVORN_BINARY_DIR) + "/campaign-page.png"));

        QTest::mouseClick(program.main.PageButton(0), Qt::LeftButton);
        QTest::mouseClick(program.main.PageButton(5), Qt::LeftButton);
        QVERIFY(page->RbLRPMinus->isChecked());
        QTest::keyClick(page->EdLRPDesc, Qt::Key_Return);
        QCOMPARE(Rows(page->SgLRP), QStringList({"1|Starting Point", "-1|Another"}));
        QCOMPARE(page->LblLRPPoints->text(), QString("0"));
    }
};

QTEST_MAIN(CampaignPageTest)
#include "CampaignPageTest.moc"
