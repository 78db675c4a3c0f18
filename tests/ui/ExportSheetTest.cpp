// File > Export offscreen: a saved hero's sheet appears beside its file and is handed to the
// viewer; a hero never saved asks where the sheet goes and is not opened. File > Export PDF
// draws the same page into a real PDF (kept in the build folder to be looked at).

#include "UiHarness.h"

#include <QLineEdit>

class ExportSheetTest : public QObject {
    Q_OBJECT

private slots:
    void savedHeroGetsItsSheetBesideTheFileAndOpensIt() {
        AppFolder folder;
        folder.Write("defaults.xml", "<Defaults><Sources Active=\"Core\" /></Defaults>");
        Program program(folder);
        TFrmMain& main = program.main;
        QVERIFY(program.Show());
        QAction* exportAction = main.MenuAction("Export1");
        QVERIFY(exportAction->isEnabled());

        MainPage* page = program.Main();
        page->EdName->setText("Mira <Vale> & Co");
        emit page->EdName->textEdited(page->EdName->text());
        Choose(page->CmbSpecies, "Aerlithi");
        Choose(page->CmbProfession, "Free Agent");

        const fs::path file = folder.root / "mira.xml";
        program.prompter.fileAnswers.push_back(file);
        main.MenuAction("Save1")->trigger();
        QVERIFY(fs::exists(file));
        program.prompter.Clear();

        program.prompter.confirmAnswers.push_back(false); // "Paint Zero Level Skills?": No
        exportAction->trigger();
        const fs::path sheet = folder.root / "mira.html";
        QVERIFY(fs::exists(sheet));
        QCOMPARE(program.prompter.Texts(Kind::Confirm), Strings{"Paint Zero Level Skills?"});
        QCOMPARE(program.prompter.Texts(Kind::SaveFile), Strings{});
        QCOMPARE(program.prompter.Texts(Kind::OpenInViewer), Strings{sheet.string()});

        std::ifstream in(sheet);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        QVERIFY(text.find("<title>Mira &lt;Vale&gt; &amp; Co</title>") != std::string::npos);
        QVERIFY(text.find(">Aerlithi<") != std::string::npos);
    }

    void unsavedHeroAsksForThePathAndIsNotOpened() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        const fs::path chosen = folder.root / "elsewhere.html";
        program.prompter.fileAnswers.push_back(chosen);
        program.main.MenuAction("Export1")->trigger();
        QCOMPARE(program.prompter.Texts(Kind::SaveFile), Strings{"HTML Export"});
        QVERIFY(fs::exists(chosen));
        QCOMPARE(program.prompter.Texts(Kind::OpenInViewer), Strings{});
    }

    void exportPdfDrawsTheSheetOnPaper() {
        AppFolder folder;
        Program program(folder);
        QVERIFY(program.Show());
        QVERIFY(program.main.Files().OpenPath(fs::path(TAVORN_SOURCE_DIR) / "examples" /
                                              "earthkin-tech-op.xml"));
        const fs::path pdf = fs::path(TAVORN_BINARY_DIR) / "earthkin-tech-op.pdf";
        fs::remove(pdf);
        program.prompter.fileAnswers.push_back(pdf);
        program.main.MenuAction("ExportPdf1")->trigger();
        QCOMPARE(program.prompter.Texts(Kind::SaveFile), Strings{"PDF Export"});
        QCOMPARE(program.prompter.Texts(Kind::Error), Strings{});
        std::ifstream in(pdf, std::ios::binary);
        std::string head(5, '\0');
        in.read(head.data(), 5);
        QCOMPARE(QString::fromStdString(head), QString("%PDF-"));
        QVERIFY(fs::file_size(pdf) > 2000);
    }
};

QTEST_MAIN(ExportSheetTest)
#include "ExportSheetTest.moc"
