#pragma once
// The roster: heroes and robots gathered into one combat table for the game master, one row
// each, copied as text from what the hero builder or the robot designer shows when the entry
// is added. It keeps no link to the files the entries came from and is only ever written out
// as the roster page.

#include "app/Paths.h"
#include "app/Prompter.h"
#include "app/ViewData.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class HeroDocument;
class HeroFiles;
class RobotDesigner;

inline constexpr TableName kRosterTable{"Roster"};
inline constexpr LabelName kRosterNameLabel{"RosterName"};

// The columns of the grid.
inline constexpr std::array<const char*, 11> kRosterHeaders{
    "Name", "S", "D", "Move", "Action Check", "#", "Armor", "S", "W", "M", "Attacks"};
enum RosterColumn {
    kRosterName,
    kRosterStrRes,
    kRosterDexRes,
    kRosterMove,
    kRosterActionCheck,
    kRosterActions,
    kRosterArmor,
    kRosterStun,
    kRosterWound,
    kRosterMortal,
    kRosterAttacks,
};

// The row of a hero as the builder shows it now.
TableRow HeroRosterRow(const std::string& heroName, const ViewData& heroViews);
// The row of the robot the designer holds now.
TableRow RobotRosterRow(const RobotDesigner& designer);

class Roster {
public:
    Roster(Prompter& prompter, const AppPaths& paths);

    // "Add Character": offers to save the hero, asks for a hero file, opens it in the builder
    // and adds the hero. A cancelled choice, a file that does not open or a hero without a
    // name adds nothing.
    void AddCharacter(HeroFiles& files, const HeroDocument& document);
    // "Add Robot": the designer's "Open", then the robot it read. A cancelled choice, a file
    // that does not open or a robot without a designation adds nothing.
    void AddRobot(RobotDesigner& designer);
    // Adds a row (the only row when it is empty, else at the bottom). A row without a name
    // adds nothing.
    void AddRow(TableRow row);
    // "Remove Entry" or a double click: asks, then removes the data row (0 = the first).
    void RemoveEntry(std::optional<std::size_t> dataRow);
    // "Clear": the header row and one empty row.
    void Clear();
    void SetRosterName(const std::string& name);
    // "Add Creature" and "Creature": not built yet.
    void ReportNotYetEnabled();
    // A click on a column heading: the rows in the order of that column's texts.
    void SortBy(std::size_t column);
    // "Export Roster": names an unnamed roster "Roster", writes "Roster.html" beside the
    // program and opens it.
    bool Export();
    // Writes the page; false, with a message, when the roster is empty or the file cannot be
    // written.
    bool WritePage(const std::filesystem::path& path);

    const ViewData& Views() const { return views_; }
    const TableView& Grid() const { return views_.Table(kRosterTable); }
    const std::string& RosterName() const { return name_; }
    void SetObserver(ViewObserver* observer) { observer_ = observer; }

private:
    void SetGrid(TableView grid);
    void Notify();

    Prompter& prompter_;
    const AppPaths& paths_;
    std::string name_;
    ViewData views_;
    ViewObserver* observer_ = nullptr;
};
