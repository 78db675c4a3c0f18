// Drives the File menu offscreen: a hero built on the pages is saved with "Save" (the scripted
// prompter answers the save dialog), replaced by "New", opened again with "Open Character",
// and shows the same values on its pages. A file with problems opens the import messages.

#include "UiHarness.h"

#include "files/ui/TFrmMessages.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>

class HeroFileTest : public QObject {
    Q_OBJECT

private slots:
    void savedHeroOpensWithTheSameValuesOnItsPages() {
        AppFolder folder;
        folder.Write("defaults.xml", "<Defaults><Sources Active=\"Core\" /></Defaults>");
        Program program(folder);
        TFrmMain& main = program.main;
        QVERIFY(program.Show());
        MainPage* page = program.Main();
        NotesPage* notes = program.Notes();

        page->EdName->setText("Kel \"Two-Knives\" <Vey> & Co");
        emit page->EdName->textEdited(page->EdName->text());
        Choose(page->CmbSpecies, "Aerlithi");
        Choose(page->CmbProfession, "Free Agent");
        Choose(notes->CmbSpecial, "DEX");
        Choose(page->CmbTrait2, "Patient");
        program.Panel()->Spinner(3)->stepUp();
        QVERIFY(program.builder.Skills().AddSkill("Language", "Trade Cant", 1));
        notes->MemNotes->setPlainText("Never weighs less than she says.");

        // Everything the pages show, in one list.
        auto shown = [&] {
            return QStringList{page->EdName->text(),
                               page->CmbSpecies->currentText(),
                               page->CmbProfession->currentText(),
                               page->CmbTrait2->currentText(),
                               notes->CmbSpecial->currentText(),
                               notes->MemNotes->toPlainText(),
                               program.Panel()->TotalField(3)->text(),
                               program.Texts("LblDEXRes"),
                               program.Skills()->LblSkillPoints->text()} +
                   Rows(program.Skills()->GridSkills);
        };
        const QStringList before = shown();
        QVERIFY(before.size() >= 9 + 3); // a free skill and the language with its broad skill

        const fs::path file = folder.root / "kel & co.xml";
        program.prompter.fileAnswers.push_back(file);
        main.MenuAction("Save1")->trigger();
        QCOMPARE(program.prompter.Texts(Kind::SaveFile), Strings{"Save as XML"});
        QCOMPARE(program.prompter.Texts(Kind::Plain), Strings{"File Saved"});
        QCOMPARE(main.windowTitle(), QString("Tavorn - kel & co.xml"));

        main.MenuAction("Clear1")->trigger(); // "New" empties the pages
        QCOMPARE(page->EdName->text(), QString());
        QCOMPARE(program.Skills()->GridSkills->rowCount(), 0);

        program.prompter.fileAnswers.push_back(file);
        main.MenuAction("OpenCharacter1")->trigger();
        QCOMPARE(program.prompter.Texts(Kind::OpenFile), Strings{"Open Character"});
        QCOMPARE(shown(), before);
        QCOMPARE(main.windowTitle(), QString("Tavorn - kel & co.xml"));
        QVERIFY(!program.windows.messages->isVisible());

        // The file is remembered under "Recent Files", its name shown as written.
        main.PaintRecentFiles();
        auto* recent = main.findChild<QMenu*>("RecentFiles1");
        QCOMPARE(recent->actions().size(), 1);
        QCOMPARE(recent->actions()[0]->iconText(), "1 " + QString::fromStdString(file.string()));
    }

    void problemsOfAFileAreListedInTheImportMessagesWindow() {
        AppFolder folder;
        folder.Write("odd.xml", "<HeroData><Hero Species=\"Earthkin\"><Skills>"
                                "<Skill Level=\"1\" Name=\"Hyperspace Yodel\"/>"
                                "<Skill Level=\"2\" Name=\"Basket Weaving\"/></Skills></Hero>"
                                "</HeroData>");
        Program program(folder);
        program.prompter.fileAnswers.push_back(folder.root / "odd.xml");
        program.main.MenuAction("OpenCharacter1")->trigger();

        auto* messages = qobject_cast<TFrmMessages*>(program.windows.messages);
        QVERIFY(messages && messages->isVisible());
        QCOMPARE(messages->windowTitle(), QString("Import Error Messages"));
        QCOMPARE(messages->LstErrors->count(), 2);
        QCOMPARE(messages->LstErrors->item(0)->text(),
                 QString("Unknown skill: Hyperspace Yodel  1"));
        QCOMPARE(messages->LstErrors->item(1)->text(), QString("Unknown skill: Basket Weaving  2"));
    }
};

QTEST_MAIN(HeroFileTest)
#include "HeroFileTest.moc"
