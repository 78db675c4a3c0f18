// Builds a hero on the Main page through the real widgets: species, profession, an attribute
// raised with its spinner and with "w", and the derived values shown.

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

        // Profession "Free Agent": DEX rises to its minimum 11; the resistance bonus choice.
        Choose(page->CmbProfession, "Free Agent");
        QCOMPARE(panel->TotalField(1)->text(), QString("11"));
        QCOMPARE(program.Texts("LblActionCheckOrdinary"), QString("12"));
        NotesPage* notes = program.Notes();
        QCOMPARE(notes->LblSpecial->text(), QString("Resistance Bonus"));
        Choose(notes->CmbSpecial, "DEX");
        QCOMPARE(program.Texts("LblDEXRes"), QString("+2"));

        // STR raised by its spinner, then by "w" in its field.
        panel->Spinner(0)->stepUp();
        QCOMPARE(panel->TotalField(0)->text(), QString("11"));
        QTest::keyClick(panel->TotalField(0), Qt::Key_W);
        QCOMPARE(panel->BaseField(0)->text(), QString("12"));
        QCOMPARE(program.Texts("LblSTRRes LblMoveSprint LblAttributeCost"), QString("+1 22 63"));
        QTest::keyClick(panel->BaseField(0), Qt::Key_Q);
        QCOMPARE(panel->TotalField(0)->text(), QString("11"));

        // Switching the far shelf source on offers its species and motivation.
        auto* sources = main.findChild<QMenu*>("Sources1");
        sources->actions()[1]->trigger();
        QCOMPARE(page->CmbSpecies->count(), 3);
        QCOMPARE(page->CmbSpecies->currentText(), QString("Skyrunner"));
        QCOMPARE(page->CmbMotivation->count(), 2);
        QCOMPARE(notes->CmbSpecial->currentText(), QString("DEX")); // kept across the reload
        QCOMPARE(program.prompter.Texts(Kind::Confirm), Strings{"Make this the default?"});

        main.ShowPage(1);
        QVERIFY(main.grab().save(QString(TAVORN_BINARY_DIR) + "/notes-page.png"));
        main.ShowPage(0);
        QVERIFY(main.grab().save(QString(TAVORN_BINARY_DIR) + "/main-page.png"));
    }
};

QTEST_MAIN(MainPageTest)
#include "MainPageTest.moc"
