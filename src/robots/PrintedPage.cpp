#include "robots/PrintedPage.h"

#include "app/AtomicFile.h"
#include "app/Version.h"
#include "xml/XmlEventReader.h"

#include <algorithm>
#include <array>

namespace {

constexpr const char* kHomePage = "https://tavorn.example.org/";

const std::array<const char*, 19> kBuiltInStyle{
    "body        { font-family: Arial, Helvetica, sans-serif; font-size: 9pt}",
    "table.outer { border: 3px solid #555555; width: 650px }",
    "table.light { border: 3px solid #555555; width: 650px; background: #white; }",
    "table.solid { border: 3px solid #555555; width: 650px; background: #DDDDDD; }",
    "table.thick { border: 3px solid #555555; width: 650px }",
    "table.inner { border: 1px solid #555555; width: 100% }",
    "tr.solid    { background: #DDDDDD; }",
    "th          { font-family: Arial, Helvetica, sans-serif; font-size: 9pt}",
    "th.solid    { background: #DDDDDD; }",
    "th.label    { background: #DDDDDD; text-align: right; white-space: nowrap }",
    "td          { font-family: Arial, Helvetica, sans-serif; font-size: 9pt}",
    "td.data     { }",
    "td.broad1   { border-bottom: thin solid; font-weight: bold }",
    "td.broad2   { border-bottom: thin solid; font-weight: bold; color: blue; }",
    "td.broad3   { border-bottom: thin solid; font-weight: bold; color: grey; }",
    "td.spec1    { font-style: italic; }",
    "td.spec2    { font-style: italic; color: blue; }",
    "td.spec3    { font-style: italic; color: grey; }",
    "p.newpage   { page-break-before: always}",
};

} // namespace

std::optional<std::vector<std::string>> ReadSheetStyle(const AppPaths& paths, Prompter& prompter) {
    const std::filesystem::path file = paths.InDataDir("character.css");
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return std::vector<std::string>(kBuiltInStyle.begin(), kBuiltInStyle.end());
    const std::optional<std::string> text = ReadRegularFile(file);
    if (!text) {
        prompter.error(file.string() + " exists but attempts to read failed");
        return std::nullopt;
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text->size()) {
        std::size_t end = text->find('\n', start);
        if (end == std::string::npos) end = text->size();
        std::string line = text->substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string PageHead(std::string_view title, const std::vector<std::string>& styleLines) {
    std::string head = "<html>\n<head>\n"
                       "<META http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n";
    head += "<title>" + HtmlText(title) + "</title>\n";
    head += "<style type=\"text/css\">\n<!--\n";
    for (const std::string& line : styleLines)
        head += line + "\n";
    head += "-->\n</style>\n</head>\n";
    return head;
}

std::string HtmlText(std::string_view value) {
    return XmlEscape(value);
}

std::string Boxes(int count) {
    std::string boxes;
    for (int i = 0; i < std::min(count, kMaxBoxes); ++i)
        boxes += kEmptyBox;
    return boxes;
}

std::string PageFooter() {
    return std::string("<p><small>Created by: <a href=\"") + kHomePage + "\">" + kProgramName +
           "</a></small></p>\n";
}

std::string CouldNotWriteMessage(const std::string& path) {
    return "\"" + path + "\" could not be written to.\rEither the path/name is invalid or it is " +
           "read only";
}
