#include "app/ViewData.h"

#include <cassert>

namespace {

// Stores a view's new value; true when it differs from what was shown.
template <class View, class Map> bool Store(Map& views, std::string_view name, View value) {
    const auto it = views.find(name);
    if (it == views.end()) {
        views.emplace(std::string(name), std::move(value));
        return true;
    }
    if (it->second == value) return false;
    it->second = std::move(value);
    return true;
}

template <class View, class Map> const View& Find(const Map& views, std::string_view name) {
    static const View kEmpty;
    const auto it = views.find(name);
    return it == views.end() ? kEmpty : it->second;
}

template <class View, class Map> const View& FindNamed(const Map& views, std::string_view name) {
    assert(views.find(name) != views.end() && "no view of that name");
    return Find<View>(views, name);
}

} // namespace

const std::string& ChoiceView::Chosen() const {
    static const std::string kNone;
    if (index < 0 || index >= static_cast<int>(items.size())) return kNone;
    return items[static_cast<std::size_t>(index)];
}

void ViewData::SetLabel(LabelName name, std::string text, bool red) {
    LabelView label = Label(name);
    label.text = std::move(text);
    label.red = red;
    if (Store(labels_, name.name, std::move(label))) changed_.insert(name.Key());
}

void ViewData::SetLabelVisible(LabelName name, bool visible) {
    LabelView label = Label(name);
    label.visible = visible;
    if (Store(labels_, name.name, std::move(label))) changed_.insert(name.Key());
}

void ViewData::SetTable(TableName name, TableView rows) {
    if (Store(tables_, name.name, std::move(rows))) changed_.insert(name.Key());
}

void ViewData::SetChoice(ChoiceName name, ChoiceView choice) {
    if (Store(choices_, name.name, std::move(choice))) changed_.insert(name.Key());
}

void ViewData::SetCheck(CheckName name, CheckView check) {
    if (Store(checks_, name.name, std::move(check))) changed_.insert(name.Key());
}

const LabelView& ViewData::Label(LabelName name) const {
    return Find<LabelView>(labels_, name.name);
}
const TableView& ViewData::Table(TableName name) const {
    return Find<TableView>(tables_, name.name);
}
const ChoiceView& ViewData::Choice(ChoiceName name) const {
    return Find<ChoiceView>(choices_, name.name);
}
const CheckView& ViewData::Check(CheckName name) const {
    return Find<CheckView>(checks_, name.name);
}

const LabelView& ViewData::LabelNamed(std::string_view name) const {
    return FindNamed<LabelView>(labels_, name);
}
const TableView& ViewData::TableNamed(std::string_view name) const {
    return FindNamed<TableView>(tables_, name);
}
const ChoiceView& ViewData::ChoiceNamed(std::string_view name) const {
    return FindNamed<ChoiceView>(choices_, name);
}
const CheckView& ViewData::CheckNamed(std::string_view name) const {
    return FindNamed<CheckView>(checks_, name);
}

std::set<std::string> ViewData::TakeChanged() {
    std::set<std::string> names;
    names.swap(changed_);
    return names;
}
