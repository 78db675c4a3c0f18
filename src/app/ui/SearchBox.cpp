#include "app/ui/SearchBox.h"

#include <QLayout>
#include <QListWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

SearchBox::SearchBox(QAbstractItemView* view, int column)
    : QLineEdit(view->parentWidget()), view_(view), column_(column) {
    setObjectName("Search" + view->objectName());
    setPlaceholderText(tr("Search"));
    setClearButtonEnabled(true);
    setToolTip(tr("Shows only the entries whose name holds this text (Ctrl+F)"));
    connect(this, &QLineEdit::textChanged, this, [this] { Refilter(); });

    // The page renders the view again after every operation: what comes in is filtered too.
    QAbstractItemModel* model = view->model();
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (text().isEmpty()) return;
                if (tree_) {
                    Refilter();
                } else if (!parent.isValid()) {
                    FilterRows(first, last);
                }
            });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                if (text().isEmpty()) return;
                if (tree_) {
                    // The whole branch: a child's name decides whether its parents show.
                    QModelIndex root = topLeft;
                    while (root.parent().isValid())
                        root = root.parent();
                    if (QTreeWidgetItem* top = tree_->topLevelItem(root.row()))
                        FilterItem(top, false);
                    DropHiddenSelection();
                } else if (topLeft.column() <= column_ && bottomRight.column() >= column_) {
                    FilterRows(topLeft.row(), bottomRight.row());
                }
            });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { Refilter(); });
    connect(model, &QAbstractItemModel::layoutChanged, this, [this] { Refilter(); });
}

SearchBox* SearchBox::Above(QTableWidget* grid, int column) {
    auto* box = new SearchBox(grid, column);
    box->grid_ = grid;
    box->Place();
    return box;
}

SearchBox* SearchBox::Above(QTreeWidget* tree, int column) {
    auto* box = new SearchBox(tree, column);
    box->tree_ = tree;
    box->Place();
    return box;
}

SearchBox* SearchBox::Above(QListWidget* list) {
    auto* box = new SearchBox(list, 0);
    box->list_ = list;
    box->Place();
    return box;
}

void SearchBox::Place() {
    QWidget* page = view_->parentWidget();
    auto* column = new QWidget(page);
    column->setObjectName(view_->objectName() + "Column");
    column->setSizePolicy(view_->sizePolicy());
    if (QLayout* layout = page ? page->layout() : nullptr) {
        QLayoutItem* replaced = layout->replaceWidget(view_, column);
        delete replaced;
    }
    auto* stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(2);
    setParent(column);
    view_->setParent(column);
    stack->addWidget(this);
    stack->addWidget(view_, 1);
    // Tab goes from the search line to its view.
    QWidget::setTabOrder(this, view_);
    column->show();
}

bool SearchBox::Matches(const QString& name) const {
    return name.contains(text().trimmed(), Qt::CaseInsensitive);
}

void SearchBox::FilterRows(int first, int last) {
    const bool all = text().trimmed().isEmpty();
    for (int row = std::max(first, 0); row <= last; ++row) {
        if (grid_) {
            if (row >= grid_->rowCount()) break;
            const QTableWidgetItem* item = grid_->item(row, column_);
            grid_->setRowHidden(row, !all && !Matches(item ? item->text() : QString()));
        } else if (list_) {
            if (row >= list_->count()) break;
            // A list entry reads "COST - NAME": the cost is no part of the name.
            QListWidgetItem* item = list_->item(row);
            const QString text = item->text();
            const qsizetype dash = text.indexOf(QStringLiteral(" - "));
            item->setHidden(!all && !Matches(dash < 0 ? text : text.mid(dash + 3)));
        }
    }
    DropHiddenSelection();
}

bool SearchBox::FilterItem(QTreeWidgetItem* item, bool ancestorMatches) {
    const bool all = text().trimmed().isEmpty();
    const bool matches = all || ancestorMatches || Matches(item->text(column_));
    bool childShown = false;
    for (int i = 0; i < item->childCount(); ++i)
        childShown = FilterItem(item->child(i), matches) || childShown;
    // A child found by its own name is shown inside its open parent.
    if (!all && childShown && !matches) item->setExpanded(true);
    item->setHidden(!matches && !childShown);
    return matches || childShown;
}

void SearchBox::Refilter() {
    if (tree_) {
        for (int i = 0; i < tree_->topLevelItemCount(); ++i)
            FilterItem(tree_->topLevelItem(i), false);
        DropHiddenSelection();
    } else if (grid_) {
        FilterRows(0, grid_->rowCount() - 1);
    } else if (list_) {
        FilterRows(0, list_->count() - 1);
    }
}

void SearchBox::DropHiddenSelection() {
    if (tree_) {
        QTreeWidgetItem* current = tree_->currentItem();
        if (current && current->isHidden()) {
            tree_->clearSelection();
            tree_->setCurrentItem(nullptr);
        }
        return;
    }
    const QModelIndexList selected = view_->selectionModel()->selectedIndexes();
    for (const QModelIndex& index : selected) {
        const bool hidden =
            grid_ ? grid_->isRowHidden(index.row()) : list_->item(index.row())->isHidden();
        if (hidden) {
            view_->clearSelection();
            view_->setCurrentIndex({});
            return;
        }
    }
}
