#include "app/ui/TFrmMain.h"

#include "app/HeroBuilder.h"
#include "app/Pages.h"
#include "app/Version.h"
#include "app/ui/AppWindows.h"
#include "app/ui/SearchBox.h"
#include "app/ui/TFrmAbout.h"
#include "app/ui/ViewWidgets.h"
#include "files/HeroSheet.h"
#include "files/HeroSheetPdf.h"
#include "files/ui/SheetPdf.h"
#include "files/ui/TFrmLoad.h"
#include "files/ui/TFrmMessages.h"
#include "files/ui/TFrmTmplt.h"
#include "gear/ui/AchievementsPage.h"
#include "gear/ui/CampaignPage.h"
#include "gear/ui/CombatPage.h"
#include "gear/ui/CyberTechPage.h"
#include "gear/ui/EquipmentPage.h"
#include "gear/ui/MutationsPage.h"
#include "hero/ui/AttributePanel.h"
#include "hero/ui/MainPage.h"
#include "hero/ui/NotesPage.h"
#include "skills/ui/FXPage.h"
#include "skills/ui/PerksFlawsPage.h"
#include "skills/ui/PsionicsPage.h"
#include "skills/ui/SkillsPage.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

#include <filesystem>

namespace {
// The letter of each page button that Alt picks it by, in the order of the buttons. None is
// taken by the menu bar (File, Edit, Sources, Rule Set, Functions, Die Roller, Switch to,
// About).
constexpr std::array<char, 12> kPageMnemonics{'M', 'N', 'k', 'P', 'y', 'C',
                                              'X', 'i', 'b', 'E', 'h', 't'};

// The caption with "&" before the first occurrence of the letter.
QString WithMnemonic(const QString& caption, char letter) {
    const int at = caption.indexOf(QLatin1Char(letter));
    return at < 0 ? caption : QString(caption).insert(at, QLatin1Char('&'));
}

// The career template dialogs of the program's windows; a window that is missing (a main
// window made on its own) is made for the one showing.
class CareerDialogWindows : public CareerDialogs {
public:
    CareerDialogWindows(AppWindows* windows, QWidget* owner) : windows_(windows), owner_(owner) {}

    std::optional<CareerTemplateChoice>
    AskCareerTemplate(const std::vector<std::string>& sources,
                      const std::function<CareerFormCheck(const CareerForm&)>& check) override {
        if (auto* dialog = qobject_cast<TFrmTmplt*>(windows_ ? windows_->tmplt : nullptr))
            return dialog->Ask(sources, check);
        TFrmTmplt dialog(owner_);
        return dialog.Ask(sources, check);
    }

    std::optional<std::filesystem::path> ChooseCareer(const std::vector<TCareer>& listed) override {
        if (auto* dialog = qobject_cast<TFrmLoad*>(windows_ ? windows_->load : nullptr))
            return dialog->Choose(listed);
        TFrmLoad dialog(owner_);
        return dialog.Choose(listed);
    }

private:
    AppWindows* windows_;
    QWidget* owner_;
};

// A name shown in a menu as it is written: an "&" in it marks no key.
QString MenuText(const std::string& name) {
    return ToQt(name).replace(QLatin1Char('&'), QLatin1String("&&"));
}
} // namespace

// One step of the hero's history on the undo stack. Pushing it does nothing (the step is
// taken already); undoing and redoing it ask the hero's document.
class HistoryCommand : public QUndoCommand {
public:
    HistoryCommand(TFrmMain& window, const QString& name) : QUndoCommand(name), window_(window) {}
    void undo() override { window_.TakeStep(true); }
    void redo() override {
        if (pushed_) window_.TakeStep(false);
        pushed_ = true;
    }

private:
    TFrmMain& window_;
    bool pushed_ = false;
};

