#include "hero/HeroDocument.h"

#include <algorithm>

HeroDocument::HeroDocument(Prompter& prompter_, const AppPaths& paths_)
    : prompter(prompter_), paths(paths_), logs(paths_, prompter_) {}

void HeroDocument::SetChanged(bool changed) {
    if (changed_ != changed) Views.Touch(kChangedView);
    changed_ = changed;
    if (depth_ > 0) {
        (changed ? markedChanged_ : markedSaved_) = true;
    } else if (changed) {
        // A change outside any operation is no step: nothing leads back to the saved hero.
        history_.ForgetSaved();
    } else {
        history_.MarkSaved();
    }
}

HeroDocument::Operation::Operation(HeroDocument& document) : document_(document) {
    if (document_.depth_++ == 0) {
        document_.logs.Hold();
        document_.markedChanged_ = document_.markedSaved_ = false;
        document_.stepName_.clear();
        if (document_.historyEnabled_ && document_.ready_ && !document_.loading_ &&
            !document_.restoring_)
            document_.before_ = document_.TakeSnapshot();
    }
}

HeroDocument::Operation::~Operation() {
    if (--document_.depth_ == 0) {
        document_.Finish();
        document_.logs.Release();
    }
}

void HeroDocument::Finish() {
    // The recompute may call operations of its own: they settle with this one.
    ++depth_;
    const AspectSet touched = touched_;
    touched_ = {};
    if (settle_ && !touched.Empty()) settle_(touched);
    --depth_;
    if (!restoring_) UpdateHistory(touched);
    auto names = Views.TakeChanged();
    if (observer_ && !names.empty()) observer_->ViewsChanged(names);
}

void HeroDocument::ReportReadErrors(const XmlReadResult& result) {
    // A catalogue that is not there holds no entries: that is only noted in the log.
    if (!result.opened) {
        for (const XmlError& error : result.errors)
            logs.Log("Catalogue not found: " + error.file);
        return;
    }
    for (const XmlError& error : result.errors)
        logs.Log("XML: " + error.file + ":" + std::to_string(error.line) + ": " + error.message);
    if (result.errors.empty()) return;
    const XmlError& first = result.errors.front();
    std::error_code failed;
    const auto size = std::filesystem::file_size(first.file, failed);
    const std::string name = std::filesystem::path(first.file).filename().string();
    std::string line = !failed && size == 0
                           ? name + " is empty."
                           : name + " is damaged (line " + std::to_string(first.line) + ": " +
                                 first.message + "); what could be read was used.";
    if (std::find(catalogueProblems_.begin(), catalogueProblems_.end(), line) ==
        catalogueProblems_.end())
        catalogueProblems_.push_back(std::move(line));
}

void HeroDocument::ReportEmptyCatalogue(const std::filesystem::path& file,
                                        const std::string& what) {
    std::error_code missing;
    if (!std::filesystem::exists(file, missing)) return;
    std::string line = file.filename().string() + " holds no " + what + ".";
    logs.Log(line);
    if (std::find(catalogueProblems_.begin(), catalogueProblems_.end(), line) ==
        catalogueProblems_.end())
        catalogueProblems_.push_back(std::move(line));
}

std::vector<std::string> HeroDocument::TakeCatalogueProblems() {
    std::vector<std::string> problems;
    problems.swap(catalogueProblems_);
    return problems;
}

// --- undo and redo --------------------------------------------------------------------------

namespace {
const char* AspectStepName(const AspectSet& touched) {
    using enum Aspect;
    const std::pair<Aspect, const char*> names[] = {{Identity, "Change Identity"},
                                                    {Species, "Change Species"},
                                                    {Profession, "Change Profession"},
                                                    {Attributes, "Change Attributes"},
                                                    {Skills, "Change Skills"},
                                                    {Psionics, "Change Psionics"},
                                                    {FX, "Change FX"},
                                                    {PerksFlaws, "Change Perks and Flaws"},
                                                    {Achievements, "Change Achievements"},
                                                    {Mutations, "Change Mutations"},
                                                    {Budget, "Adjust Skill Points"},
                                                    {Wealth, "Change Wealth"},
                                                    {LastResort, "Change Last Resort Points"},
                                                    {Equipment, "Change Equipment"},
                                                    {Cyberware, "Change Cyberware"}};
    for (const auto& [aspect, name] : names)
        if (touched.Has(aspect)) return name;
    return "Edit";
}

// Marks changed every view of `kind` that differs between the two stores.
template <class Map> void TouchDifferences(const Map& was, const Map& is, ViewData& views) {
    for (const auto& [name, view] : was) {
        const auto found = is.find(name);
        if (found == is.end() || !(found->second == view)) views.Touch(OuterName(name));
    }
    for (const auto& [name, view] : is)
        if (!was.count(name)) views.Touch(OuterName(name));
}
bool SameViews(const ViewData& one, const ViewData& other) {
    return one.Labels() == other.Labels() && one.Tables() == other.Tables() &&
           one.Choices() == other.Choices() && one.Checks() == other.Checks();
}
} // namespace

