#pragma once
// What the pages show, kept as data: labels (a text, red or not, shown or hidden), tables
// (rows of display strings, the header row first) and choices (the entries of a drop-down
// list with the chosen one). Core's Paint operations rebuild this data; the windows only
// render it, and the hero sheet, the hero file and the command-line program read the same
// texts, so none of them can disagree with the screen.

#include <map>
#include <set>
#include <string>
#include <vector>

struct LabelView {
    std::string text;
    bool red = false;
    bool visible = true;
    bool operator==(const LabelView&) const = default;
};

using TableRow = std::vector<std::string>;
using TableView = std::vector<TableRow>;

struct ChoiceView {
    std::vector<std::string> items;
    int index = -1; // -1 = nothing chosen
    bool visible = true;
    bool enabled = true;
    std::string caption; // the label beside the choice, where it has one
    bool operator==(const ChoiceView&) const = default;

    const std::string& Chosen() const;
};

struct CheckView {
    std::string caption;
    bool checked = false;
    bool visible = true;
    bool enabled = true;
    bool operator==(const CheckView&) const = default;
};

class ViewData {
public:
    void SetLabel(const std::string& name, std::string text, bool red = false);
    void SetLabelVisible(const std::string& name, bool visible);
    void SetTable(const std::string& name, TableView rows);
    void SetChoice(const std::string& name, ChoiceView choice);
    void SetCheck(const std::string& name, CheckView check);
    // Marks a view that lives outside this store (a menu, the title) as changed.
    void Touch(const std::string& name) { changed_.insert(name); }

    // An unknown name reads as an empty view.
    const LabelView& Label(const std::string& name) const;
    const TableView& Table(const std::string& name) const;
    const ChoiceView& Choice(const std::string& name) const;
    const CheckView& Check(const std::string& name) const;

    const std::map<std::string, LabelView>& Labels() const { return labels_; }
    const std::map<std::string, TableView>& Tables() const { return tables_; }
    const std::map<std::string, ChoiceView>& Choices() const { return choices_; }
    const std::map<std::string, CheckView>& Checks() const { return checks_; }

    // The names of the views changed since the last call.
    std::set<std::string> TakeChanged();

private:
    std::map<std::string, LabelView> labels_;
    std::map<std::string, TableView> tables_;
    std::map<std::string, ChoiceView> choices_;
    std::map<std::string, CheckView> checks_;
    std::set<std::string> changed_;
};

// Told after each operation which views changed, so a window repaints only those.
class ViewObserver {
public:
    virtual ~ViewObserver() = default;
    virtual void ViewsChanged(const std::set<std::string>& names) = 0;
};
