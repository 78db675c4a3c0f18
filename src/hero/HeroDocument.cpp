#include "hero/HeroDocument.h"

#include <algorithm>

HeroDocument::HeroDocument(Prompter& prompter_, const AppPaths& paths_)
    : prompter(prompter_), paths(paths_), logs(paths_, prompter_) {}

void HeroDocument::SetChanged(bool changed) {
    if (changed_ != changed) Views.Touch(kChangedView);
    changed_ = changed;
}

HeroDocument::Operation::Operation(HeroDocument& document) : document_(document) {
    if (document_.depth_++ == 0) document_.logs.Hold();
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
