#include "app/ui/ViewWidgets.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>

void RenderLabel(QLabel* label, const LabelView& view) {
    label->setText(ToQt(view.text));
    label->setStyleSheet(view.red ? QStringLiteral("color: red;") : QString());
    label->setVisible(view.visible);
}

void RenderText(QLineEdit* edit, const LabelView& view) {
    const QString text = ToQt(view.text);
    if (edit->text() == text) return;
    const QSignalBlocker blocker(edit);
    edit->setText(text);
}

void RenderText(QPlainTextEdit* edit, const std::string& text) {
    const QString qtext = ToQt(text);
    if (edit->toPlainText() == qtext) return;
    const QSignalBlocker blocker(edit);
    edit->setPlainText(qtext);
}

void RenderChoice(QComboBox* combo, const ChoiceView& view) {
    const QSignalBlocker blocker(combo);
    QStringList items;
    for (const auto& item : view.items)
        items << ToQt(item);
    bool same = combo->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i)
        same = combo->itemText(i) == items[i];
    if (!same) {
        combo->clear();
        combo->addItems(items);
        // The box keeps its width; the open list is wide enough for the longest entry.
        int widest = 0;
        for (const QString& item : items)
            widest = std::max(widest, combo->fontMetrics().horizontalAdvance(item));
        const int margins = combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                            2 * combo->fontMetrics().averageCharWidth();
        combo->view()->setMinimumWidth(widest + margins);
    }
    combo->setCurrentIndex(view.index);
    combo->setVisible(view.visible);
    combo->setEnabled(view.enabled);
}

QComboBox* NewChoice(QWidget* parent, const QString& objectName, int characters) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(characters);
    combo->view()->setTextElideMode(Qt::ElideNone);
    return combo;
}

void RenderCheck(QCheckBox* check, const CheckView& view) {
    const QSignalBlocker blocker(check);
    check->setText(ToQt(view.caption));
    check->setChecked(view.checked);
    check->setVisible(view.visible);
    check->setEnabled(view.enabled);
}

QString TableText(const TableView& table, const QString& separator) {
    QStringList lines;
    for (const auto& row : table) {
        QStringList cells;
        for (const auto& cell : row)
            cells << ToQt(cell);
        lines << cells.join(separator);
    }
    return lines.join('\n');
}

void RenderGridCells(QTableWidget* grid, const TableView& table, int columns,
                     Qt::Alignment alignment) {
    // A column sized to its contents would measure every row again at each cell written; the
    // columns are held still while the cells change and measured once at the end.
    QHeaderView* header = grid->horizontalHeader();
    std::vector<int> measured;
    for (int c = 0; c < header->count(); ++c)
        if (header->sectionResizeMode(c) == QHeaderView::ResizeToContents) {
            measured.push_back(c);
            header->setSectionResizeMode(c, QHeaderView::Interactive);
        }
    const int rows = table.empty() ? 0 : static_cast<int>(table.size()) - 1;
    if (grid->rowCount() != rows) grid->setRowCount(rows);
    for (int r = 0; r < static_cast<int>(table.size()); ++r) {
        const TableRow& cells = table[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(cells.size()) && c < columns; ++c) {
            const QString text = ToQt(cells[static_cast<std::size_t>(c)]);
            if (r == 0) {
                const QTableWidgetItem* heading = grid->horizontalHeaderItem(c);
                if (!heading || heading->text() != text)
                    grid->setHorizontalHeaderItem(c, new QTableWidgetItem(text));
                continue;
            }
            if (QTableWidgetItem* item = grid->item(r - 1, c)) {
                if (item->text() != text) item->setText(text);
                continue;
            }
            auto* item = new QTableWidgetItem(text);
            if (c > 0 && alignment) item->setTextAlignment(alignment);
            grid->setItem(r - 1, c, item);
        }
    }
    for (int c : measured)
        header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
}
