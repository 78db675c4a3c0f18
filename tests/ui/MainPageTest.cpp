// Builds a hero on the Main page through the real widgets: species, profession, an attribute
// raised with its spinner and with "w", and the derived values shown.

#include "app/HeroBuilder.h"
#include "app/ScriptedPrompter.h"
#include "app/ui/AppWindows.h"
#include "app/ui/TFrmMain.h"
#include "hero/ui/AttributePanel.h"
#include "hero/ui/MainPage.h"
#include "hero/ui/NotesPage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

#include <filesystem>

namespace fs = std::filesystem;

namespace {
const char* kSpecies = R"(<?xml version="1.0"?>
<Catalogue>
<SPECIES ID="1"><Name>Plainfolk</Name><Source>Core</Source><ActionStep>0</ActionStep></SPECIES>
<SPECIES ID="2" DURMULT="1.5" CANGLIDE="TRUE" CYBERSKILL="TRUE"><Name>Skyrunner</Name><Source>Core</Source><ActionStep>1</ActionStep>
<DEX MIN="8" MAX="16"/></SPECIES>
<SPECIES ID="3" PRIMITIVE="TRUE"><Name>Deepborn</Name><Source>Far Shelf</Source></SPECIES>
</Catalogue>)";
const char* kConfig = R"(<?xml version="1.0"?>
<Configuration>
<SOURCE NAME="Far Shelf"/>
<Motivation NAME="Old Debts" SOURCE="Core"/>
<Motivation NAME="Star Charts" SOURCE="Far Shelf"/>
</Configuration>)";

QString Text(QWidget* root, const char* name) {
    auto* label = root->findChild<QLabel*>(name);
    return label ? label->text() : QString("<no %1>").arg(name);
}
} // namespace

class MainPageTest : public QObject {
    Q_OBJECT

private slots:
    void buildsAHeroOnTheMainPage() {
        QTemporaryDir dir;
        const fs::path root = dir.path().toStdString();
        fs::create_directories(root / "Data");
        std::ofstream(root / "Data" / "config.xml") << kConfig;
        std::ofstream(root / "Data" / "species.xml") << kSpecies;
        std::ofstream(root / "defaults.xml") << "<Defaults><Sources Active=\"Core\"/></Defaults>";
        const AppPaths paths(root);
        ScriptedPrompter prompter;
        HeroBuilder builder(prompter, paths);
        AppWindows windows(builder, prompter, paths);
        TFrmMain& main = *windows.main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        auto* page = static_cast<MainPage*>(main.Page(0));
        auto* panel = static_cast<AttributePanel*>(main.AttributesPanel());
        QCOMPARE(page->CmbSpecies->count(), 2); // the far shelf source is off
        QCOMPARE(page->CmbProfession->count(), 7);
        QCOMPARE(page->CmbMotivation->count(), 1);

        // Species: limits, durability, glide and the free Cyberskill follow it.
        page->CmbSpecies->setCurrentIndex(1);
        emit page->CmbSpecies->activated(1);
        QCOMPARE(Text(panel, "LblDEXLimits"), QString("8/16"));
        QCOMPARE(Text(panel, "LblStun"), QString("15"));
        QCOMPARE(Text(panel, "LblMoveGlide"), QString("20"));
        QCOMPARE(Text(panel, "LblActionDie"), QString("+d4"));
        QVERIFY(page->CbCyberSkill->isChecked());
        QVERIFY(!page->CbCyberSkill->isEnabled());
        QVERIFY(main.windowTitle().endsWith("*"));

        // Profession "Free Agent": DEX rises to its minimum 11; the resistance bonus choice.
        page->CmbProfession->setCurrentIndex(4);
        emit page->CmbProfession->activated(4);
        QCOMPARE(panel->TotalField(1)->text(), QString("11"));
        QCOMPARE(Text(panel, "LblActionCheckOrdinary"), QString("12"));
        auto* notes = static_cast<NotesPage*>(main.Page(1));
        QCOMPARE(notes->LblSpecial->text(), QString("Resistance Bonus"));
        QCOMPARE(notes->CmbSpecial->count(), 4);
        emit notes->CmbSpecial->activated(1);
        QCOMPARE(Text(panel, "LblDEXRes"), QString("+2"));

        // STR raised by its spinner, then by "w" in its field.
        panel->Spinner(0)->stepUp();
        QCOMPARE(panel->TotalField(0)->text(), QString("11"));
        QTest::keyClick(panel->TotalField(0), Qt::Key_W);
        QCOMPARE(panel->TotalField(0)->text(), QString("12"));
        QCOMPARE(panel->BaseField(0)->text(), QString("12"));
        QCOMPARE(Text(panel, "LblSTRRes"), QString("+1"));
        QCOMPARE(Text(panel, "LblMoveSprint"), QString("22"));
        QCOMPARE(Text(panel, "LblAttributeCost"), QString("63"));
        QTest::keyClick(panel->BaseField(0), Qt::Key_Q);
        QCOMPARE(panel->TotalField(0)->text(), QString("11"));

        // Switching the far shelf source on offers its species and motivation.
        auto* sources = main.findChild<QMenu*>("Sources1");
        QCOMPARE(sources->actions().size(), 2);
        sources->actions()[1]->trigger();
        QCOMPARE(page->CmbSpecies->count(), 3);
        QCOMPARE(page->CmbSpecies->currentText(), QString("Skyrunner"));
        QCOMPARE(page->CmbMotivation->count(), 2);
        QVERIFY(sources->actions()[1]->isChecked());
        QCOMPARE(notes->CmbSpecial->currentText(), QString("DEX")); // kept across the reload
        QCOMPARE(prompter.Texts(ScriptedPrompter::Kind::Confirm),
                 std::vector<std::string>{"Make this the default?"});

        main.ShowPage(0);
        QVERIFY(main.grab().save(QString(TAVORN_BINARY_DIR) + "/main-page.png"));
    }
};

QTEST_MAIN(MainPageTest)
#include "MainPageTest.moc"
