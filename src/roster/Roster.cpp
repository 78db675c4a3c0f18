#include "roster/Roster.h"

#include "app/AtomicFile.h"
#include "hero/HeroDocument.h"
#include "files/HeroFiles.h"
#include "gear/Equipment.h"
#include "hero/AttributeScores.h"
#include "robots/PrintedPage.h"
#include "robots/RobotDesigner.h"
#include "roster/RosterPage.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

constexpr const char* kNotShown = "-";

// The column of a table whose heading is `heading`; `fallback` when no heading matches.
std::size_t Column(const TableView& table, const std::string& heading, std::size_t fallback) {
    if (!table.empty()) {
        const TableRow& headings = table.front();
        const auto at = std::find(headings.begin(), headings.end(), heading);
        if (at != headings.end()) return static_cast<std::size_t>(at - headings.begin());
    }
    return fallback;
}

std::string CellOf(const TableRow& row, std::size_t column) {
    return column < row.size() ? row[column] : std::string();
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i ? separator : "") + parts[i];
    return text;
}

// The action check text followed by the die, when there is one.
std::string WithDie(std::string check, const std::string& die) {
    if (!die.empty() && die != "0") check += " [ " + die + " ]";
    return check;
}

TableRow EmptyRow() {
    return TableRow(kRosterHeaders.size());
}

TableView FreshGrid() {
    return {TableRow(kRosterHeaders.begin(), kRosterHeaders.end()), EmptyRow()};
}

} // namespace

TableRow HeroRosterRow(const std::string& heroName, const ViewData& views) {
    auto label = [&views](LabelName name) { return views.Label(name).text; };
    TableRow row = EmptyRow();
    row[kRosterName] = heroName;
    row[kRosterStrRes] = label(AttributeLabel(0, AttributeColumn::Res));
    row[kRosterDexRes] = label(AttributeLabel(1, AttributeColumn::Res));

    std::string move = label(kSprintLabel) + "/" + label(kRunLabel) + "/" + label(kWalkLabel);
    const std::string glide = label(kGlideLabel), fly = label(kFlyLabel);
    // A hero that can fly but not glide still shows its flying rate.
    if (glide != kNotShown || fly != kNotShown)
        move += " [" + (fly != kNotShown ? fly + "/" : std::string()) + glide + "]";
    row[kRosterMove] = move;

    row[kRosterActionCheck] =
        WithDie(label(kActionMarginalLabel) + "/" + label(kActionOrdinaryLabel) + "/" +
                    label(kActionGoodLabel) + "/" + label(kActionAmazingLabel),
                label(kActionDieLabel));
    row[kRosterActions] = label(kActionsLabel);

    const TableView& armor = views.Table(kArmorTable);
    const std::size_t armorName = Column(armor, "Armor", 0), effect = Column(armor, "Effect", 4);
    std::vector<std::string> armors;
    for (std::size_t i = 1; i < armor.size(); ++i)
        armors.push_back(CellOf(armor[i], armorName) + " " + CellOf(armor[i], effect));
    row[kRosterArmor] = Joined(armors, "|");

    row[kRosterStun] = label(kStunLabel);
    row[kRosterWound] = label(kWoundLabel);
    row[kRosterMortal] = label(kMortalLabel);

    // Every weapon but the first row, the Brawl attack every hero has.
    const TableView& weapons = views.Table(kWeaponsTable);
    const std::size_t weapon = Column(weapons, "Weapon", 0), score = Column(weapons, "Score", 1),
                      die = Column(weapons, "Die", 2), type = Column(weapons, "Type", 3),
                      damage = Column(weapons, "Damage", 5);
    std::vector<std::string> attacks;
    for (std::size_t i = 2; i < weapons.size(); ++i) {
        const TableRow& w = weapons[i];
        std::string attack = CellOf(w, weapon) + " (" + CellOf(w, score);
        if (CellOf(w, die) != "+d0") attack += " " + CellOf(w, die);
        attack += ") " + CellOf(w, damage) + " [" + CellOf(w, type) + "]";
        attacks.push_back(attack);
    }
    row[kRosterAttacks] = Joined(attacks, "|");
    return row;
}

