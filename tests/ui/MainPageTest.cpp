// Builds a hero on the Main page through the real widgets: species, profession, an attribute
// raised with its spinner and with "w", and the derived values shown; the profession's and
// the species' own choices made beside them, in step with the Notes page.

#include "UiHarness.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>

namespace {
const char* kSpecies = R"(<Catalogue>
<SPECIES><Name>Plainfolk</Name><Source>Core</Source></SPECIES>
<SPECIES DURMULT="1.5" CANGLIDE="TRUE" CYBERSKILL="TRUE"><Name>Skyrunner</Name>
<Source>Core</Source><ActionStep>1</ActionStep><DEX MIN="8" MAX="16"/></SPECIES>
<SPECIES PRIMITIVE="TRUE"><Name>Deepborn</Name><Source>Far Shelf</Source></SPECIES>
</Catalogue>)";
const char* kConfig = R"(<Configuration><SOURCE NAME="Far Shelf"/>
<Motivation NAME="Old Debts" SOURCE="Core"/><Motivation NAME="Star Charts" SOURCE="Far Shelf"/>
</Configuration>)";
} // namespace

class MainPageTest : public QObject {
    Q_OBJECT

private slots:
    void buildsAHeroOnTheMainPage() {
        AppFolder folder(false);
        folder.Write("Data/config.xml", kConfig);
        folder.Write("Data/species.xml", kSpecies);
        folder.Write("defaults.xml", "<Defaults><Sources Active=\"Core\"/></Defaults>");
        Program program(folder);
        TFrmMain& main = program.main;
        QVERIFY(program.Show());
        MainPage* page = program.Main();
        AttributePanel* panel = program.Panel();
        QCOMPARE(page->CmbSpecies->count(), 2); // the far shelf source is off
        QCOMPARE(page->CmbProfession->count(), 7);

        // Species: limits, durability, glide and the free Cyberskill follow it.
        Choose(page->CmbSpecies, "Skyrunner");
        QCOMPARE(program.Texts("LblDEXLimits LblStun LblMoveGlide LblActionDie"),
                 QString("8/16 15 20 +d4"));
        QVERIFY(page->CbCyberSkill->isChecked() && !page->CbCyberSkill->isEnabled());
        QVERIFY(main.windowTitle().endsWith("*"));

        // Profession "Free Agent": DEX rises to its minimum 11; the resistance bonus choice,
        // beside the profession and on the Notes page.
        NotesPage* notes = program.Notes();
        QVERIFY(!page->CmbSpecial->isVisibleTo(page) && !page->LblSpecial->isVisibleTo(page));
        Choose(page->CmbProfession, "Free Agent");
        QCOMPARE(panel->TotalField(1)->text(), QString("11"));
        QCOMPARE(program.Texts("LblActionCheckOrdinary"), QString("12"));
        QCOMPARE(page->LblSpecial->text(), QString("Resistance Bonus"));
        QCOMPARE(notes->LblSpecial->text(), QString("Resistance Bonus"));
        QVERIFY(page->CmbSpecial->isVisible());
        Choose(page->CmbSpecial, "DEX");
        QCOMPARE(notes->CmbSpecial->currentText(), QString("DEX"));
        QCOMPARE(program.Texts("LblDEXRes"), QString("+2"));
        Choose(notes->CmbSpecial, "INT");
        QCOMPARE(page->CmbSpecial->currentText(), QString("INT"));
        Choose(page->CmbSpecial, "DEX");

        // STR raised by its spinner, then by "w" in its field.
        panel->Spinner(0)->stepUp();
        QCOMPARE(panel->TotalField(0)->text(), QString("11"));
        QTest::keyClick(panel->TotalField(0), Qt::Key_W);
        QCOMPARE(panel->BaseField(0)->text(), QString("12"));
        QCOMPARE(program.Texts("LblSTRRes LblMoveSprint LblAttributeCost"), QString("+1 22 63"));
        QTest::keyClick(panel->BaseField(0), Qt::Key_Q);
        QCOMPARE(panel->TotalField(0)->text(), QString("11"));

        // Switching the far shelf source on offers its species and motivation; the lists
        // keep their widths.
        const QSize speciesWidth = page->CmbSpecies->sizeHint();
        const QSize motivationWidth = page->CmbMotivation->sizeHint();
        auto* sources = main.findChild<QMenu*>("Sources1");
        sources->actions()[1]->trigger();
        QCOMPARE(page->CmbSpecies->sizeHint(), speciesWidth);
        QCOMPARE(page->CmbMotivation->sizeHint(), motivationWidth);
        QCOMPARE(page->CmbSpecies->count(), 3);
        QCOMPARE(page->CmbSpecies->currentText(), QString("Skyrunner"));
        QCOMPARE(page->CmbMotivation->count(), 2);
        QCOMPARE(notes->CmbSpecial->currentText(), QString("DEX")); // kept across the reload
        QCOMPARE(program.prompter.Texts(Kind::Confirm), Strings{"Make this the default?"});

        // A primitive species offers its penalty choice beside it, ticked on either page.
        QVERIFY(!page->CbPrimitive->isVisibleTo(page));
        Choose(page->CmbSpecies, "Deepborn");
        QVERIFY(page->CbPrimitive->isVisible());
        QCOMPARE(page->CbPrimitive->text(), QString("Reduce Primitive Penalty From +2 to +1 step"));
        const QString budget = program.Skills()->LblSkillPoints->text();
        QTest::mouseClick(page->CbPrimitive, Qt::LeftButton);
        QVERIFY(notes->CbPrimitive->isChecked());
        QVERIFY(program.Skills()->LblSkillPoints->text() != budget);
        notes->CbPrimitive->click();
        QVERIFY(!page->CbPrimitive->isChecked());
        QCOMPARE(program.Skills()->LblSkillPoints->text(), budget);

        // The boxes and the panel's column headers say in one line what they mean.
        QList<QWidget*> explained{page->CbCyberSkill, page->CbPrimitive, notes->CbPrimitive};
        for (QLabel* label : panel->findChildren<QLabel*>())
            if (QStringList{"Res", "Ut", "n/x"}.contains(label->text())) explained << label;
        QCOMPARE(explained.size(), 6);
        for (QWidget* widget : explained)
            QVERIFY2(!widget->toolTip().isEmpty() && !widget->toolTip().contains('\n'),
                     qPrintable(widget->objectName()));

        main.ShowPage(1);
        QVERIFY(main.grab().save(QString(TAVORN_BINARY_DIR) + "/notes-page.png"));
        main.ShowPage(0);
        QVERIFY(main.grab().save(QString(TAVORN_BINARY_DIR) + "/main-page.png"));
    }
};

QTEST_MAIN(MainPageTest)
#include "MainPageTest.moc"
