#pragma once
// The read-only grids of the equipment, combat and cyberware pages: a table view whose first
// row is the header, one selected row at a time.

#include "app/ViewData.h"

#include <QString>

class QTableWidget;
class QWidget;

QTableWidget* NewGearGrid(QWidget* parent, const QString& name, const QString& tip);
// A grid of two columns: a number sized to its contents, then a text taking the rest.
QTableWidget* NewTwoColumnGrid(QWidget* parent, const QString& name, const QString& tip);
// Renders the table, keeping the selected row where it still exists.
void RenderGearGrid(QTableWidget* grid, const TableView& table);
// The selected row counted from 1, or 0 when none is selected.
int SelectedGearRow(const QTableWidget* grid);
// Selects and shows the last row (an item just added).
void SelectLastGearRow(QTableWidget* grid);
