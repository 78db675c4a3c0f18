#pragma once
// What the pages show, kept as data: labels (a text, red or not, shown or hidden), tables
// (rows of display strings, the header row first) and choices (the entries of a drop-down
// list with the chosen one). Core's Paint operations rebuild this data; the windows only
// render it, and the hero sheet, the hero file and the command-line program read the same
// texts, so none of them can disagree with the screen.
//
// Views are named by typed constants declared beside the subsystem that fills them
// (`kSkillTable`, `kActionDie`, ...), so a misspelt name does not compile. The names are
// also the keys the command-line program prints.

#include <map>
#include <set>
#include <string>
#include <string_view>
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

// The name of one view of a kind. Only constants with static text are made from it.
template <class Kind> struct ViewName {
    std::string_view name;
    constexpr explicit ViewName(std::string_view text) : name(text) {}
    std::string Key() const { return std::string(name); }
};
using LabelName = ViewName<LabelView>;
using TableName = ViewName<TableView>;
using ChoiceName = ViewName<ChoiceView>;
using CheckName = ViewName<CheckView>;
// A view that lives outside the store (a menu, the window title) and is only marked changed.
using OuterName = ViewName<void>;

class ViewData {
public:
    // Each setter marks the view changed only when what it shows changed.
    void SetLabel(LabelName name, std::string text, bool red = false);
    void SetLabelVisible(LabelName name, bool visible);
    void SetTable(TableName name, TableView rows);
    void SetChoice(ChoiceName name, ChoiceView choice);
    void SetCheck(CheckName name, CheckView check);
    // Marks a view that lives outside this store as changed.
    void Touch(OuterName name) { changed_.insert(name.Key()); }

    // A view not set yet reads as an empty view.
    const LabelView& Label(LabelName name) const;
    const TableView& Table(TableName name) const;
    const ChoiceView& Choice(ChoiceName name) const;
    const CheckView& Check(CheckName name) const;

    // Lookups by a name held as text (tests, the command-line program): a name no subsystem
    // has set is a mistake, and fails in debug builds.
    const LabelView& LabelNamed(std::string_view name) const;
    const TableView& TableNamed(std::string_view name) const;
    const ChoiceView& ChoiceNamed(std::string_view name) const;
    const CheckView& CheckNamed(std::string_view name) const;

    const std::map<std::string, LabelView, std::less<>>& Labels() const { return labels_; }
    const std::map<std::string, TableView, std::less<>>& Tables() const { return tables_; }
    const std::map<std::string, ChoiceView, std::less<>>& Choices() const { return choices_; }
    const std::map<std::string, CheckView, std::less<>>& Checks() const { return checks_; }

    // The names of the views changed since the last call.
    std::set<std::string> TakeChanged();

private:
    std::map<std::string, LabelView, std::less<>> labels_;
    std::map<std::string, TableView, std::less<>> tables_;
    std::map<std::string, ChoiceView, std::less<>> choices_;
    std::map<std::string, CheckView, std::less<>> checks_;
    std::set<std::string> changed_;
};

// Told after each operation which views changed, so a window repaints only those.
class ViewObserver {
public:
    virtual ~ViewObserver() = default;
    virtual void ViewsChanged(const std::set<std::string>& names) = 0;
};
