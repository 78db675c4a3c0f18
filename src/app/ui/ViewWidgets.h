#pragma once
// Rendering the builder's views into widgets, without echoing the change back as an event.

#include "app/ViewData.h"

#include <QString>
#include <set>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;
class QWidget;

inline QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

void RenderLabel(QLabel* label, const LabelView& view);
void RenderText(QLineEdit* edit, const LabelView& view);
void RenderText(QPlainTextEdit* edit, const std::string& text);
void RenderChoice(QComboBox* combo, const ChoiceView& view);
// A drop-down list as wide as `characters` characters whatever its entries, so the page does
// not shift when the list is filled again; longer entries show whole in the open list.
QComboBox* NewChoice(QWidget* parent, const QString& objectName, int characters);
void RenderCheck(QCheckBox* check, const CheckView& view);
// Shows a table view in a grid, its first row as the column headings and at most `columns`
// columns. Only the cells whose text changed are set, and rows come and go at the end, so a
// change of one row repaints that row; new cells after the first column take `alignment`
// (none: the grid's own).
void RenderGridCells(QTableWidget* grid, const TableView& table, int columns,
                     Qt::Alignment alignment = {});
// The table as lines of text, one row per line, cells joined by `separator`.
QString TableText(const TableView& table, const QString& separator = QStringLiteral("  "));

// A page of the main window that shows part of the views.
class ViewPage {
public:
    virtual ~ViewPage() = default;
    // Repaints what depends on the named views; an empty set repaints everything.
    virtual void Render(const ViewData& views, const std::set<std::string>& changed) = 0;
};

// True when the view is among the changed views (or everything is to be repainted).
template <class Kind> bool Touched(const std::set<std::string>& changed, ViewName<Kind> view) {
    return changed.empty() || changed.count(view.Key()) > 0;
}
