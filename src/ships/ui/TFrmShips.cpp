#include "ships/ui/TFrmShips.h"

#include "app/ui/AppWindows.h"
#include "app/ui/TFrmAbout.h"
#include "app/ui/TFrmMain.h"
#include "app/ui/ViewWidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr std::array<const char*, 6> kSectionObjectNames{"PnlHull",   "PnlArmor", "PnlPower",
                                                         "PnlEngine", "PnlFTL",   "PnlSupport"};

// The design's lists: view, caption, and whether a double click empties it. The first four
// are in the order of ShipEntryList.
struct EntryGridSpec {
    TableName view;
    const char* caption;
    const char* objectName;
    bool clearable;
};
const std::array<EntryGridSpec, 9> kEntryGrids{{
    {kShipPowerEntries, "Power Plants", "GrdPower", true},
    {kShipEngineEntries, "Engines", "GrdEngine", true},
    {kShipFTLEntries, "FTL Drives", "GrdFTL", true},
    {kShipSupportEntries, "Command && Support", "GrdSupport", true},
    {kShipDefenseEntries, "Defense", "GrdDefense", false},
    {kShipWeaponEntries[0], "Weapons", "GrdWeapons1", false},
    {kShipWeaponEntries[1], "Weapons", "GrdWeapons2", false},
    {kShipWeaponEntries[2], "Weapons", "GrdWeapons3", false},
    {kShipSensorEntries, "Sensors", "GrdSensors", false},
}};

QTableWidget* NewGrid(QWidget* parent, const QString& objectName) {
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(objectName);
    grid->verticalHeader()->setVisible(false);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false);
    return grid;
}

// A grid showing a table view: the header row as the column titles, then the rows.
void RenderGrid(QTableWidget* grid, const TableView& table) {
    QStringList titles;
    if (!table.empty())
        for (const std::string& title : table.front())
            titles << ToQt(title);
    grid->setColumnCount(static_cast<int>(titles.size()));
    grid->setHorizontalHeaderLabels(titles);
    grid->setRowCount(table.empty() ? 0 : static_cast<int>(table.size()) - 1);
    for (std::size_t r = 1; r < table.size(); ++r)
        for (std::size_t c = 0; c < table[r].size() && c < table.front().size(); ++c)
            grid->setItem(static_cast<int>(r) - 1, static_cast<int>(c),
                          new QTableWidgetItem(ToQt(table[r][c])));
}

} // namespace

ShipNumberFormat LocaleShipFormat(const QLocale& locale) {
    ShipNumberFormat format;
    const QString point = locale.decimalPoint();
    format.decimalSeparator = point.size() == 1 ? point[0].toLatin1() : '.';
    if (format.decimalSeparator == 0) format.decimalSeparator = '.';
    // What the locale writes before and after the digits of a whole amount.
    const auto split = [&locale](qlonglong sample, std::string& prefix, std::string& suffix) {
        const QString text = locale.toCurrencyString(sample);
        int first = 0, last = static_cast<int>(text.size()) - 1;
        while (first < text.size() && !text[first].isDigit())
            ++first;
        while (last >= 0 && !text[last].isDigit())
            --last;
        if (first > last) return;
        prefix = text.left(first).toStdString();
        suffix = text.mid(last + 1).toStdString();
    };
    split(1234567, format.currency.positivePrefix, format.currency.positiveSuffix);
    split(-1234567, format.currency.negativePrefix, format.currency.negativeSuffix);
    format.currency.groupSeparator = locale.groupSeparator().toStdString();
    return format;
}

TFrmShips::TFrmShips(Prompter& prompter, const AppPaths& paths, AppWindows& windows,
                     QWidget* parent)
    : ToolWindow(tr("Tavorn Starship Manager"), "TFrmShips", parent), prompter_(prompter),
      windows_(windows),
      designer_(std::make_unique<ShipDesigner>(prompter, paths, LocaleShipFormat())) {
    auto* layout = new QVBoxLayout(this);
    BuildMenus(layout);
    layout->addWidget(BuildTop());

    LstComponents = NewGrid(this, "LstComponents");
    LstComponents->setToolTip(tr("Double-click a component, or press Enter, to add it"));
    LstComponents->installEventFilter(this);
    connect(LstComponents, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { LstComponentsDblClick(row); });
    layout->addWidget(LstComponents, 3);
    layout->addWidget(BuildDesign(), 2);

    designer_->SetObserver(this);
    ViewsChanged({});
    QSize size(1150, 780);
    if (const QScreen* display = screen())
        size = size.boundedTo(display->availableGeometry().size() - QSize(40, 60));
    resize(size);
}

