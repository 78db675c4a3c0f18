#include "gear/ui/MutationsPage.h"

#include "app/HeroBuilder.h"
#include "app/ui/SearchBox.h"
#include "gear/ui/GearGrid.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>

namespace {
// Renders a table whose first row is its header.
void RenderGrid(QTableWidget* grid, const TableView& table) {
    const int selected = grid->currentRow();
    grid->setRowCount(table.empty() ? 0 : static_cast<int>(table.size()) - 1);
    for (int r = 0; r < static_cast<int>(table.size()); ++r)
        for (int c = 0; c < 2 && c < static_cast<int>(table[static_cast<std::size_t>(r)].size());
             ++c) {
            const QString text =
                ToQt(table[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
            if (r == 0) {
                grid->setHorizontalHeaderItem(c, new QTableWidgetItem(text));
                continue;
            }
            auto* item = new QTableWidgetItem(text);
            if (c == 0) item->setTextAlignment(Qt::AlignCenter);
            grid->setItem(r - 1, c, item);
        }
    if (selected >= 0 && selected < grid->rowCount()) grid->selectRow(selected);
}

int SelectedRow(const QTableWidget* grid) {
    const auto rows = grid->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}
} // namespace

MutationsPage::MutationsPage(HeroBuilder& builder, QWidget* parent)
    : QWidget(parent), builder_(builder) {
    setObjectName("PageMutations");
    auto* layout = new QGridLayout(this);
    const QString take = tr("Double-click a mutation, or press Enter on it, to take it");
    const QString giveUp =
        tr("Double-click a taken mutation, or press Delete on it, to give it up");
    SgAdvantages = NewTwoColumnGrid(this, "SgAdvantages", take);
    SgDrawbacks = NewTwoColumnGrid(this, "SgDrawbacks", take);
    SgSelAdvantages = NewTwoColumnGrid(this, "SgSelAdvantages", giveUp);
    SgSelDrawbacks = NewTwoColumnGrid(this, "SgSelDrawbacks", giveUp);
    const auto heading = [&](const QString& text, QTableWidget* buddy, int row, int column) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        layout->addWidget(label, row, column);
        layout->addWidget(buddy, row + 1, column);
    };
    heading(tr("&Advantageous Mutations:"), SgAdvantages, 0, 0);
    heading(tr("Mutational &Drawbacks:"), SgDrawbacks, 2, 0);
    heading(tr("Selected Mutations:"), SgSelAdvantages, 0, 1);
    heading(tr("Selected Drawbacks:"), SgSelDrawbacks, 2, 1);
    for (QTableWidget* grid : {SgAdvantages, SgDrawbacks, SgSelAdvantages, SgSelDrawbacks}) {
        grid->installEventFilter(this);
        connect(grid, &QTableWidget::cellDoubleClicked, this, [this, grid] { Activate(grid); });
    }
    // The names stand in the second column.
    SearchBox::Above(SgAdvantages, 1);
    SearchBox::Above(SgDrawbacks, 1);
}

void MutationsPage::Activate(QTableWidget* grid) {
    const int row = SelectedRow(grid);
    Mutations& mutations = builder_.Mutants();
    if (grid == SgAdvantages)
        mutations.TakeMutation(MutationKind::Advantage, row);
    else if (grid == SgDrawbacks)
        mutations.TakeMutation(MutationKind::Drawback, row);
    else if (grid == SgSelAdvantages)
        mutations.GiveUpMutation(MutationKind::Advantage, row);
    else
        mutations.GiveUpMutation(MutationKind::Drawback, row);
}

bool MutationsPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* grid = qobject_cast<QTableWidget*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool offered = grid == SgAdvantages || grid == SgDrawbacks;
        if (grid && ((offered && (key == Qt::Key_Return || key == Qt::Key_Enter)) ||
                     (!offered && key == Qt::Key_Delete))) {
            Activate(grid);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MutationsPage::Render(const ViewData& views, const std::set<std::string>& changed) {
    const std::pair<QTableWidget*, TableName> grids[] = {{SgAdvantages, kOfferedAdvantagesTable},
                                                         {SgDrawbacks, kOfferedDrawbacksTable},
                                                         {SgSelAdvantages, kAdvantagesTable},
                                                         {SgSelDrawbacks, kDrawbacksTable}};
    for (const auto& [grid, name] : grids)
        if (Touched(changed, name)) RenderGrid(grid, views.Table(name));
}
