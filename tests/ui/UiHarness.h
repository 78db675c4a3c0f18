#pragma once
// The program's windows started offscreen in a throw-away program folder, with a scripted
// prompter that plays the person.

#include "app/HeroBuilder.h"
#include "app/ScriptedPrompter.h"
#include "app/ui/AppWindows.h"
#include "app/ui/TFrmMain.h"
#include "hero/ui/AttributePanel.h"
#include "hero/ui/MainPage.h"
#include "hero/ui/NotesPage.h"
#include "skills/ui/SkillsPage.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using Kind = ScriptedPrompter::Kind;
using Strings = std::vector<std::string>;

// A program folder holding the bundled catalogues, or only the files the test writes.
struct AppFolder {
    explicit AppFolder(bool bundled = true) {
        if (bundled)
            fs::copy(fs::path(TAVORN_SOURCE_DIR) / "Data", root / "Data",
                     fs::copy_options::recursive);
        else
            fs::create_directories(root / "Data");
    }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(root / name) << text;
    }

    QTemporaryDir dir;
    fs::path root = dir.path().toStdString();
};

// Every window, created on that folder as the program creates them at start.
struct Program {
    explicit Program(const AppFolder& folder)
        : paths(folder.root), builder(prompter, paths), windows(builder, prompter, paths),
          main(*windows.main) {}
    bool Show() {
        main.show();
        return QTest::qWaitForWindowExposed(&main);
    }
    MainPage* Main() const { return static_cast<MainPage*>(main.Page(0)); }
    NotesPage* Notes() const { return static_cast<NotesPage*>(main.Page(1)); }
    SkillsPage* Skills() const { return static_cast<SkillsPage*>(main.Page(2)); }
    AttributePanel* Panel() const { return static_cast<AttributePanel*>(main.AttributesPanel()); }
    // The texts of the attribute panel's labels named (separated by blanks), joined by blanks.
    QString Texts(const QString& names) const {
        QStringList texts;
        for (const QString& name : names.split(' ')) {
            auto* label = Panel()->findChild<QLabel*>(name);
            texts << (label ? label->text() : "<no " + name + ">");
        }
        return texts.join(' ');
    }

    AppPaths paths;
    ScriptedPrompter prompter;
    HeroBuilder builder;
    AppWindows windows;
    TFrmMain& main;
};

// Picks an entry of a drop-down list as the person does.
inline void Choose(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The rows of a table as shown: one line per row, cells joined by "|".
inline QStringList Rows(const QTableWidget* grid) {
    QStringList rows;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c)
            cells << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
        rows << cells.join('|');
    }
    return rows;
}