TFrmShips::~TFrmShips() {
    designer_->SetObserver(nullptr);
}

void TFrmShips::BuildMenus(QVBoxLayout* layout) {
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    auto addAction = [this](QMenu* menu, const QString& name, const QString& caption,
                            void (TFrmShips::*slot)(), const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        if (!shortcut.isEmpty()) action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName("File1");
    addAction(file, "Clear1", tr("&Clear"), &TFrmShips::Clear1Click,
              QKeySequence(Qt::CTRL | Qt::Key_N));
    file->addSeparator();
    addAction(file, "Exit1", tr("E&xit"), &TFrmShips::Character1Click,
              QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* switchTo = bar->addMenu(tr("S&witch to"));
    switchTo->setObjectName("SwitchTo1");
    addAction(switchTo, "Character1", tr("&Character"), &TFrmShips::Character1Click);
    addAction(switchTo, "Roster1", tr("&Roster"), &TFrmShips::Roster1Click);
    addAction(switchTo, "Creature1", tr("Cr&eature"), &TFrmShips::Creature1Click);
    addAction(switchTo, "Robot1", tr("R&obot"), &TFrmShips::Robot1Click);

    QAction* about = bar->addAction(tr("&About"));
    about->setObjectName("About1");
    connect(about, &QAction::triggered, this, &TFrmShips::About1Click);
}

QWidget* TFrmShips::BuildTop() {
    // The sections and the field above, the filter's boxes below.
    auto* top = new QWidget(this);
    auto* rows = new QVBoxLayout(top);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);

    sections_ = new QButtonGroup(this);
    sections_->setExclusive(true);
    for (std::size_t i = 0; i < kShipSectionCaptions.size(); ++i) {
        const QString caption = QString::fromUtf8(kShipSectionCaptions[i].data(),
                                                  static_cast<int>(kShipSectionCaptions[i].size()));
        auto* button = new QPushButton(QString(caption).replace('&', "&&"), top);
        button->setObjectName(kSectionObjectNames[i]);
        button->setCheckable(true);
        sections_->addButton(button, static_cast<int>(i));
        row->addWidget(button);
    }
    connect(sections_, &QButtonGroup::idClicked, this,
            [this](int id) { SectionClick(static_cast<ShipSection>(id)); });

    row->addSpacing(12);
    LblHullPoints = new QLabel(tr("Hull\n&Points"), top);
    LblHullPoints->setObjectName("LblHullPointsCaption");
    row->addWidget(LblHullPoints);
    EdHullPoints = new QLineEdit(top);
    EdHullPoints->setObjectName("EdHullPoints");
    EdHullPoints->setMaximumWidth(80);
    EdHullPoints->setToolTip(tr("Hull points given to the next component added"));
    LblHullPoints->setBuddy(EdHullPoints);
    connect(EdHullPoints, &QLineEdit::textEdited, this,
            [this](const QString& text) { designer_->SetHullPointsText(text.toStdString()); });
    row->addWidget(EdHullPoints);
    row->addStretch(1);
    // Shown and hidden with the section; the row keeps its place and height.
    for (QWidget* widget :
         {static_cast<QWidget*>(LblHullPoints), static_cast<QWidget*>(EdHullPoints)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }

    auto* filters = new QHBoxLayout;
    rows->addLayout(filters);

    auto* levels = new QGroupBox(tr("PL"), top);
    auto* levelRow = new QHBoxLayout(levels);
    for (std::size_t i = 0; i < CbPL.size(); ++i) {
        const int pl = kLowestShipPL + static_cast<int>(i);
        CbPL[i] = new QCheckBox(QString::number(pl), levels);
        CbPL[i]->setObjectName(QString("CbPL%1").arg(pl));
        CbPL[i]->setToolTip(tr("Progress Level %1").arg(pl));
        connect(CbPL[i], &QCheckBox::clicked, this,
                [this, pl](bool ticked) { designer_->SetPLBox(pl, ticked); });
        levelRow->addWidget(CbPL[i]);
    }
    filters->addWidget(levels);

    auto* tracks = new QGroupBox(tr("Tech"), top);
    auto* trackRow = new QHBoxLayout(tracks);
    for (std::size_t i = 0; i < CbTech.size(); ++i) {
        const TechTrack& track = kTechTracks[i];
        CbTech[i] = new QCheckBox(QString(QChar(track.letter)), tracks);
        CbTech[i]->setObjectName(QString("CbTech") + QChar(track.letter));
        CbTech[i]->setToolTip(
            QString::fromUtf8(track.hint.data(), static_cast<int>(track.hint.size())));
        connect(CbTech[i], &QCheckBox::clicked, this, [this, letter = track.letter](bool ticked) {
            designer_->SetTechBox(letter, ticked);
        });
        trackRow->addWidget(CbTech[i]);
    }
    filters->addWidget(tracks);
    filters->addStretch(1);
    return top;
}

QWidget* TFrmShips::BuildDesign() {
    auto* design = new QWidget(this);
    auto* row = new QHBoxLayout(design);
    row->setContentsMargins(0, 0, 0, 0);

    // The hull, the armor and the totals: caption, value; "" for a caption of its own row.
    auto* summary = new QGroupBox(tr("Design"), design);
    auto* grid = new QGridLayout(summary);
    const auto value = [this, summary](LabelName name) {
        auto* label = new QLabel(summary);
        label->setObjectName("Lbl" + ToQt(name.Key()));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        labels_[name.Key()] = label;
        return label;
    };
    const auto caption = [summary](const QString& text) {
        auto* label = new QLabel(text, summary);
        return label;
    };
    grid->addWidget(caption(tr("Hull")), 0, 0);
    grid->addWidget(value(kShipHullName), 0, 1, 1, 7);
    const std::array<std::pair<const char*, LabelName>, 4> durability{
        {{"Stun", kShipStun}, {"Wnd", kShipWound}, {"Mtl", kShipMortal}, {"Crit", kShipCrit}}};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(caption(tr(durability[i].first)), 1, 2 * i);
        grid->addWidget(value(durability[i].second), 1, 2 * i + 1);
    }
    grid->addWidget(caption(tr("Armor")), 2, 0);
    grid->addWidget(value(kShipArmorName), 2, 1, 1, 7);
    const std::array<std::pair<const char*, LabelName>, 4> protection{
        {{"LI", kShipArmorLI},
         {"HI", kShipArmorHI},
         {"En", kShipArmorEn},
         {"Hull", kShipArmorPercent}}};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(caption(tr(protection[i].first)), 3, 2 * i);
        grid->addWidget(value(protection[i].second), 3, 2 * i + 1);
    }
    const std::array<std::pair<const char*, LabelName>, 6> totals{{
        {"Hull Points", kShipHullPoints},
        {"Used", kShipHullPointsUsed},
        {"Armor HP", kShipArmorHullPoints},
        {"Power", kShipPower},
        {"Net Power", kShipNetPower},
        {"Cost", kShipCost},
    }};
    for (int i = 0; i < 6; ++i) {
        grid->addWidget(caption(tr(totals[i].first)), 4 + i / 2, 4 * (i % 2), 1, 2);
        grid->addWidget(value(totals[i].second), 4 + i / 2, 4 * (i % 2) + 2, 1, 2);
    }
    labels_[kShipCost.Key()]->setStyleSheet("font-weight: bold;");
    grid->setRowStretch(7, 1);
    // The lists beside it give way to long names and costs.
    row->addWidget(summary);

    // The design's lists, three by three.
    auto* lists = new QWidget(design);
    auto* listGrid = new QGridLayout(lists);
    listGrid->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < kEntryGrids.size(); ++i) {
        const EntryGridSpec& spec = kEntryGrids[i];
        auto* box = new QWidget(lists);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->setContentsMargins(0, 0, 0, 0);
        boxLayout->setSpacing(1);
        auto* title = new QLabel(QString(spec.caption).replace("&&", "&"), box);
        boxLayout->addWidget(title);
        QTableWidget* entries = NewGrid(box, spec.objectName);
        // Narrow lists cut the description short rather than scroll sideways.
        entries->horizontalHeader()->setStretchLastSection(true);
        entries->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        entries->horizontalHeader()->setMinimumSectionSize(24);
        entries->setMinimumHeight(70);
        boxLayout->addWidget(entries);
        entryGrids_[spec.view.Key()] = entries;
        if (spec.clearable) {
            entries->setToolTip(tr("Double-click the list, or press Delete, to clear it"));
            entries->installEventFilter(this);
            entries->viewport()->installEventFilter(this);
        } else {
            entries->setEnabled(false);
        }
        listGrid->addWidget(box, static_cast<int>(i / 3), static_cast<int>(i % 3));
    }
    row->addWidget(lists, 1);
    return design;
}