TFrmMain::TFrmMain(HeroBuilder& builder, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), builder_(builder), prompter_(prompter), files_(builder),
      careers_(builder, files_) {
    setObjectName("FrmMain");
    undoStack_ = new QUndoStack(this);
    BuildMenus();
    BuildPages();
    builder_.SetObserver(this);
    builder_.Document().EnableHistory(true);
    const QString decimalPoint = QLocale().decimalPoint();
    builder_.Document().DecimalSeparator =
        decimalPoint.size() == 1 ? decimalPoint[0].toLatin1() : '.';
    started_ = builder_.Start();
    PaintSourcesMenu();
    PaintRuleSetMenu();
    ViewsChanged({});
    ShowPage(0);
    UpdateTitle();
    // Room for the widest page where the screen has it; smaller screens get a smaller window,
    // whose pages scroll.
    QSize size(1000, 720);
    if (const QScreen* display = screen())
        size = size.boundedTo(display->availableGeometry().size() - QSize(40, 60));
    resize(size.expandedTo(minimumSizeHint()));
}

TFrmMain::~TFrmMain() {
    builder_.SetObserver(nullptr);
}

QAction* TFrmMain::MenuAction(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void TFrmMain::BuildMenus() {
    auto addAction = [this](QMenu* menu, const QString& name, const QString& caption,
                            const QKeySequence& shortcut = {}) {
        auto* action = menu->addAction(caption);
        action->setObjectName(name);
        if (!shortcut.isEmpty()) action->setShortcut(shortcut);
        return action;
    };

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("File1");
    // The keys are named outright: some desktops leave the standard "Save As" key empty.
    connect(addAction(file, "Clear1", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &TFrmMain::Clear1Click);
    connect(addAction(file, "LoadCareer1", tr("Load &Career")), &QAction::triggered, this,
            &TFrmMain::LoadCareer1Click);
    connect(addAction(file, "OpenCharacter1", tr("&Open Character"),
                      QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &TFrmMain::OpenCharacter);
    connect(addAction(file, "Save1", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &TFrmMain::Save1Click);
    connect(
        addAction(file, "SaveAs1", tr("Save &As"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
        &QAction::triggered, this, &TFrmMain::SaveAs1Click);
    connect(addAction(file, "SaveAsCareer1", tr("Sa&ve As Career")), &QAction::triggered, this,
            &TFrmMain::SaveAsCareer1Click);
    connect(addAction(file, "Export1", tr("&Export")), &QAction::triggered, this,
            [this] { ExportHeroSheet(builder_); });
    connect(addAction(file, "ExportPdf1", tr("Export &PDF...")), &QAction::triggered, this,
            [this] { ExportHeroSheetPdf(builder_, RenderSheetPdf); });
    file->addSeparator();
    recentMenu_ = file->addMenu(tr("&Recent Files"));
    recentMenu_->setObjectName("RecentFiles1");
    connect(file, &QMenu::aboutToShow, this, &TFrmMain::PaintRecentFiles);
    file->addSeparator();
    // Problems met while reading a hero file are listed in the import messages window.
    files_.SetMessagesWindow([this] { ShowImportMessages(); });
    connect(addAction(file, "Exit1", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &QWidget::close);

    // Alt+D opens this menu; the die roller is reached by Alt+O.
    QMenu* edit = menuBar()->addMenu(tr("E&dit"));
    edit->setObjectName("Edit1");
    QAction* undo = undoStack_->createUndoAction(this, tr("&Undo"));
    undo->setObjectName("Undo1");
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    edit->addAction(undo);
    QAction* redo = undoStack_->createRedoAction(this, tr("&Redo"));
    redo->setObjectName("Redo1");
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(redo);
    edit->addSeparator();
    connect(addAction(edit, "Search1", tr("&Search"), QKeySequence(Qt::CTRL | Qt::Key_F)),
            &QAction::triggered, this, &TFrmMain::FocusSearch);

    sourcesMenu_ = menuBar()->addMenu(tr("&Sources"));
    sourcesMenu_->setObjectName("Sources1");
    ruleSetMenu_ = menuBar()->addMenu(tr("&Rule Set"));
    ruleSetMenu_->setObjectName("RuleSet1");

    QMenu* functions = menuBar()->addMenu(tr("F&unctions"));
    functions->setObjectName("Functions1");
    connect(addAction(functions, "GenerateStartingMoney1", tr("Generate Starting Money")),
            &QAction::triggered, this, [this] { builder_.Wealth().GenerateStartingMoney(); });
    connect(addAction(functions, "AssignStartingLRP1", tr("Assign Starting Last Resort Points")),
            &QAction::triggered, this,
            [this] { builder_.LastResortLedger().AssignStartingPoints(); });

    QAction* dieRoller = menuBar()->addAction(tr("Die R&oller"));
    dieRoller->setObjectName("DieRoller1");
    connect(dieRoller, &QAction::triggered, this, &TFrmMain::DieRoller1Click);

    QMenu* switchTo = menuBar()->addMenu(tr("S&witch to"));
    switchTo->setObjectName("SwitchTo1");
    connect(addAction(switchTo, "Creatures1", tr("Creatures")), &QAction::triggered, this,
            [this] { builder_.ReportNotYetEnabled(); });
    connect(addAction(switchTo, "Robots1", tr("Robots")), &QAction::triggered, this,
            &TFrmMain::Robots1Click);
    connect(addAction(switchTo, "Ships1", tr("Ships")), &QAction::triggered, this, [this] {
        if (!windows_ || !windows_->ships) return;
        windows_->ships->show();
        hide();
    });
    connect(addAction(switchTo, "Roster1", tr("Roster")), &QAction::triggered, this,
            &TFrmMain::Roster1Click);

    QAction* about = menuBar()->addAction(tr("&About"));
    about->setObjectName("About1");
    connect(about, &QAction::triggered, this, &TFrmMain::About1Click);

    // Moving between the pages from the keyboard, wherever the focus is in the window.
    auto pageKeys = [this](const QString& name, const QList<QKeySequence>& keys, int step) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, step] { StepPage(step); });
        QWidget::addAction(action);
    };
    pageKeys("NextPage",
             {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
    pageKeys("PreviousPage",
             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
              QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
             -1);
}

void TFrmMain::BuildPages() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(2);
    pageGroup_ = new QButtonGroup(this);
    pageGroup_->setExclusive(true);
    for (int i = 0; i < static_cast<int>(kPageCaptions.size()); ++i) {
        const QString caption =
            QString::fromUtf8(kPageCaptions[i].data(), static_cast<int>(kPageCaptions[i].size()));
        auto* button = new QPushButton(WithMnemonic(caption, kPageMnemonics[i]), central);
        button->setObjectName("Pnl" + QString(caption).remove('/'));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::TabFocus);
        // The buttons share a narrow window rather than widen it.
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(caption) +
                                2 * button->fontMetrics().averageCharWidth());
        pageGroup_->addButton(button, i);
        buttonRow->addWidget(button);
        pageButtons_[i] = button;
    }
    connect(pageGroup_, &QButtonGroup::idClicked, this, &TFrmMain::ShowPage);
    layout->addLayout(buttonRow);

    auto* attributes = new AttributePanel(builder_, central);
    attributes->setObjectName("PnlAttributes");
    attributePanel_ = attributes;
    viewPages_.push_back(attributes);
    layout->addWidget(attributes);

    pageStack_ = new QStackedWidget(central);
    auto* mainPage = new MainPage(builder_, pageStack_);
    auto* notesPage = new NotesPage(builder_, pageStack_);
    viewPages_.push_back(mainPage);
    viewPages_.push_back(notesPage);
    auto* skillsPage = new SkillsPage(builder_, pageStack_);
    auto* perksFlawsPage = new PerksFlawsPage(builder_, pageStack_);
    auto* campaignPage = new CampaignPage(builder_, pageStack_);
    auto* psionicsPage = new PsionicsPage(builder_, pageStack_);
    auto* achievementsPage = new AchievementsPage(builder_, pageStack_);
    auto* mutationsPage = new MutationsPage(builder_, pageStack_);
    viewPages_.push_back(skillsPage);
    viewPages_.push_back(perksFlawsPage);
    viewPages_.push_back(campaignPage);
    viewPages_.push_back(psionicsPage);
    viewPages_.push_back(achievementsPage);
    viewPages_.push_back(mutationsPage);
    auto* fxPage = new FXPage(builder_, pageStack_);
    viewPages_.push_back(fxPage);
    pages_[0] = mainPage;
    pages_[1] = notesPage;
    pages_[2] = skillsPage;
    pages_[3] = perksFlawsPage;
    pages_[5] = campaignPage;
    pages_[6] = fxPage;
    pages_[7] = psionicsPage;
    pages_[10] = achievementsPage;
    pages_[11] = mutationsPage;
    // The gear pages: cyberware, the combat tables and the equipment carried.
    auto* cyberTechPage = new CyberTechPage(builder_, pageStack_);
    auto* combatPage = new CombatPage(builder_, pageStack_);
    auto* equipmentPage = new EquipmentPage(builder_, pageStack_);
    viewPages_.push_back(cyberTechPage);
    viewPages_.push_back(combatPage);
    viewPages_.push_back(equipmentPage);
    pages_[4] = cyberTechPage;
    pages_[8] = combatPage;
    pages_[9] = equipmentPage;
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
        // A page larger than the room left for it scrolls.
        auto* scroll = new QScrollArea(pageStack_);
        scroll->setObjectName("Scroll" + pages_[i]->objectName());
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setWidget(pages_[i]);
        pageStack_->addWidget(scroll);
    }
    layout->addWidget(pageStack_, 1);
    setCentralWidget(central);
}

void TFrmMain::StepPage(int step) {
    const int count = static_cast<int>(pages_.size());
    ShowPage(((CurrentPage() + step) % count + count) % count);
}

void TFrmMain::ShowPage(int index) {
    if (index < 0 || index >= static_cast<int>(pages_.size())) return;
    pageButtons_[index]->setChecked(true);
    pageStack_->setCurrentIndex(index);
}

int TFrmMain::CurrentPage() const {
    return pageStack_->currentIndex();
}

void TFrmMain::UpdateTitle() {
    QString title = QString::fromUtf8(kProgramName);
    const std::string& fileName = builder_.Hero().FileName;
    if (!fileName.empty())
        title +=
            " - " + QString::fromStdString(std::filesystem::path(fileName).filename().string());
    setWindowTitle(title + (builder_.Changed() ? "*" : ""));
}

// --- the File menu's hero files -------------------------------------------------------------

void TFrmMain::OpenCharacter() {
    files_.OpenCharacter();
    UpdateTitle();
}

void TFrmMain::Save1Click() {
    files_.Save();
    UpdateTitle();
}

void TFrmMain::SaveAs1Click() {
    files_.SaveAs();
    UpdateTitle();
}

void TFrmMain::SaveAsCareer1Click() {
    CareerDialogWindows dialogs(windows_, this);
    if (careers_.SaveAsCareer(dialogs) == CareerTemplates::SaveOutcome::NoProfession) {
        ShowPage(0);
        if (auto* profession = pages_[0]->findChild<QComboBox*>("CmbProfession"))
            profession->setFocus();
    }
    UpdateTitle();
}

void TFrmMain::LoadCareer1Click() {
    CareerDialogWindows dialogs(windows_, this);
    careers_.LoadCareer(dialogs);
    UpdateTitle();
}

void TFrmMain::PaintRecentFiles() {
    recentMenu_->clear();
    const std::vector<std::string>& entries = files_.RecentEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QString path = QString::fromStdString(entries[i]);
        QAction* action =
            recentMenu_->addAction(QString("&%1 %2").arg(i + 1).arg(MenuText(entries[i])));
        action->setObjectName(QString("RecentFile%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, path] {
            files_.OpenRecent(path.toStdString());
            UpdateTitle();
        });
    }
    recentMenu_->setEnabled(!entries.empty());
}

void TFrmMain::ShowImportMessages() {
    if (!windows_ || !windows_->messages) return;
    if (auto* messages = qobject_cast<TFrmMessages*>(windows_->messages))
        messages->ShowLines(files_.ImportErrors());
}

void TFrmMain::PaintSourcesMenu() {
    sourcesMenu_->clear();
    const auto& entries = builder_.Rules().sources.Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QAction* action = sourcesMenu_->addAction(MenuText(entries[i].caption));
        action->setCheckable(true);
        action->setChecked(entries[i].checked);
        connect(action, &QAction::triggered, this, [this, i] {
            builder_.ToggleSource(i);
            PaintSourcesMenu();
        });
    }
}