void HeroDocument::EnableHistory(bool enabled) {
    historyEnabled_ = enabled;
    history_.Clear();
    if (!changed_) history_.MarkSaved();
    before_.reset();
}

void HeroDocument::UpdateHistory(const AspectSet& touched) {
    std::optional<HeroSnapshot> before = std::move(before_);
    before_.reset();
    if (!historyEnabled_) return;
    if (touched.Any({Aspect::Sources, Aspect::Rules})) {
        // Recorded states may name catalogue entries that are gone: they are all forgotten.
        if (history_.CanUndo() || history_.CanRedo()) Views.Touch(kHistoryView);
        history_.Clear();
        if (!changed_) history_.MarkSaved();
    } else if (markedChanged_ && changed_ && before) {
        std::string name = stepName_;
        if (name.empty()) name = DescribeStep(before->hero, Hero);
        // An operation that found nothing to change (lowering a rank already at its least)
        // is no step.
        if (name.empty() && SameViews(before->views, Views)) return;
        if (name.empty()) name = AspectStepName(touched);
        const bool typing = stepName_.empty() && IsTypingStep(name);
        if (history_.Record(std::move(*before), std::move(name), typing)) Views.Touch(kHistoryView);
    } else if (markedChanged_ && changed_) {
        history_.ForgetSaved();
    } else if (markedSaved_ && !changed_) {
        history_.MarkSaved();
    }
}

HeroSnapshot HeroDocument::TakeSnapshot() const {
    return {Hero, Views};
}

void HeroDocument::Restore(HeroSnapshot state) {
    // Lists put back may lie where other lists lay before: an index of them by their place in
    // memory is told by the restore count.
    ++restores_;
    std::string fileName = std::move(Hero.FileName);
    Hero = THero(state.hero);
    Hero.FileName = std::move(fileName);

    std::set<std::string> pending = Views.TakeChanged();
    ViewData was = std::move(Views);
    Views = std::move(state.views);
    Views.TakeChanged();
    for (const std::string& name : keptViews_) {
        if (const auto label = was.Labels().find(name); label != was.Labels().end()) {
            Views.SetLabel(LabelName(name), label->second.text, label->second.red);
            Views.SetLabelVisible(LabelName(name), label->second.visible);
        }
        if (const auto table = was.Tables().find(name); table != was.Tables().end())
            Views.SetTable(TableName(name), table->second);
    }
    TouchDifferences(was.Labels(), Views.Labels(), Views);
    TouchDifferences(was.Tables(), Views.Tables(), Views);
    TouchDifferences(was.Choices(), Views.Choices(), Views);
    TouchDifferences(was.Checks(), Views.Checks(), Views);
    for (const std::string& name : pending)
        Views.Touch(OuterName(name));
}

bool HeroDocument::Undo() {
    if (!history_.CanUndo() || depth_ > 0) return false;
    FlagGuard restoring(restoring_, true);
    Operation operation(*this);
    Restore(history_.Undo(TakeSnapshot()));
    // Every score, table and choice follows from the hero put back.
    TouchAll();
    SetChanged(!history_.AtSaved());
    Views.Touch(kHistoryView);
    return true;
}

bool HeroDocument::Redo() {
    if (!history_.CanRedo() || depth_ > 0) return false;
    FlagGuard restoring(restoring_, true);
    Operation operation(*this);
    Restore(history_.Redo(TakeSnapshot()));
    TouchAll();
    SetChanged(!history_.AtSaved());
    Views.Touch(kHistoryView);
    return true;
}