QTableWidget* TFrmShips::EntryList(ShipEntryList list) const {
    return entryGrids_.at(kEntryGrids[static_cast<std::size_t>(list)].view.Key());
}

QAction* TFrmShips::MenuAction(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void TFrmShips::ViewsChanged(const std::set<std::string>& names) {
    const ViewData& views = designer_->Views();
    for (const auto& [name, label] : labels_)
        if (names.empty() || names.count(name)) RenderLabel(label, views.LabelNamed(name));

    const auto section = static_cast<std::size_t>(designer_->Section());
    if (QAbstractButton* button = sections_->button(static_cast<int>(section)))
        button->setChecked(true);
    const TableName shown = kShipComponentTables[section];
    if (Touched(names, kShipSectionShown) || Touched(names, shown)) {
        RenderGrid(LstComponents, views.Table(shown));
        LstComponents->resizeColumnsToContents();
    }

    const LabelView& field = views.Label(kShipHullPointsField);
    RenderText(EdHullPoints, field);
    EdHullPoints->setVisible(field.visible);
    LblHullPoints->setVisible(field.visible);

    for (std::size_t i = 0; i < CbPL.size(); ++i)
        RenderCheck(CbPL[i], views.Check(kShipPLChecks[i]));
    for (std::size_t i = 0; i < CbTech.size(); ++i)
        RenderCheck(CbTech[i], views.Check(kShipTechChecks[i]));

    for (const auto& [name, grid] : entryGrids_) {
        if (!names.empty() && !names.count(name)) continue;
        RenderGrid(grid, views.TableNamed(name));
        grid->resizeColumnToContents(0);
        grid->resizeColumnToContents(1);
    }
}

void TFrmShips::SectionClick(ShipSection section) {
    if (!designer_->ChooseSection(section)) {
        ViewsChanged({}); // the button of the section still shown
        return;
    }
    if (EdHullPoints->isVisible()) {
        EdHullPoints->setFocus();
        EdHullPoints->selectAll();
    }
}

void TFrmShips::LstComponentsDblClick(int row) {
    if (row >= 0) designer_->AddComponent(static_cast<std::size_t>(row));
}

void TFrmShips::EntryListDblClick(ShipEntryList list) {
    designer_->ClearEntries(list);
}

void TFrmShips::Clear1Click() {
    designer_->ClearDesign();
}

void TFrmShips::Character1Click() {
    close();
}

void TFrmShips::SwitchTo(QWidget* window) {
    if (!window) return;
    window->show();
    hide();
}

void TFrmShips::Roster1Click() {
    SwitchTo(windows_.roster);
}

void TFrmShips::Robot1Click() {
    SwitchTo(windows_.robot);
}

void TFrmShips::Creature1Click() {
    designer_->ReportNotYetEnabled();
}

void TFrmShips::About1Click() {
    if (windows_.about) windows_.about->exec();
}

void TFrmShips::done(int result) {
    ToolWindow::done(result);
    if (windows_.main) windows_.main->show();
}

bool TFrmShips::eventFilter(QObject* watched, QEvent* event) {
    const bool keyPress = event->type() == QEvent::KeyPress;
    const int key = keyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
    if (watched == LstComponents && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        LstComponentsDblClick(LstComponents->currentRow());
        return true;
    }
    // A double click anywhere on a list of the design (rows or the space below them), or
    // Delete in it.
    for (std::size_t i = 0; i < 4; ++i) {
        const auto list = static_cast<ShipEntryList>(i);
        QTableWidget* grid = EntryList(list);
        if ((watched == grid->viewport() && event->type() == QEvent::MouseButtonDblClick) ||
            (watched == grid && key == Qt::Key_Delete)) {
            EntryListDblClick(list);
            return true;
        }
    }
    return ToolWindow::eventFilter(watched, event);
}