void TFrmMain::PaintRuleSetMenu() {
    ruleSetMenu_->clear();
    auto* group = new QActionGroup(ruleSetMenu_);
    group->setExclusive(true);
    const auto& entries = builder_.Rules().ruleSets.Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QAction* action = ruleSetMenu_->addAction(MenuText(entries[i].caption));
        action->setObjectName(ToQt(entries[i].menuName));
        action->setCheckable(true);
        action->setChecked(entries[i].checked);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] {
            builder_.ChooseRuleSet(i);
            PaintRuleSetMenu();
        });
    }
}

void TFrmMain::ViewsChanged(const std::set<std::string>& names) {
    for (ViewPage* page : viewPages_)
        page->Render(builder_.Views(), names);
    if (names.count(kSourcesMenu.Key())) PaintSourcesMenu();
    if (names.count(kRulesetLabel.Key())) PaintRuleSetMenu();
    if (names.count(kPageLabel.Key())) {
        const std::string page = builder_.Views().Label(kPageLabel).text;
        for (int i = 0; i < static_cast<int>(kPageCaptions.size()); ++i)
            if (kPageCaptions[i] == page) ShowPage(i);
    }
    if (names.count(kHistoryView.Key()) && !steppingHistory_) PaintHistory();
    UpdateTitle();
}