TableRow RobotRosterRow(const RobotDesigner& designer) {
    const TRobot& r = designer.Robot();
    TableRow row = EmptyRow();
    row[kRosterName] = designer.Designation();
    row[kRosterStrRes] = RobotResText(r.STR);
    row[kRosterDexRes] = RobotResText(r.DEX);
    row[kRosterActionCheck] =
        WithDie(designer.ActionCheck().Text(), designer.Views().Label(kRobotActionDieLabel).text);
    row[kRosterActions] = std::to_string(r.Actions);
    row[kRosterArmor] = r.Casing.Name + " " + r.Casing.Armor;
    row[kRosterStun] = row[kRosterWound] = std::to_string(r.CON);
    row[kRosterMortal] = std::to_string(RobotMortal(r.CON));
    return row;
}

Roster::Roster(Prompter& prompter, const AppPaths& paths) : prompter_(prompter), paths_(paths) {
    views_.SetTable(kRosterTable, FreshGrid());
    views_.SetLabel(kRosterNameLabel, "");
}

void Roster::Notify() {
    if (observer_) observer_->ViewsChanged(views_.TakeChanged());
}

void Roster::SetGrid(TableView grid) {
    views_.SetTable(kRosterTable, std::move(grid));
    Notify();
}

void Roster::AddCharacter(HeroFiles& files, const HeroDocument& document) {
    if (!files.OfferToSave()) return;
    FileDialogRequest request;
    request.title = "Open Character";
    request.filter = "XML files (*.xml)";
    request.defaultExtension = "xml";
    request.initialName = "*.xml";
    if (!document.Hero.FileName.empty())
        request.directory = fs::path(document.Hero.FileName).parent_path();
    const auto path = prompter_.openFile(request);
    if (!path || !files.OpenPath(*path)) return;
    AddRow(HeroRosterRow(document.Hero.HeroName, document.Views));
}

void Roster::AddRobot(RobotDesigner& designer) {
    if (!designer.Open()) return;
    AddRow(RobotRosterRow(designer));
}

void Roster::AddRow(TableRow row) {
    if (row.empty() || row[kRosterName].empty()) return;
    row.resize(kRosterHeaders.size());
    TableView grid = Grid();
    if (grid.size() == 2 && grid[1][kRosterName].empty())
        grid[1] = std::move(row);
    else
        grid.push_back(std::move(row));
    SetGrid(std::move(grid));
}

void Roster::RemoveEntry(std::optional<std::size_t> dataRow) {
    TableView grid = Grid();
    if (!dataRow || *dataRow + 1 >= grid.size()) {
        prompter_.error("Select an entry to remove first");
        return;
    }
    if (!prompter_.confirm("Remove this entry from the roster?")) return;
    grid.erase(grid.begin() + static_cast<std::ptrdiff_t>(*dataRow + 1));
    SetGrid(std::move(grid));
}

void Roster::Clear() {
    SetGrid(FreshGrid());
}

void Roster::ReportNotYetEnabled() {
    prompter_.plain(kNotYetEnabledText);
}

void Roster::SetRosterName(const std::string& name) {
    name_ = name;
    views_.SetLabel(kRosterNameLabel, name_);
    Notify();
}

void Roster::SortBy(std::size_t column) {
    if (column >= kRosterHeaders.size()) return;
    TableView grid = Grid();
    std::stable_sort(grid.begin() + 1, grid.end(), [column](const TableRow& a, const TableRow& b) {
        return a[column] < b[column];
    });
    SetGrid(std::move(grid));
}

bool Roster::WritePage(const fs::path& path) {
    const TableView& grid = Grid();
    if (grid.size() < 2 || grid[1][kRosterName].empty()) {
        prompter_.error("Add items to the roster first");
        return false;
    }
    if (name_.empty()) SetRosterName("Roster");
    const auto style = ReadSheetStyle(paths_, prompter_);
    if (!style) return false;
    const TableView rows(grid.begin() + 1, grid.end());
    if (!WriteFileAtomically(path, RosterPageText(name_, rows, *style))) {
        prompter_.error(CouldNotWriteMessage(path.string()));
        return false;
    }
    return true;
}

bool Roster::Export() {
    const fs::path page = paths_.InAppDir("Roster.html");
    if (!WritePage(page)) return false;
    if (!prompter_.openInViewer(page)) prompter_.info("No viewer could open " + page.string());
    return true;
}
