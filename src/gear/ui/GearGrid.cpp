#include "gear/ui/GearGrid.h"

#include "app/ui/ViewWidgets.h"

#include <QHeaderView>
#include <QTableWidget>

QTableWidget* NewGearGrid(QWidget* parent, const QString& name, const QString& tip) {
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(name);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->setVisible(false);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setToolTip(tip);
    return grid;
}

QTableWidget* NewTwoColumnGrid(QWidget* parent, const QString& name, const QString& tip) {
    QTableWidget* grid = NewGearGrid(parent, name, tip);
    grid->setColumnCount(2);
    grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    return grid;
}

void RenderGearGrid(QTableWidget* grid, const TableView& table) {
    const int selected = grid->currentRow();
    const int columns = table.empty() ? 0 : static_cast<int>(table.front().size());
    if (grid->columnCount() != columns) grid->setColumnCount(columns);
    RenderGridCells(grid, table, columns, {});
    if (selected >= 0 && selected < grid->rowCount()) grid->selectRow(selected);
}

int SelectedGearRow(const QTableWidget* grid) {
    const auto rows = grid->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

void SelectLastGearRow(QTableWidget* grid) {
    if (grid->rowCount() == 0) return;
    grid->selectRow(grid->rowCount() - 1);
    grid->scrollToItem(grid->item(grid->rowCount() - 1, 0));
}
