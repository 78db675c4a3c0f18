#include "roster/ui/TFrmRoster.h"

#include "app/HeroBuilder.h"
#include "app/ui/AppWindows.h"
#include "app/ui/TFrmAbout.h"
#include "app/ui/TFrmMain.h"
#include "app/ui/ViewWidgets.h"
#include "robots/ui/TFrmRobot.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TFrmRoster::TFrmRoster(AppWindows& windows, HeroBuilder& builder, Prompter& prompter,
                       const AppPaths& paths, QWidget* parent)
    : ToolWindow(tr("Tavorn: Character Roster"), "TFrmRoster", parent), windows_(windows),
      builder_(builder), roster_(std::make_unique<Roster>(prompter, paths)) {
    auto* layout = new QVBoxLayout(this);
    BuildMenus();

    auto* nameRow = new QHBoxLayout;
    auto* nameLabel = new QLabel(tr("Roster &Name"), this);
    EdRosterName = new QLineEdit(this);
    EdRosterName->setObjectName("EdRosterName");
    nameLabel->setBuddy(EdRosterName);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(EdRosterName, 1);
    layout->addLayout(nameRow);
    connect(EdRosterName, &QLineEdit::textEdited, this,
            [this](const QString& text) { roster_->SetRosterName(text.toStdString()); });

    SgData = new QTableWidget(this);
    SgData->setObjectName("SgData");
    SgData->setColumnCount(static_cast<int>(kRosterHeaders.size()));
    QStringList headers;
    for (const char* header : kRosterHeaders)
        headers << header;
    SgData->setHorizontalHeaderLabels(headers);
    SgData->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SgData->setSelectionBehavior(QAbstractItemView::SelectRows);
    SgData->setSelectionMode(QAbstractItemView::SingleSelection);
    SgData->verticalHeader()->setVisible(false);
    SgData->horizontalHeader()->setSectionsClickable(true);
    SgData->horizontalHeader()->setToolTip(tr("Click a heading to sort by it"));
    SgData->setToolTip(tr("Double-click or Delete to remove an entry"));
    SgData->installEventFilter(this);
    layout->addWidget(SgData, 1);
    connect(SgData, &QTableWidget::cellDoubleClicked, this, [this] { SgDataDblClick(); });
    connect(SgData->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { roster_->SortBy(static_cast<std::size_t>(column)); });

    auto* buttons = new QHBoxLayout;
    auto button = [this, buttons](QPushButton*& target, const QString& name,
                                  const QString& caption) {
        target = new QPushButton(caption, this);
        target->setObjectName(name);
        buttons->addWidget(target);
    };
    button(CmdAdd, "CmdAdd", tr("Add &Character"));
    button(CmdCreature, "CmdCreature", tr("Add Crea&ture"));
    button(CmdRobot, "CmdRobot", tr("Add &Robot"));
    button(CmdRemove, "CmdRemove", tr("Re&move Entry"));
    buttons->addStretch(1);
    button(CmdExport, "CmdExport", tr("E&xport Roster"));
    layout->addLayout(buttons);
    connect(CmdAdd, &QPushButton::clicked, this, &TFrmRoster::CmdAddClick);
    connect(CmdCreature, &QPushButton::clicked, this, [this] { roster_->ReportNotYetEnabled(); });
    connect(CmdRobot, &QPushButton::clicked, this, &TFrmRoster::CmdRobotClick);
    connect(CmdRemove, &QPushButton::clicked, this, &TFrmRoster::SgDataDblClick);
    connect(CmdExport, &QPushButton::clicked, this, &TFrmRoster::Export1Click);

    roster_->SetObserver(this);
    ViewsChanged({});
    resize(QSize(760, 420).expandedTo(sizeHint()));
}

TFrmRoster::~TFrmRoster() {
    roster_->SetObserver(nullptr);
}