void TFrmMain::PaintHistory() {
    const HeroHistory& history = builder_.Document().History();
    const std::vector<std::string> names = history.StepNames();
    // A step just taken: one more command on top. Anything else lists the steps afresh.
    if (history.RedoCount() == 0 && !undoStack_->canRedo() &&
        static_cast<std::size_t>(undoStack_->count()) + 1 == names.size()) {
        bool same = true;
        for (int i = 0; i < undoStack_->count() && same; ++i)
            same = undoStack_->text(i).toStdString() == names[static_cast<std::size_t>(i)];
        if (same) {
            undoStack_->push(new HistoryCommand(*this, ToQt(names.back())));
            return;
        }
    }
    steppingHistory_ = true;
    undoStack_->clear();
    for (const std::string& name : names)
        undoStack_->push(new HistoryCommand(*this, ToQt(name)));
    undoStack_->setIndex(static_cast<int>(history.UndoCount()));
    steppingHistory_ = false;
}

void TFrmMain::TakeStep(bool back) {
    if (steppingHistory_) return;
    steppingHistory_ = true;
    if (back)
        builder_.Document().Undo();
    else
        builder_.Document().Redo();
    steppingHistory_ = false;
}

void TFrmMain::FocusSearch() {
    QWidget* page = pages_[static_cast<std::size_t>(CurrentPage())];
    const QList<SearchBox*> boxes = page->findChildren<SearchBox*>();
    if (boxes.isEmpty()) return;
    SearchBox* chosen = boxes.first();
    // The box of the list that has the focus, where the page has several.
    QWidget* focus = QApplication::focusWidget();
    for (SearchBox* box : boxes) {
        QWidget* view = box->View();
        if (focus && (focus == box || focus == view || view->isAncestorOf(focus))) chosen = box;
    }
    chosen->setFocus(Qt::ShortcutFocusReason);
    chosen->selectAll();
}

void TFrmMain::Clear1Click() {
    if (files_.OfferToSave()) builder_.NewHero();
}

void TFrmMain::About1Click() {
    if (windows_ && windows_->about) windows_->about->exec();
}

void TFrmMain::DieRoller1Click() {
    if (!windows_ || !windows_->dice) return;
    QWidget* dice = windows_->dice;
    // The roller stands at the screen's top left corner, the main window to its right.
    if (dice->width() + 4 > x()) move(dice->width() + 4, y());
    dice->move(2, 2);
    dice->show();
    dice->raise();
    dice->activateWindow();
}

void TFrmMain::Robots1Click() {
    if (!windows_ || !windows_->robot) return;
    windows_->robot->show();
    hide();
}

void TFrmMain::Roster1Click() {
    if (!files_.OfferToSave()) return;
    if (!windows_ || !windows_->roster) return;
    windows_->roster->show();
    hide();
}

void TFrmMain::closeEvent(QCloseEvent* event) {
    // Unsaved changes that could not be saved keep the window open.
    if (files_.OfferToSave())
        event->accept();
    else
        event->ignore();
}
