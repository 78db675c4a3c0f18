// The career template dialogs offscreen: "Career Information" refuses to close until its
// fields are filled (and a clash is settled), and "Save As Career" then "Load Career" from the
// File menu carry a hero's career into a fresh hero that counts as unsaved.

#include "UiHarness.h"

#include "files/Careers.h"
#include "files/HeroFileWriter.h"
#include "files/ui/TFrmLoad.h"
#include "files/ui/TFrmMessages.h"
#include "files/ui/TFrmTmplt.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// Runs `steps` once the modal dialog about to open is up; the dialog is cancelled afterwards
// should the steps have left it open, so a failing test never hangs.
template <class Steps> void WhenShown(QDialog* dialog, Steps steps) {
    QTimer::singleShot(0, dialog, [dialog, steps] {
        steps();
        if (dialog->isVisible()) dialog->reject();
    });
}

QString FocusName(QWidget* window) {
    return window->focusWidget() ? window->focusWidget()->objectName() : QString();
}

} // namespace

class CareerTemplatesTest : public QObject {
    Q_OBJECT

private slots:
    void saveDialogClosesOnlyOnceItsChecksPass() {
        QTemporaryDir careers;
        const fs::path dir = careers.path().toStdString();
        std::ofstream(dir / "Core_DeepScout.xml") << "<HeroData/>";
        ScriptedPrompter prompter;
        const auto check = [&](const CareerForm& form) {
            return CheckCareerForm(form, dir, prompter);
        };

        TFrmTmplt dialog;
        QCOMPARE(dialog.windowTitle(), QString("Career Information"));
        QStringList captions;
        for (auto* label : dialog.findChildren<QLabel*>())
            captions << label->text().remove('&');
        QCOMPARE(captions, (QStringList{"Career:", "Description:", "Source:"}));
        QVERIFY(dialog.CmdSave->isDefault());

        QStringList focus;
        WhenShown(&dialog, [&] {
            focus << FocusName(&dialog);
            dialog.CmdSave->click();
            focus << FocusName(&dialog);
            dialog.EdName->setText("Deep Scout!");
            dialog.CmdSave->click();
            focus << FocusName(&dialog);
            dialog.CmbSource->setCurrentIndex(0);
            dialog.CmdSave->click();
            focus << FocusName(&dialog);
            dialog.MemDescription->setPlainText("Looks ahead\nTravels light");
            prompter.confirmAnswers = {false}; // keep the template already there
            dialog.CmdSave->click();
            focus << FocusName(&dialog);
            QVERIFY(dialog.isVisible());
            prompter.confirmAnswers = {true};
            dialog.CmdSave->click();
        });
        const auto choice = dialog.Ask({"Core", "Outer Reach Compendium"}, check);
        QVERIFY(choice.has_value());
        QCOMPARE(focus, (QStringList{"EdName", "EdName", "CmbSource", "MemDescription", "EdName"}));
        QCOMPARE(prompter.Texts(Kind::Error),
                 (Strings{"Enter a name for the template", "Select a source",
                          "Please enter a description for the template"}));
        QCOMPARE(prompter.Texts(Kind::Confirm).size(), size_t(2));
        QCOMPARE(choice->path, dir / "Core_DeepScout.xml");
        QCOMPARE(choice->form.source, std::string("Core"));
        QCOMPARE(TextLines(choice->form.description), (Strings{"Looks ahead", "Travels light"}));

        // Shown again it starts empty with no source chosen; Escape calls it off.
        QStringList shown;
        WhenShown(&dialog, [&] {
            shown << dialog.EdName->text() << dialog.MemDescription->toPlainText()
                  << QString::number(dialog.CmbSource->currentIndex())
                  << QString::number(dialog.CmbSource->count());
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QVERIFY(!dialog.Ask({"Core"}, check).has_value());
        QCOMPARE(shown, (QStringList{"", "", "-1", "1"}));
    }

    void careerSavedAndLoadedThroughTheFileMenu() {
        AppFolder folder;
        folder.Write("defaults.xml", "<Defaults><Sources Active=\"Core\" /></Defaults>");
        Program program(folder);
        TFrmMain& main = program.main;
        QVERIFY(program.Show());
        MainPage* page = program.Main();
        auto* tmplt = qobject_cast<TFrmTmplt*>(program.windows.tmplt);
        auto* load = qobject_cast<TFrmLoad*>(program.windows.load);
        QVERIFY(tmplt && load);

        // No profession yet: refused, and the profession choice takes the focus.
        Choose(page->CmbSpecies, "Earthkin");
        main.ShowPage(2);
        main.MenuAction("SaveAsCareer1")->trigger();
        QCOMPARE(program.prompter.Texts(Kind::Error), Strings{"Select a profession first"});
        QCOMPARE(main.CurrentPage(), 0);
        QCOMPARE(main.focusWidget(), static_cast<QWidget*>(page->CmbProfession));
        QVERIFY(!tmplt->isVisible());

        Choose(page->CmbProfession, "Tech Op");
        page->EdName->setText("Mara Quell");
        emit page->EdName->textEdited(page->EdName->text());
        QVERIFY(program.builder.Skills().AddSkill("Coding", "", 2));
        const QStringList skills = Rows(program.Skills()->GridSkills);
        program.prompter.Clear();

        WhenShown(tmplt, [&] {
            tmplt->EdName->setText("Freighter Hand");
            Choose(tmplt->CmbSource, "Core");
            tmplt->MemDescription->setPlainText("Keeps the drives turning");
            QVERIFY(tmplt->grab().save(QString(TAVORN_BINARY_DIR) + "/career-save.png"));
            tmplt->CmdSave->click();
        });
        main.MenuAction("SaveAsCareer1")->trigger();
        QCOMPARE(program.prompter.Texts(Kind::Plain), Strings{"File Saved"});
        QVERIFY(fs::exists(folder.root / "careers" / "Core_FreighterHand.xml"));
        QCOMPARE(main.windowTitle(), QString("Tavorn")); // saved, tied to no file

        main.MenuAction("Clear1")->trigger();
        QCOMPARE(page->CmbProfession->currentIndex(), -1);

        QStringList listed;
        WhenShown(load, [&] {
            QCOMPARE(load->windowTitle(), QString("Careers"));
            for (int i = 0; i < load->LBCareer->count(); ++i)
                listed << load->LBCareer->item(i)->text();
            listed << load->EdCareer->text() << load->EdSource->text()
                   << load->MemDescription->toPlainText();
            QVERIFY(load->CmdLoad->isDefault());
            QVERIFY(load->grab().save(QString(TAVORN_BINARY_DIR) + "/career-load.png"));
            load->CmdLoad->click();
        });
        main.MenuAction("LoadCareer1")->trigger();
        QCOMPARE(listed, (QStringList{"Freighter Hand (Core)", "Freighter Hand", "Core",
                                      "Keeps the drives turning"}));
        QCOMPARE(page->CmbProfession->currentText(), QString("Tech Op"));
        QCOMPARE(page->CmbSpecies->currentText(), QString("Earthkin"));
        QCOMPARE(page->EdCareer->text(), QString("Freighter Hand"));
        QCOMPARE(page->EdName->text(), QString());
        QCOMPARE(Rows(program.Skills()->GridSkills), skills);
        QVERIFY(!program.windows.messages->isVisible()); // nothing to report
        QCOMPARE(main.windowTitle(), QString("Tavorn*"));

        // The loaded hero is unsaved: closing asks first, and Cancel keeps the window.
        program.prompter.Clear();
        program.prompter.askAnswers = {Answer::Cancel};
        main.close();
        QCOMPARE(program.prompter.Texts(Kind::Confirm), Strings{"Save Changes?"});
        QVERIFY(main.isVisible());
        program.prompter.askAnswers = {Answer::No};
        main.close();
        QVERIFY(!main.isVisible());
    }

    void loadDialogWithNothingListedCannotLoad() {
        TFrmLoad dialog;
        bool loadEnabled = true;
        WhenShown(&dialog, [&] {
            loadEnabled = dialog.CmdLoad->isEnabled();
            dialog.CmdLoad->click(); // refused: the dialog stays open
            QVERIFY(dialog.isVisible());
            dialog.CmdCancel->click();
        });
        QVERIFY(!dialog.Choose({}).has_value());
        QVERIFY(!loadEnabled);
        QCOMPARE(dialog.EdCareer->text(), QString());
    }
};

QTEST_MAIN(CareerTemplatesTest)
#include "CareerTemplatesTest.moc"