QAction* TFrmRoster::MenuAction(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void TFrmRoster::BuildMenus() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    auto add = [this](QMenu* menu, const QString& name, const QString& caption,
                      void (TFrmRoster::*slot)(), const QKeySequence& keys = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        if (!keys.isEmpty()) action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* file = bar->addMenu(tr("&File"));
    add(file, "Clear1", tr("&Clear"), &TFrmRoster::Clear1Click, QKeySequence(Qt::CTRL | Qt::Key_N));
    add(file, "Export1", tr("&Export"), &TFrmRoster::Export1Click,
        QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addSeparator();
    add(file, "Exit1", tr("E&xit"), &TFrmRoster::Exit1Click, QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* switchTo = bar->addMenu(tr("S&witch to"));
    add(switchTo, "Character1", tr("&Character"), &TFrmRoster::Character1Click);
    QAction* creature = switchTo->addAction(tr("C&reature"));
    creature->setObjectName("Creature1");
    connect(creature, &QAction::triggered, this, [this] { roster_->ReportNotYetEnabled(); });
    add(switchTo, "Robot1", tr("R&obot"), &TFrmRoster::Robot1Click);
    add(switchTo, "Ships1", tr("&Ships"), &TFrmRoster::Ships1Click);

    QAction* about = bar->addAction(tr("A&bout"));
    about->setObjectName("About1");
    connect(about, &QAction::triggered, this, [this] {
        if (windows_.about) windows_.about->exec();
    });
}

void TFrmRoster::ViewsChanged(const std::set<std::string>& names) {
    RenderText(EdRosterName, roster_->Views().Label(kRosterNameLabel));
    if (!Touched(names, kRosterTable)) return;
    const TableView& grid = roster_->Grid();
    const int selected = SgData->currentRow();
    SgData->setRowCount(static_cast<int>(grid.size()) - 1);
    for (std::size_t r = 1; r < grid.size(); ++r)
        for (std::size_t c = 0; c < grid[r].size(); ++c) {
            const int row = static_cast<int>(r) - 1, column = static_cast<int>(c);
            QTableWidgetItem* item = SgData->item(row, column);
            if (!item) SgData->setItem(row, column, item = new QTableWidgetItem);
            item->setText(ToQt(grid[r][c]));
        }
    if (selected >= SgData->rowCount()) SgData->clearSelection();
    SgData->resizeColumnsToContents();
}

bool TFrmRoster::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SgData && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        SgDataDblClick();
        return true;
    }
    return ToolWindow::eventFilter(watched, event);
}

// --- the events ---------------------------------------------------------------------------

void TFrmRoster::CmdAddClick() {
    if (!windows_.main) return;
    roster_->AddCharacter(windows_.main->Files(), builder_.Document());
}

void TFrmRoster::CmdRobotClick() {
    if (auto* robot = qobject_cast<TFrmRobot*>(windows_.robot))
        roster_->AddRobot(robot->Designer());
}

void TFrmRoster::SgDataDblClick() {
    const auto selected = SgData->selectionModel()->selectedRows();
    std::optional<std::size_t> row;
    if (!selected.isEmpty()) row = static_cast<std::size_t>(selected.front().row());
    roster_->RemoveEntry(row);
}

void TFrmRoster::Clear1Click() {
    roster_->Clear();
}

void TFrmRoster::Export1Click() {
    roster_->Export();
}

void TFrmRoster::Exit1Click() {
    SwitchTo(CloseTo::Exit);
}

void TFrmRoster::Character1Click() {
    SwitchTo(CloseTo::Main);
}

void TFrmRoster::Robot1Click() {
    SwitchTo(CloseTo::Robot);
}

void TFrmRoster::Ships1Click() {
    SwitchTo(CloseTo::Ships);
}

void TFrmRoster::SwitchTo(CloseTo target) {
    closeTo_ = target;
    close();
    closeTo_ = CloseTo::Main;
}

void TFrmRoster::closeEvent(QCloseEvent* event) {
    event->accept();
    switch (closeTo_) {
    case CloseTo::Robot:
        if (windows_.robot) return windows_.robot->show();
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
