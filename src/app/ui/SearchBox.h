#pragma once
// A "Search" line above a catalogue list, tree or grid: it hides the entries whose name does
// not hold the text typed (letter case ignored). A tree keeps an entry shown when one of its
// children matches, and shows every child of an entry that matches. The filter follows the
// view as the page renders it again, and a selection that the filter hides is dropped, so
// that the page's buttons only ever act on an entry shown.

#include <QLineEdit>

class QAbstractItemView;
class QListWidget;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

class SearchBox : public QLineEdit {
    Q_OBJECT
public:
    // Puts a search line above the view, in the view's place in its page's layout (the view
    // must already be in it); `column` holds the names of a grid or tree.
    static SearchBox* Above(QTableWidget* grid, int column = 0);
    static SearchBox* Above(QTreeWidget* tree, int column = 0);
    // A list whose entries read "COST - NAME" (perks, flaws) is searched by the name.
    static SearchBox* Above(QListWidget* list);

    QAbstractItemView* View() const { return view_; }
    // Applies the text to every entry again.
    void Refilter();

private:
    SearchBox(QAbstractItemView* view, int column);
    void Place();
    bool Matches(const QString& name) const;
    // Applies the filter to the rows first..last of a grid or list.
    void FilterRows(int first, int last);
    // Applies the filter to an item and its children; true when it stays shown.
    bool FilterItem(QTreeWidgetItem* item, bool ancestorMatches);
    // Drops a selection the filter hid.
    void DropHiddenSelection();

    QAbstractItemView* view_;
    QTableWidget* grid_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QListWidget* list_ = nullptr;
    int column_;
};
