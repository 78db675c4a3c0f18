#include "skills/ui/SkillsPage.h"

#include "app/HeroBuilder.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

SkillsPage::SkillsPage(HeroBuilder& builder, QWidget* parent) : QWidget(parent), builder_(builder) {
    setObjectName("PageSkills");
    auto* layout = new QVBoxLayout(this);

    auto* budget = new QGridLayout;
    budget->addWidget(new QLabel(tr("Skill Points Available:"), this), 0, 0);
    LblSkillPoints = new QLabel(this);
    LblSkillPoints->setObjectName("LblSkillPoints");
    budget->addWidget(LblSkillPoints, 0, 1);
    budget->addWidget(new QLabel(tr("Broad Skills Available:"), this), 1, 0);
    LblBroadSkills = new QLabel(this);
    LblBroadSkills->setObjectName("LblBroadSkills");
    budget->addWidget(LblBroadSkills, 1, 1);
    budget->setColumnStretch(2, 1);
    layout->addLayout(budget);

    auto* row = new QHBoxLayout;
    TvSkills = new QTreeWidget(this);
    TvSkills->setObjectName("TvSkills");
    TvSkills->setHeaderHidden(true);
    TvSkills->setToolTip(tr("Double-click a skill, or press Enter on it, to buy it"));
    TvSkills->installEventFilter(this);
    connect(TvSkills, &QTreeWidget::itemDoubleClicked, this, [this] { Buy(); });
    row->addWidget(TvSkills, 2);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    auto button = [&](const QString& caption, const QString& name, const QString& tip) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setMaximumWidth(36);
        buttons->addWidget(b);
        return b;
    };
    CmdSkillAdd = button("<", "CmdSkillAdd", tr("Buy the skill selected in the tree"));
    CmdSkillUp = button("+", "CmdSkillUp", tr("Raise the selected skill one rank"));
    CmdSkillDn = button("-", "CmdSkillDn", tr("Lower the selected skill one rank"));
    CmdSkillRem = button(">", "CmdSkillRem", tr("Remove the selected skill (Delete)"));
    buttons->addStretch(1);
    connect(CmdSkillAdd, &QPushButton::clicked, this, [this] { Buy(); });
    connect(CmdSkillUp, &QPushButton::clicked, this, [this] { Raise(); });
    connect(CmdSkillDn, &QPushButton::clicked, this, [this] { Lower(); });
    connect(CmdSkillRem, &QPushButton::clicked, this, [this] { Remove(); });
    row->addLayout(buttons);

    GridSkills = new QTableWidget(this);
    GridSkills->setObjectName("GridSkills");
    GridSkills->setColumnCount(6);
    GridSkills->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridSkills->setSelectionMode(QAbstractItemView::SingleSelection);
    GridSkills->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridSkills->verticalHeader()->setVisible(false);
    GridSkills->horizontalHeader()->setMinimumSectionSize(40);
    GridSkills->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    GridSkills->installEventFilter(this);
    row->addWidget(GridSkills, 3);
    layout->addLayout(row, 1);
}

int SkillsPage::SelectedNode() const {
    QTreeWidgetItem* item = TvSkills->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

int SkillsPage::SelectedRow() const {
    const auto rows = GridSkills->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

void SkillsPage::Buy() {
    const int node = SelectedNode();
    if (node < 0) return;
    const int row = builder_.Skills().BuySkill(node);
    if (row > 0)
        GridSkills->selectRow(row - 1);
    else
        GridSkills->clearSelection();
}

void SkillsPage::AfterRankChange(int row, int scroll) {
    if (row > 0) GridSkills->selectRow(row - 1);
    GridSkills->verticalScrollBar()->setValue(scroll);
}

void SkillsPage::Raise() {
    const int row = SelectedRow();
    const int scroll = GridSkills->verticalScrollBar()->value();
    builder_.Skills().RaiseRowRank(row);
    AfterRankChange(row, scroll);
}

void SkillsPage::Lower() {
    const int row = SelectedRow();
    const int scroll = GridSkills->verticalScrollBar()->value();
    builder_.Skills().LowerRowRank(row);
    AfterRankChange(row, scroll);
}

void SkillsPage::Remove() {
    const int row = SelectedRow();
    // Core's RemoveSkill passes over a missing row without a word, unlike raising and
    // lowering; until it says this itself, the page does.
    builder_.Skills().RemoveSkill(row);
}

bool SkillsPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == TvSkills && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        Buy();
        return true;
    }
    if (watched == GridSkills) {
        if (key->text() == "+") {
            Raise();
            return true;
        }
        if (key->text() == "-") {
            Lower();
            return true;
        }
        if (key->key() == Qt::Key_Delete) {
            Remove();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SkillsPage::Render(const ViewData& views, const std::set<std::string>& changed) {
    if (Touched(changed, kSkillPointsLabel))
        RenderLabel(LblSkillPoints, views.Label(kSkillPointsLabel));
    if (Touched(changed, kBroadSkillsLabel))
        RenderLabel(LblBroadSkills, views.Label(kBroadSkillsLabel));
    if (Touched(changed, kSkillTree)) {
        const TableView& tree = views.Table(kSkillTree);
        const int current = SelectedNode();
        TvSkills->clear();
        QTreeWidgetItem* top = nullptr;
        QTreeWidgetItem* currentItem = nullptr;
        for (int i = 0; i < static_cast<int>(tree.size()); ++i) {
            const TableRow& node = tree[static_cast<std::size_t>(i)];
            const bool child = node.size() > 0 && node[0] == "1" && top;
            auto* item = child ? new QTreeWidgetItem(top) : new QTreeWidgetItem(TvSkills);
            item->setText(0, ToQt(node.size() > 1 ? node[1] : std::string()));
            item->setData(0, Qt::UserRole, i);
            if (!child) top = item;
            if (i == current) currentItem = item;
        }
        if (currentItem) TvSkills->setCurrentItem(currentItem);
    }
    if (Touched(changed, kSkillTable)) {
        const TableView& table = views.Table(kSkillTable);
        const int selected = SelectedRow();
        GridSkills->setRowCount(table.empty() ? 0 : static_cast<int>(table.size()) - 1);
        for (int r = 0; r < static_cast<int>(table.size()); ++r) {
            const TableRow& cells = table[static_cast<std::size_t>(r)];
            for (int c = 0; c < static_cast<int>(cells.size()) && c < 6; ++c) {
                const QString text = ToQt(cells[static_cast<std::size_t>(c)]);
                if (r == 0) {
                    GridSkills->setHorizontalHeaderItem(c, new QTableWidgetItem(text));
                } else {
                    auto* item = new QTableWidgetItem(text);
                    if (c > 0) item->setTextAlignment(Qt::AlignCenter);
                    GridSkills->setItem(r - 1, c, item);
                }
            }
        }
        GridSkills->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        if (selected > 0 && selected < static_cast<int>(table.size()))
            GridSkills->selectRow(selected - 1);
    }
}
