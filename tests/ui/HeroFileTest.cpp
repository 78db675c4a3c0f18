// Drives the File menu offscreen: a hero built on the pages is saved with "Save" (the scripted
// prompter answers the save dialog), replaced by "New", opened again with "Open Character",
// and shows the same values on its pages. A file with problems opens the import messages.

#include "app/HeroBuilder.h"
#include "app/ScriptedPrompter.h"
#include "app/ui/AppWindows.h"
#include "app/ui/TFrmMain.h"
#include "files/ui/TFrmMessages.h"
#include "hero/ui/AttributePanel.h"
#include "hero/ui/MainPage.h"
#include "hero/ui/NotesPage.h"
#include "skills/ui/SkillsPage.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

class HeroFileTest : public QObject {
    Q_OBJECT

    static fs::path MakeAppDir(const QTemporaryDir& dir) {
        const fs::path root = dir.path().toStdString();
        fs::copy(fs::path(TAVORN_SOURCE_DIR) / "Data", root / "Data", fs::copy_options::recursive);
        std::ofstream(root / "defaults.xml") << "<Defaults><Sources Active=\"Core\" /></Defaults>";
        return root;
    }

    static void Choose(QComboBox* combo, const QString& text) {
        const int index = combo->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    // The skill table as shown: one line per row, cells joined by "|".
    static QStringList Rows(const QTableWidget* grid) {
        QStringList rows;
        for (int r = 0; r < grid->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < grid->columnCount(); ++c)
                cells << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
            rows << cells.join('|');
        }
        return rows;
    }

private slots:
    void savedHeroOpensWithTheSameValuesOnItsPages() {
        QTemporaryDir dir;
        const fs::path root = MakeAppDir(dir);
        const AppPaths paths(root);
        ScriptedPrompter prompter;
        HeroBuilder builder(prompter, paths);
        AppWindows windows(builder, prompter, paths);
        QVERIFY(windows.started);
        TFrmMain& main = *windows.main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        auto* page = static_cast<MainPage*>(main.Page(0));
        auto* notes = static_cast<NotesPage*>(main.Page(1));
        auto* skills = static_cast<SkillsPage*>(main.Page(2));
        auto* panel = static_cast<AttributePanel*>(main.AttributesPanel());

        page->EdName->setText("Kel \"Two-Knives\" <Vey> & Co");
        emit page->EdName->textEdited(page->EdName->text());
        page->EdPlayer->setText("Sam");
        emit page->EdPlayer->textEdited(page->EdPlayer->text());
        Choose(page->CmbSpecies, "Aerlithi");
        Choose(page->CmbProfession, "Free Agent");
        Choose(notes->CmbSpecial, "DEX");
        Choose(page->CmbMotivation, "Debt of Honor");
        Choose(page->CmbTrait2, "Patient");
        panel->Spinner(3)->stepUp();
        panel->Spinner(3)->stepUp();
        QVERIFY(builder.Skills.AddSkill("Tumbling", "", 2));
        QVERIFY(builder.Skills.AddSkill("Language", "Trade Cant", 1));
        builder.NotifyViews();
        notes->MemNotes->setPlainText("Never weighs less than she says.");

        const QString name = page->EdName->text();
        const QString intTotal = panel->TotalField(3)->text();
        const QString dexRes = panel->findChild<QLabel*>("LblDEXRes")->text();
        const QStringList skillRows = Rows(skills->GridSkills);
        const QString skillPoints = skills->LblSkillPoints->text();
        QVERIFY(skillRows.size() >= 3);
        QVERIFY(main.windowTitle().endsWith("*"));

        const fs::path file = root / "kel.xml";
        prompter.fileAnswers.push_back(file);
        main.MenuAction("Save1")->trigger();
        QCOMPARE(prompter.Texts(ScriptedPrompter::Kind::SaveFile),
                 std::vector<std::string>{"Save as XML"});
        QCOMPARE(prompter.Texts(ScriptedPrompter::Kind::Plain),
                 std::vector<std::string>{"File Saved"});
        QVERIFY(fs::exists(file));
        QCOMPARE(main.windowTitle(), QString("Tavorn - kel.xml"));

        // "New" empties the pages.
        main.MenuAction("Clear1")->trigger();
        QCOMPARE(page->EdName->text(), QString());
        QCOMPARE(skills->GridSkills->rowCount(), 0);

        prompter.fileAnswers.push_back(file);
        main.MenuAction("OpenCharacter1")->trigger();
        QCOMPARE(prompter.Texts(ScriptedPrompter::Kind::OpenFile),
                 std::vector<std::string>{"Open Character"});
        QCOMPARE(page->EdName->text(), name);
        QCOMPARE(page->EdPlayer->text(), QString("Sam"));
        QCOMPARE(page->CmbSpecies->currentText(), QString("Aerlithi"));
        QCOMPARE(page->CmbProfession->currentText(), QString("Free Agent"));
        QCOMPARE(page->CmbMotivation->currentText(), QString("Debt of Honor"));
        QCOMPARE(page->CmbTrait2->currentText(), QString("Patient"));
        QCOMPARE(notes->CmbSpecial->currentText(), QString("DEX"));
        QCOMPARE(notes->MemNotes->toPlainText(), QString("Never weighs less than she says."));
        QCOMPARE(panel->TotalField(3)->text(), intTotal);
        QCOMPARE(panel->findChild<QLabel*>("LblDEXRes")->text(), dexRes);
        QCOMPARE(Rows(skills->GridSkills), skillRows);
        QCOMPARE(skills->LblSkillPoints->text(), skillPoints);
        QCOMPARE(main.CurrentPage(), 0);
        QCOMPARE(main.windowTitle(), QString("Tavorn - kel.xml"));
        QVERIFY(!windows.messages->isVisible());

        // The file is remembered under "Recent Files".
        main.PaintRecentFiles();
        auto* recent = main.findChild<QMenu*>("RecentFiles1");
        QVERIFY(recent->isEnabled());
        QCOMPARE(recent->actions().size(), 1);
        QVERIFY(recent->actions()[0]->text().endsWith("kel.xml"));
    }

    void problemsOfAFileAreListedInTheImportMessagesWindow() {
        QTemporaryDir dir;
        const fs::path root = MakeAppDir(dir);
        const AppPaths paths(root);
        ScriptedPrompter prompter;
        HeroBuilder builder(prompter, paths);
        AppWindows windows(builder, prompter, paths);
        TFrmMain& main = *windows.main;

        const fs::path file = root / "odd.xml";
        std::ofstream(file)
            << "<HeroData><Hero Species=\"Earthkin\"><Skills>"
               "<Skill Level=\"1\" Name=\"Hyperspace Yodel\"/>"
               "<Skill Level=\"2\" Name=\"Basket Weaving\"/></Skills></Hero></HeroData>";
        prompter.fileAnswers.push_back(file);
        main.MenuAction("OpenCharacter1")->trigger();

        auto* messages = qobject_cast<TFrmMessages*>(windows.messages);
        QVERIFY(messages);
        QVERIFY(messages->isVisible());
        QCOMPARE(messages->windowTitle(), QString("Import Error Messages"));
        QCOMPARE(messages->LstErrors->count(), 2);
        QCOMPARE(messages->LstErrors->item(0)->text(),
                 QString("Unknown skill: Hyperspace Yodel  1"));
        QCOMPARE(messages->LstErrors->item(1)->text(), QString("Unknown skill: Basket Weaving  2"));
    }
};

QTEST_MAIN(HeroFileTest)
#include "HeroFileTest.moc"
