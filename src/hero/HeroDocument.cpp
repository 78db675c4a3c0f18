#include "hero/HeroDocument.h"

HeroDocument::HeroDocument(Prompter& prompter_, const AppPaths& paths_)
    : prompter(prompter_), paths(paths_), logs(paths_, prompter_) {}

void HeroDocument::SetChanged(bool changed) {
    if (changed_ != changed) Views.Touch(kChangedView);
    changed_ = changed;
}

HeroDocument::Operation::Operation(HeroDocument& document) : document_(document) {
    ++document_.depth_;
}

HeroDocument::Operation::~Operation() {
    if (--document_.depth_ == 0) document_.Finish();
}

void HeroDocument::Finish() {
    // The recompute may call operations of its own: they settle with this one.
    ++depth_;
    const AspectSet touched = touched_;
    touched_ = {};
    if (settle_ && !touched.Empty()) settle_(touched);
    --depth_;
    auto names = Views.TakeChanged();
    if (observer_ && !names.empty()) observer_->ViewsChanged(names);
}

void HeroDocument::ReportReadErrors(const XmlReadResult& result) {
    // A catalogue that is not there holds no entries; that is not reported.
    if (!result.opened) return;
    for (const XmlError& error : result.errors)
        logs.Log("XML: " + error.file + ":" + std::to_string(error.line) + ": " + error.message);
}
