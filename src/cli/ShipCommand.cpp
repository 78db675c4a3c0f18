#include "cli/ShipCommand.h"

#include "app/Paths.h"
#include "app/ScriptedPrompter.h"
#include "ships/ShipDesigner.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <iostream>
#include <optional>

namespace fs = std::filesystem;

namespace {

constexpr int kOk = 0;
constexpr int kFailure = 2;

constexpr const char* kShipUsage =
    "usage: tavorn-cli ship [--appdir DIR] --hull NAME [--armor NAME] [--power NAME:HP]...\n"
    "                       [--engine NAME:HP]... [--ftl NAME:HP]... [--support NAME:HP]...\n"
    "                       [--pl N]... [--tech LETTER]...\n";

// One component to add: its section, its name and the hull points typed for it.
struct Addition {
    ShipSection section;
    std::string name;
    std::string hullPoints;
};

struct ShipArguments {
    std::optional<fs::path> appDir;
    std::string hull;
    std::optional<std::string> armor;
    std::vector<Addition> additions;
    std::vector<std::string> levels;
    std::vector<std::string> letters;
};

// "NAME:HP", split at the last colon; without one, the field's default of 1.
Addition SplitAddition(ShipSection section, const std::string& text) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos) return {section, text, "1"};
    return {section, text.substr(0, colon), text.substr(colon + 1)};
}

std::optional<ShipArguments> ParseShipArguments(const std::vector<std::string>& args) {
    ShipArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option.rfind("--appdir=", 0) == 0) {
            parsed.appDir = fs::path(option.substr(9));
            continue;
        }
        if (i + 1 >= args.size()) return std::nullopt;
        const std::string& value = args[++i];
        if (option == "--appdir")
            parsed.appDir = fs::path(value);
        else if (option == "--hull")
            parsed.hull = value;
        else if (option == "--armor")
            parsed.armor = value;
        else if (option == "--power")
            parsed.additions.push_back(SplitAddition(ShipSection::Power, value));
        else if (option == "--engine")
            parsed.additions.push_back(SplitAddition(ShipSection::Engine, value));
        else if (option == "--ftl")
            parsed.additions.push_back(SplitAddition(ShipSection::FTL, value));
        else if (option == "--support")
            parsed.additions.push_back(SplitAddition(ShipSection::Support, value));
        else if (option == "--pl")
            parsed.levels.push_back(value);
        else if (option == "--tech")
            parsed.letters.push_back(value);
        else
            return std::nullopt;
    }
    if (parsed.hull.empty()) return std::nullopt;
    return parsed;
}

// The filter's boxes as a person sets them: only those named are ticked, each level
// ticking those below it.
bool SetBoxes(ShipDesigner& designer, const ShipArguments& arguments) {
    if (!arguments.levels.empty()) {
        designer.SetPLBox(kLowestShipPL, false);
        for (const std::string& level : arguments.levels) {
            int pl = 0;
            try {
                std::size_t used = 0;
                pl = std::stoi(level, &used);
                if (used != level.size()) pl = 0;
            } catch (const std::exception&) {
                pl = 0;
            }
            if (pl < kLowestShipPL || pl > kHighestShipPL) {
                std::cerr << "tavorn-cli: there is no PL box " << level << " (6 to 9)\n";
                return false;
            }
            designer.SetPLBox(pl, true);
        }
    }
    if (!arguments.letters.empty()) {
        for (const TechTrack& track : kTechTracks)
            designer.SetTechBox(track.letter, false);
        for (const std::string& letters : arguments.letters)
            for (char letter : letters)
                if (!designer.SetTechBox(letter, true)) {
                    std::cerr << "tavorn-cli: there is no technology box " << letter << "\n";
                    return false;
                }
    }
    return true;
}

// Chooses the section and double clicks the first offered row of that name.
bool Add(ShipDesigner& designer, ScriptedPrompter& prompter, ShipSection section,
         const std::string& name) {
    const auto failed = [&prompter]() {
        for (const std::string& text : prompter.Texts(ScriptedPrompter::Kind::Error))
            std::cerr << "tavorn-cli: " << text << "\n";
        prompter.Clear();
        return false;
    };
    if (!designer.ChooseSection(section)) return failed();
    const TableView& offered =
        designer.Views().Table(kShipComponentTables[static_cast<std::size_t>(section)]);
    for (std::size_t row = 1; row < offered.size(); ++row)
        if (offered[row][0] == name) return designer.AddComponent(row - 1) || failed();
    const std::string caption(kShipSectionCaptions[static_cast<std::size_t>(section)]);
    std::cerr << "tavorn-cli: \"" << name << "\" is not offered in " << caption << "\n";
    return false;
}

nlohmann::json ShipAsJson(const ShipDesigner& designer) {
    nlohmann::json labels = nlohmann::json::object();
    for (LabelName name : {kShipHullPoints, kShipHullPointsUsed, kShipPower, kShipNetPower,
                           kShipCost, kShipArmorHullPoints})
        labels[name.Key()] = designer.Views().Label(name).text;
    nlohmann::json tables = nlohmann::json::object();
    for (TableName name : kShipComponentTables)
        tables[name.Key()] = designer.Views().Table(name);
    return {{"labels", labels}, {"tables", tables}};
}

} // namespace

int RunShipCommand(const std::vector<std::string>& args) {
    const auto arguments = ParseShipArguments(args);
    if (!arguments) {
        std::cerr << kShipUsage;
        return kFailure;
    }
    ScriptedPrompter prompter; // never blocks: every question is answered No
    const AppPaths paths(arguments->appDir ? *arguments->appDir : ResolveAppDir());
    ShipDesigner designer(prompter, paths);
    for (const XmlError& error : designer.CatalogueRead().errors)
        std::cerr << "tavorn-cli: " << error.file << ":" << error.line << ": " << error.message
                  << "\n";

    if (!SetBoxes(designer, *arguments)) return kFailure;
    if (!Add(designer, prompter, ShipSection::Hull, arguments->hull)) return kFailure;
    if (arguments->armor && !Add(designer, prompter, ShipSection::Armor, *arguments->armor))
        return kFailure;
    for (const Addition& addition : arguments->additions) {
        designer.SetHullPointsText(addition.hullPoints);
        if (!Add(designer, prompter, addition.section, addition.name)) return kFailure;
    }
    std::cout << ShipAsJson(designer).dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
              << "\n";
    return kOk;
}
