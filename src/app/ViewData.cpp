#include "app/ViewData.h"

const std::string& ChoiceView::Chosen() const {
    static const std::string kNone;
    if (index < 0 || index >= static_cast<int>(items.size())) return kNone;
    return items[static_cast<std::size_t>(index)];
}

void ViewData::SetLabel(const std::string& name, std::string text, bool red) {
    LabelView& label = labels_[name];
    label.text = std::move(text);
    label.red = red;
    changed_.insert(name);
}

void ViewData::SetLabelVisible(const std::string& name, bool visible) {
    LabelView& label = labels_[name];
    label.visible = visible;
    changed_.insert(name);
}

void ViewData::SetTable(const std::string& name, TableView rows) {
    tables_[name] = std::move(rows);
    changed_.insert(name);
}

void ViewData::SetChoice(const std::string& name, ChoiceView choice) {
    choices_[name] = std::move(choice);
    changed_.insert(name);
}

void ViewData::SetCheck(const std::string& name, CheckView check) {
    checks_[name] = std::move(check);
    changed_.insert(name);
}

const CheckView& ViewData::Check(const std::string& name) const {
    static const CheckView kEmpty;
    const auto it = checks_.find(name);
    return it == checks_.end() ? kEmpty : it->second;
}

const LabelView& ViewData::Label(const std::string& name) const {
    static const LabelView kEmpty;
    const auto it = labels_.find(name);
    return it == labels_.end() ? kEmpty : it->second;
}

const TableView& ViewData::Table(const std::string& name) const {
    static const TableView kEmpty;
    const auto it = tables_.find(name);
    return it == tables_.end() ? kEmpty : it->second;
}

const ChoiceView& ViewData::Choice(const std::string& name) const {
    static const ChoiceView kEmpty;
    const auto it = choices_.find(name);
    return it == choices_.end() ? kEmpty : it->second;
}

std::set<std::string> ViewData::TakeChanged() {
    std::set<std::string> names;
    names.swap(changed_);
    return names;
}
