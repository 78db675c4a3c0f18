#include "robots/ui/TFrmRobot.h"

#include "app/ui/AppWindows.h"
#include "app/ui/TFrmAbout.h"
#include "app/ui/TFrmMain.h"
#include "app/ui/ViewWidgets.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr std::array<const char*, 9> kSlotCaptions{"&Processor",      "C&hassis", "&Material",
                                                   "Ac&tuator",       "&Casing",  "Pr&opulsion",
                                                   "A&ux Propulsion", "Po&wer",   "&Backup Power"};
constexpr std::array<const char*, 9> kSlotNames{"CmbProcessor",     "CmbChasis", "CmbMaterial",
                                                "CmbActuator",      "CmbCasing", "CmbPropulsion",
                                                "CmbAuxPropulsion", "CmbPower1", "CmbPower2"};
constexpr std::array<const char*, 4> kListNames{"Port", "Manipulator", "Sensor", "Upgrade"};
constexpr std::array<LabelName, 6> kAbilityLabels{kRobotSTRLabel, kRobotDEXLabel, kRobotCONLabel,
                                                  kRobotINTLabel, kRobotWILLabel, kRobotPERLabel};
constexpr std::array<const char*, 6> kAbilityNames{"STR", "DEX", "CON", "INT", "WIL", "PER"};

// Fills a list with the rows of a table below its caption, keeping the selected row.
void RenderList(QListWidget* list, const TableView& table) {
    QStringList items;
    for (std::size_t i = 1; i < table.size(); ++i)
        items << ToQt(table[i].empty() ? std::string() : table[i].front());
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    if (shown == items) return;
    const int row = list->currentRow();
    list->clear();
    list->addItems(items);
    if (row >= 0 && row < list->count()) list->setCurrentRow(row);
}

QLabel* ValueLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("000"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The selected row of a list, none when nothing is selected.
std::optional<std::size_t> SelectedRow(const QListWidget* list) {
    const auto selected = list->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return static_cast<std::size_t>(list->row(selected.front()));
}

} // namespace

TFrmRobot::TFrmRobot(AppWindows& windows, Prompter& prompter, const AppPaths& paths,
                     RobotDesigner::SourceTest sourceActive, QWidget* parent)
    : ToolWindow(tr("Tavorn: Robots"), "TFrmRobot", parent), windows_(windows) {
    designer_ = std::make_unique<RobotDesigner>(prompter, paths, std::move(sourceActive));

    auto* layout = new QVBoxLayout(this);
    BuildMenus();
    Pages = new QTabWidget(this);
    Pages->setObjectName("Pages");
    Pages->addTab(BuildMainPage(), tr("Main"));
    Pages->addTab(EmptyPage("Programs"), tr("Programs"));
    auto* notesPage = new QWidget(Pages);
    notesPage->setObjectName("PageNotes");
    auto* notesLayout = new QVBoxLayout(notesPage);
    MemNotes = new QPlainTextEdit(notesPage);
    MemNotes->setObjectName("MemNotes");
    MemNotes->setTabChangesFocus(true);
    notesLayout->addWidget(MemNotes);
    Pages->addTab(notesPage, tr("Notes"));
    Pages->addTab(EmptyPage("Combat"), tr("Combat"));
    Pages->addTab(EmptyPage("Equipment"), tr("Equipment"));
    layout->addWidget(Pages, 1);
    LblFileName = new QLabel(this);
    LblFileName->setObjectName("LblFileName");
    LblFileName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(LblFileName);

    connect(MemNotes, &QPlainTextEdit::textChanged, this,
            [this] { designer_->SetNotes(MemNotes->toPlainText().toStdString()); });

    designer_->SetObserver(this);
    ViewsChanged({});
    resize(QSize(608, 535).expandedTo(minimumSizeHint()));
}

TFrmRobot::~TFrmRobot() {
    designer_->SetObserver(nullptr);
}

