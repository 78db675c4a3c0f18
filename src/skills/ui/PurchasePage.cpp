#include "skills/ui/PurchasePage.h"

#include "app/ui/SearchBox.h"
#include "skills/SkillBudget.h"

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

PurchasePage::PurchasePage(PurchasePageSetup setup, QWidget* parent)
    : QWidget(parent), setup_(std::move(setup)) {
    setObjectName("Page" + setup_.name);
    auto* layout = new QVBoxLayout(this);
    if (!setup_.title.isEmpty()) {
        auto* title = new QLabel(setup_.title, this);
        QFont font = title->font();
        font.setBold(true);
        font.setPointSize(font.pointSize() + 4);
        title->setFont(font);
        layout->addWidget(title);
    }

    auto* budget = new QGridLayout;
    budget->addWidget(new QLabel(tr("Skill Points Available:"), this), 0, 0);
    LblSkillPoints = new QLabel(this);
    LblSkillPoints->setObjectName(setup_.prefix.isEmpty() ? "LblSkillPoints"
                                                          : "Lbl" + setup_.prefix + "SkillPoints");
    budget->addWidget(LblSkillPoints, 0, 1);
    budget->addWidget(new QLabel(tr("Broad Skills Available:"), this), 1, 0);
    LblBroadSkills = new QLabel(this);
    LblBroadSkills->setObjectName(setup_.prefix.isEmpty() ? "LblBroadSkills"
                                                          : "Lbl" + setup_.prefix + "BroadSkills");
    budget->addWidget(LblBroadSkills, 1, 1);
    // Room for the longest budget text, so that a growing number is never cut off.
    const int budgetWidth = LblSkillPoints->fontMetrics().horizontalAdvance(
        QStringLiteral("-0000  [0000 used of 0000]"));
    LblSkillPoints->setMinimumWidth(budgetWidth);
    LblBroadSkills->setMinimumWidth(budgetWidth);
    budget->setColumnStretch(2, 1);
    layout->addLayout(budget);

    auto* row = new QHBoxLayout;
    Tree = new QTreeWidget(this);
    Tree->setObjectName("Tv" + setup_.name);
    Tree->setHeaderHidden(true);
    Tree->setToolTip(tr("Double-click an entry, or press Enter on it, to buy it"));
    Tree->installEventFilter(this);
    connect(Tree, &QTreeWidget::itemDoubleClicked, this, [this] { Buy(); });
    row->addWidget(Tree, 2);

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
    CmdAdd = button("<", "Cmd" + setup_.prefix + "Add", tr("Buy the entry selected in the tree"));
    CmdUp = button("+", "Cmd" + setup_.prefix + "Up", tr("Raise the selected row one rank"));
    CmdDn = button("-", "Cmd" + setup_.prefix + "Dn", tr("Lower the selected row one rank"));
    CmdRem = button(">", "Cmd" + setup_.prefix + "Rem", tr("Remove the selected row (Delete)"));
    buttons->addStretch(1);
    connect(CmdAdd, &QPushButton::clicked, this, [this] { Buy(); });
    connect(CmdUp, &QPushButton::clicked, this, [this] { Raise(); });
    connect(CmdDn, &QPushButton::clicked, this, [this] { Lower(); });
    connect(CmdRem, &QPushButton::clicked, this, [this] { Remove(); });
    row->addLayout(buttons);

    Grid = new QTableWidget(this);
    Grid->setObjectName("Grid" + setup_.name);
    Grid->setColumnCount(6);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->verticalHeader()->setVisible(false);
    Grid->horizontalHeader()->setMinimumSectionSize(40);
    Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Grid->installEventFilter(this);
    row->addWidget(Grid, 3);
    layout->addLayout(row, 1);
    SearchBox::Above(Tree);
}

int PurchasePage::SelectedNode() const {
    QTreeWidgetItem* item = Tree->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

int PurchasePage::SelectedRow() const {
    const auto rows = Grid->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

void PurchasePage::Buy() {
    const int node = SelectedNode();
    if (node < 0) return;
    const int row = setup_.buy(node);
    if (row > 0)
        Grid->selectRow(row - 1);
    else
        Grid->clearSelection();
}

void PurchasePage::AfterRankChange(int row, int scroll) {
    if (row > 0) Grid->selectRow(row - 1);
    Grid->verticalScrollBar()->setValue(scroll);
}

void PurchasePage::Raise() {
    const int row = SelectedRow();
    const int scroll = Grid->verticalScrollBar()->value();
    setup_.raise(row);
    AfterRankChange(row, scroll);
}

void PurchasePage::Lower() {
    const int row = SelectedRow();
    const int scroll = Grid->verticalScrollBar()->value();
    setup_.lower(row);
    AfterRankChange(row, scroll);
}

void PurchasePage::Remove() {
    const int row = SelectedRow();
    setup_.remove(row);
}

bool PurchasePage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == Tree && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        Buy();
        return true;
    }
    if (watched == Grid) {
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

void PurchasePage::Render(const ViewData& views, const std::set<std::string>& changed) {
    if (Touched(changed, kSkillPointsLabel))
        RenderLabel(LblSkillPoints, views.Label(kSkillPointsLabel));
    if (Touched(changed, kBroadSkillsLabel))
        RenderLabel(LblBroadSkills, views.Label(kBroadSkillsLabel));
    if (Touched(changed, setup_.tree)) {
        const TableView& tree = views.Table(setup_.tree);
        const int current = SelectedNode();
        Tree->clear();
        QTreeWidgetItem* top = nullptr;
        QTreeWidgetItem* currentItem = nullptr;
        for (int i = 0; i < static_cast<int>(tree.size()); ++i) {
            const TableRow& node = tree[static_cast<std::size_t>(i)];
            const bool child = node.size() > 0 && node[0] == "1" && top;
            auto* item = child ? new QTreeWidgetItem(top) : new QTreeWidgetItem(Tree);
            item->setText(0, ToQt(node.size() > 1 ? node[1] : std::string()));
            item->setData(0, Qt::UserRole, i);
            if (!child) top = item;
            if (i == current) currentItem = item;
        }
        if (currentItem) Tree->setCurrentItem(currentItem);
    }
    if (Touched(changed, setup_.table)) {
        const TableView& table = views.Table(setup_.table);
        const int selected = SelectedRow();
        // Only the rows that changed are set again: the rest keep their cells.
        RenderGridCells(Grid, table, 6, Qt::AlignCenter);
        Grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        if (selected > 0 && selected < static_cast<int>(table.size()))
            Grid->selectRow(selected - 1);
    }
}
