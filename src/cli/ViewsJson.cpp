#include "cli/ViewsJson.h"

#include "app/HeroBuilder.h"
#include "files/HeroFiles.h"

namespace {

// The free notes as a table: one row of one cell per line.
nlohmann::json NoteLines(const std::string& text) {
    nlohmann::json rows = nlohmann::json::array();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        rows.push_back(nlohmann::json::array({text.substr(start, end - start)}));
        start = end + 1;
    }
    return rows;
}

} // namespace

nlohmann::json ViewsAsJson(const HeroBuilder& builder, const HeroFiles& files) {
    const ViewData& views = builder.Views();
    nlohmann::json labels = nlohmann::json::object();
    for (const auto& [name, label] : views.Labels())
        labels[name] = label.text;

    nlohmann::json tables = nlohmann::json::object();
    for (const auto& [name, rows] : views.Tables()) {
        nlohmann::json table = nlohmann::json::array();
        for (const TableRow& row : rows)
            table.push_back(row);
        tables[name] = std::move(table);
    }
    if (!tables.contains("FreeNotes")) tables["FreeNotes"] = NoteLines(builder.Hero().FreeNotes);

    nlohmann::json checks = nlohmann::json::object();
    for (const auto& [name, check] : views.Checks())
        checks[name] = check.checked;

    nlohmann::json result;
    result["labels"] = std::move(labels);
    result["tables"] = std::move(tables);
    result["checks"] = std::move(checks);
    result["importErrors"] = files.ImportErrors();
    return result;
}