QAction* TFrmRobot::MenuAction(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void TFrmRobot::BuildMenus() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    auto add = [this](QMenu* menu, const QString& name, const QString& caption,
                      void (TFrmRobot::*slot)(), const QKeySequence& keys = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        if (!keys.isEmpty()) action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* file = bar->addMenu(tr("&File"));
    add(file, "Clear1", tr("&Clear"), &TFrmRobot::Clear1Click, QKeySequence(Qt::CTRL | Qt::Key_N));
    add(file, "Open1", tr("&Open"), &TFrmRobot::Open1Click, QKeySequence(Qt::CTRL | Qt::Key_O));
    add(file, "Save1", tr("&Save"), &TFrmRobot::Save1Click, QKeySequence(Qt::CTRL | Qt::Key_S));
    add(file, "SaveAs1", tr("Save &As"), &TFrmRobot::SaveAs1Click,
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    add(file, "Export1", tr("&Export"), &TFrmRobot::Export1Click,
        QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addSeparator();
    add(file, "Exit1", tr("E&xit"), &TFrmRobot::Exit1Click, QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* switchTo = bar->addMenu(tr("S&witch to"));
    add(switchTo, "Characters1", tr("&Characters"), &TFrmRobot::Characters1Click);
    QAction* creatures = switchTo->addAction(tr("C&reatures"));
    creatures->setObjectName("Creatures1");
    connect(creatures, &QAction::triggered, this, [this] { designer_->ReportNotYetEnabled(); });
    add(switchTo, "Roster1", tr("&Roster"), &TFrmRobot::Roster1Click);
    add(switchTo, "Ships1", tr("&Ships"), &TFrmRobot::Ships1Click);

    QAction* about = bar->addAction(tr("A&bout"));
    about->setObjectName("About1");
    connect(about, &QAction::triggered, this, [this] {
        if (windows_.about) windows_.about->exec();
    });
}

QWidget* TFrmRobot::EmptyPage(const QString& name) {
    auto* page = new QWidget(this);
    page->setObjectName("Page" + name);
    auto* layout = new QVBoxLayout(page);
    auto* note = new QLabel(tr("Nothing to set here yet."), page);
    note->setEnabled(false);
    layout->addWidget(note, 0, Qt::AlignTop | Qt::AlignLeft);
    return page;
}

QWidget* TFrmRobot::BuildMainPage() {
    auto* page = new QWidget(this);
    page->setObjectName("PageMain");
    auto* layout = new QVBoxLayout(page);

    auto* top = new QHBoxLayout;
    auto* designationLabel = new QLabel(tr("&Designation"), page);
    EdDesignation = new QLineEdit(page);
    EdDesignation->setObjectName("EdDesignation");
    designationLabel->setBuddy(EdDesignation);
    auto* plLabel = new QLabel(tr("P&L"), page);
    CmbPL = new QComboBox(page);
    CmbPL->setObjectName("CmbPL");
    plLabel->setBuddy(CmbPL);
    top->addWidget(designationLabel);
    top->addWidget(EdDesignation, 1);
    top->addSpacing(12);
    top->addWidget(plLabel);
    top->addWidget(CmbPL);
    layout->addLayout(top);
    connect(EdDesignation, &QLineEdit::textEdited, this,
            [this](const QString& text) { designer_->SetDesignation(text.toStdString()); });
    connect(CmbPL, &QComboBox::activated, this, [this] { CmbPLChange(); });

    auto* middle = new QHBoxLayout;
    auto* parts = new QGridLayout;
    for (std::size_t i = 0; i < kRobotSlots.size(); ++i) {
        auto* label = new QLabel(tr(kSlotCaptions[i]), page);
        CmbParts[i] = NewChoice(page, kSlotNames[i], 12);
        label->setBuddy(CmbParts[i]);
        const int row = static_cast<int>(i % 5), column = static_cast<int>(i / 5) * 2;
        parts->addWidget(label, row, column);
        parts->addWidget(CmbParts[i], row, column + 1);
        connect(CmbParts[i], &QComboBox::activated, this, [this, i] { CmbPartChange(i); });
    }
    parts->setColumnStretch(1, 1);
    parts->setColumnStretch(3, 1);
    middle->addLayout(parts, 1);

    auto* values = new QGroupBox(tr("Abilities"), page);
    auto* form = new QGridLayout(values);
    for (std::size_t i = 0; i < kAbilityLabels.size(); ++i) {
        LblAbilities[i] = ValueLabel(values, QString("Lbl") + kAbilityNames[i]);
        const int row = static_cast<int>(i % 3), column = static_cast<int>(i / 3) * 2;
        form->addWidget(new QLabel(kAbilityNames[i], values), row, column);
        form->addWidget(LblAbilities[i], row, column + 1);
    }
    LblActionCheck = ValueLabel(values, "LblActionCheck");
    LblActionCheck->setMinimumWidth(LblActionCheck->fontMetrics().horizontalAdvance("00+/00/0/0 "));
    LblActions = ValueLabel(values, "LblActions");
    LblActionDie = ValueLabel(values, "LblActionDie");
    LblArmor = ValueLabel(values, "LblArmor");
    const std::pair<const char*, QLabel*> derived[] = {{"Action Check", LblActionCheck},
                                                       {"Actions", LblActions},
                                                       {"Action Die", LblActionDie},
                                                       {"Armor", LblArmor}};
    int row = 3;
    for (const auto& [caption, label] : derived) {
        form->addWidget(new QLabel(tr(caption), values), row, 0, 1, 2);
        form->addWidget(label, row++, 2, 1, 2);
    }
    middle->addWidget(values);
    layout->addLayout(middle);

    auto* lists = new QHBoxLayout;
    for (std::size_t i = 0; i < kRobotLists.size(); ++i) {
        const TableView& header = designer_->Views().Table(SelectedTable(kRobotLists[i]));
        auto* box = new QGroupBox(header.empty() ? QString() : ToQt(header.front().front()), page);
        auto* boxLayout = new QVBoxLayout(box);
        LstAvailable[i] = new QListWidget(box);
        LstAvailable[i]->setObjectName(QString("LstAvl") + kListNames[i]);
        LstAvailable[i]->setToolTip(tr("Double-click or Enter to add"));
        LstSelected[i] = new QListWidget(box);
        LstSelected[i]->setObjectName(QString("LstSel") + kListNames[i]);
        LstSelected[i]->setToolTip(tr("Double-click or Delete to remove"));
        for (QListWidget* list : {LstAvailable[i], LstSelected[i]}) {
            list->setMinimumHeight(list->fontMetrics().height() * 4);
            list->installEventFilter(this);
            list->viewport()->installEventFilter(this);
        }
        boxLayout->addWidget(new QLabel(tr("Available"), box));
        boxLayout->addWidget(LstAvailable[i], 1);
        boxLayout->addWidget(new QLabel(tr("Selected"), box));
        boxLayout->addWidget(LstSelected[i], 1);
        lists->addWidget(box);
    }
    layout->addLayout(lists, 1);

    // Tab order: down the page, as the eye reads it.
    QWidget* previous = EdDesignation;
    auto chain = [&previous](QWidget* next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    chain(CmbPL);
    for (QComboBox* combo : CmbParts)
        chain(combo);
    for (std::size_t i = 0; i < kRobotLists.size(); ++i) {
        chain(LstAvailable[i]);
        chain(LstSelected[i]);
    }
    return page;
}

bool TFrmRobot::eventFilter(QObject* watched, QEvent* event) {
    for (std::size_t i = 0; i < kRobotLists.size(); ++i) {
        const bool available = watched == LstAvailable[i] || watched == LstAvailable[i]->viewport();
        const bool selected = watched == LstSelected[i] || watched == LstSelected[i]->viewport();
        if (!available && !selected) continue;
        bool act = event->type() == QEvent::MouseButtonDblClick;
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            act = (available && (key == Qt::Key_Return || key == Qt::Key_Enter)) ||
                  (selected && key == Qt::Key_Delete);
        }
        if (!act) return false;
        if (available)
            LstAvailableDblClick(i);
        else
            LstSelectedDblClick(i);
        return true;
    }
    return ToolWindow::eventFilter(watched, event);
}

void TFrmRobot::ViewsChanged(const std::set<std::string>& names) {
    const ViewData& views = designer_->Views();
    if (Touched(names, kRobotPLChoice)) RenderChoice(CmbPL, views.Choice(kRobotPLChoice));
    for (std::size_t i = 0; i < kRobotSlots.size(); ++i)
        if (Touched(names, SlotChoice(kRobotSlots[i])))
            RenderChoice(CmbParts[i], views.Choice(SlotChoice(kRobotSlots[i])));
    for (std::size_t i = 0; i < kRobotLists.size(); ++i) {
        if (Touched(names, AvailableTable(kRobotLists[i])))
            RenderList(LstAvailable[i], views.Table(AvailableTable(kRobotLists[i])));
        if (Touched(names, SelectedTable(kRobotLists[i])))
            RenderList(LstSelected[i], views.Table(SelectedTable(kRobotLists[i])));
    }
    for (std::size_t i = 0; i < kAbilityLabels.size(); ++i)
        RenderLabel(LblAbilities[i], views.Label(kAbilityLabels[i]));
    RenderLabel(LblActionCheck, views.Label(kRobotActionCheckLabel));
    RenderLabel(LblActions, views.Label(kRobotActionsLabel));
    RenderLabel(LblActionDie, views.Label(kRobotActionDieLabel));
    RenderLabel(LblArmor, views.Label(kRobotArmorLabel));
    RenderText(EdDesignation, views.Label(kDesignationLabel));
    if (Touched(names, kRobotNotesTable)) {
        std::string text;
        for (std::size_t i = 0; i < designer_->Notes().size(); ++i)
            text += (i ? "\n" : "") + designer_->Notes()[i];
        RenderText(MemNotes, text);
    }
    const std::string& file = designer_->FileName();
    LblFileName->setText(file.empty() ? tr("Not saved yet") : ToQt(file));
}

// --- the events ---------------------------------------------------------------------------

void TFrmRobot::CmbPLChange() {
    designer_->ChoosePL(CmbPL->currentText().toStdString());
}

void TFrmRobot::CmbPartChange(std::size_t slot) {
    designer_->ChoosePart(kRobotSlots[slot], CmbParts[slot]->currentText().toStdString());
}

void TFrmRobot::LstAvailableDblClick(std::size_t list) {
    designer_->AddPart(kRobotLists[list], SelectedRow(LstAvailable[list]));
}

void TFrmRobot::LstSelectedDblClick(std::size_t list) {
    designer_->RemovePart(kRobotLists[list], SelectedRow(LstSelected[list]));
}

void TFrmRobot::Clear1Click() {
    designer_->ClearDesign();
}

void TFrmRobot::Open1Click() {
    designer_->Open();
}

void TFrmRobot::Save1Click() {
    designer_->Save();
}

void TFrmRobot::SaveAs1Click() {
    designer_->SaveAs();
}

void TFrmRobot::Export1Click() {
    designer_->Export();
}

void TFrmRobot::Exit1Click() {
    SwitchTo(CloseTo::Exit);
}

void TFrmRobot::Characters1Click() {
    SwitchTo(CloseTo::Main);
}

void TFrmRobot::Roster1Click() {
    SwitchTo(CloseTo::Roster);
}

void TFrmRobot::Ships1Click() {
    SwitchTo(CloseTo::Ships);
}

void TFrmRobot::SwitchTo(CloseTo target) {
    closeTo_ = target;
    close();
    closeTo_ = CloseTo::Main;
}

void TFrmRobot::showEvent(QShowEvent* event) {
    // Sources may have been switched in the hero builder meanwhile.
    designer_->RefreshAvailableUpgrades();
    ToolWindow::showEvent(event);
}

void TFrmRobot::closeEvent(QCloseEvent* event) {
    event->accept();
    switch (closeTo_) {
    case CloseTo::Roster:
        if (windows_.roster) return windows_.roster->show();
        break;
    case CloseTo::Ships:
        if (windows_.ships) return windows_.ships->show();
        break;
    case CloseTo::Exit:
        // The hero builder offers to save its hero; "Cancel" brings it back instead.
        if (windows_.main && windows_.main->close()) return QApplication::quit();
        break;
    case CloseTo::Main:
        break;
    }
    if (windows_.main) windows_.main->show();
}
