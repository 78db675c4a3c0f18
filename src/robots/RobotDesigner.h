#pragma once
// The robot designer: the state behind the robot window. It owns the parts catalogue (read
// once, when the designer is made), the design, its designation, Progress Level, notes and
// file name, and the views the window shows. Every operation recomputes the abilities and
// repaints the views once, when it ends; the window tells the operations what the person
// did and renders the views.

#include "app/Paths.h"
#include "app/Prompter.h"
#include "app/ViewData.h"
#include "robots/RobotCatalogue.h"
#include "robots/RobotScores.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The nine single-part choices, in the order the choices are refilled.
enum class RobotSlot {
    Processor,
    Chasis,
    Material,
    Actuator,
    Casing,
    Propulsion,
    AuxPropulsion,
    Power1,
    Power2,
};
inline constexpr std::array<RobotSlot, 9> kRobotSlots{
    RobotSlot::Processor,     RobotSlot::Chasis, RobotSlot::Material,
    RobotSlot::Actuator,      RobotSlot::Casing, RobotSlot::Propulsion,
    RobotSlot::AuxPropulsion, RobotSlot::Power1, RobotSlot::Power2};

// The four lists of parts a robot may hold several of.
enum class RobotList { Ports, Manipulators, Sensors, Upgrades };
inline constexpr std::array<RobotList, 4> kRobotLists{RobotList::Ports, RobotList::Manipulators,
                                                      RobotList::Sensors, RobotList::Upgrades};

// What the tools not built yet answer.
inline constexpr const char* kNotYetEnabledText =
    "Not yet enabled..\rCheck back in a future version";

// The Progress Levels offered.
inline constexpr std::array<const char*, 5> kRobotPLs{"5", "6", "7", "8", "9"};

class RobotDesigner {
public:
    // Whether a source book is in play (the hero builder's source test).
    using SourceTest = std::function<bool(const std::string& source)>;

    // Reads the catalogue from the data folder and shows a design of the first parts offered
    // at PL 5.
    RobotDesigner(Prompter& prompter, const AppPaths& paths, SourceTest sourceActive);
    RobotDesigner(const RobotDesigner&) = delete;
    RobotDesigner& operator=(const RobotDesigner&) = delete;

    // --- the Main page -------------------------------------------------------------------
    // The PL choice: refills every choice with what that PL offers, choosing the first of
    // each. A text that is not a whole number changes nothing.
    void ChoosePL(const std::string& text);
    // A single-part choice: the first catalogue entry of that name takes the slot; a name the
    // catalogue lacks leaves the slot as it was.
    void ChoosePart(RobotSlot slot, const std::string& name);
    // Double click in an "available" list: adds the part of that row ("Nothing to add"
    // without a row).
    void AddPart(RobotList list, std::optional<std::size_t> availableRow);
    // Double click in a "selected" list: removes the part of that row ("Nothing to remove"
    // without a row).
    void RemovePart(RobotList list, std::optional<std::size_t> row);
    void SetDesignation(const std::string& name);
    // The Notes page: one note per line.
    void SetNotes(const std::string& text);
    // The sources in play may have changed: the available upgrades follow them.
    void RefreshAvailableUpgrades();
    // "Creatures": not built yet.
    void ReportNotYetEnabled();

    // --- the File menu -------------------------------------------------------------------
    // "Clear": an empty design with the first parts offered at the current PL, no name.
    void ClearDesign();
    // "Open": asks for a robot file and opens it. True when a robot was read.
    bool Open();
    // Opens a robot file as "Open" does once a file was chosen. A missing or unreadable file,
    // a hero file or a file that holds no robot is refused with a message and leaves the
    // design as it was. Parts the catalogue lacks are reported and skipped.
    bool OpenPath(const std::filesystem::path& path);
    // "Save": to the robot's file, or as "Save As" when it has none.
    bool Save();
    // "Save As": asks for a file ("Save Robot File").
    bool SaveAs();
    // Writes the robot file atomically and shows "File Saved", or says why it could not.
    bool SaveToPath(const std::filesystem::path& path);
    // "Export": names an unnamed robot "Robot", writes the robot sheet beside the program as
    // "robot.html" and opens it in the viewer.
    bool Export();
    // Writes the robot sheet (an unnamed robot is named "Robot" first). False, with a
    // message, when the file cannot be written.
    bool WriteSheet(const std::filesystem::path& path);

    // --- what the designer holds ---------------------------------------------------------
    const TRobot& Robot() const { return robot_; }
    const RobotCatalogue& Catalogue() const { return catalogue_; }
    const std::string& Designation() const { return designation_; }
    int PL() const { return pl_; }
    const std::vector<std::string>& Notes() const { return notes_; }
    const std::string& FileName() const { return fileName_; }
    bool Changed() const { return changed_; }
    RobotActionCheck ActionCheck() const;
    // The messages of the last robot file read, one line each.
    const std::vector<std::string>& ImportErrors() const { return importErrors_; }

    const ViewData& Views() const { return views_; }
    void SetObserver(ViewObserver* observer) { observer_ = observer; }
    Prompter& prompter() const { return prompter_; }
    const AppPaths& paths() const { return paths_; }

    // An operation: the abilities are recomputed and the observer told once, when the
    // outermost operation ends.
    class Operation {
    public:
        explicit Operation(RobotDesigner& designer) : designer_(designer) { ++designer_.depth_; }
        ~Operation();
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;

    private:
        RobotDesigner& designer_;
    };

private:
    friend class RobotFileReader;

    // Empties every slot and list.
    void RobotClear();
    // Refills the nine choices for the PL, choosing the first entry of each, then the
    // available lists.
    void PaintAvlMain();
    // Offers the upgrades of a Class the design does not hold yet, of active sources, up to
    // the PL.
    void PaintAvlUpgrades();
    // Recomputes the abilities and derived values and the views that show them.
    void PaintMain();
    // Applies the PL (refilling the choices once the designer is initialised).
    void ApplyPL(int pl);
    // Appends the first catalogue entry of that name to a list; false when there is none.
    bool AppendPart(RobotList list, const std::string& name);
    void PaintChoice(RobotSlot slot);
    void SetChanged(bool changed);
    void Finish();

    Prompter& prompter_;
    const AppPaths& paths_;
    SourceTest sourceActive_;
    RobotCatalogue catalogue_;
    TRobot robot_;
    std::string designation_;
    int pl_ = 5;
    std::vector<std::string> notes_;
    std::string fileName_;
    bool initialised_ = false;
    bool changed_ = false;
    std::vector<std::string> importErrors_;
    ViewData views_;
    ViewObserver* observer_ = nullptr;
    int depth_ = 0;
};

// The name each slot and list is known by: its choice and table, and its element in the
// robot file.
ChoiceName SlotChoice(RobotSlot slot);
TableName SelectedTable(RobotList list);
TableName AvailableTable(RobotList list);

inline constexpr ChoiceName kRobotPLChoice{"PL"};
inline constexpr ChoiceName kProcessorChoice{"Processor"};
inline constexpr ChoiceName kChasisChoice{"Chasis"};
inline constexpr ChoiceName kMaterialChoice{"Material"};
inline constexpr ChoiceName kActuatorChoice{"Actuator"};
inline constexpr ChoiceName kCasingChoice{"Casing"};
inline constexpr ChoiceName kPropulsionChoice{"Propulsion"};
inline constexpr ChoiceName kAuxPropulsionChoice{"AuxPropulsion"};
inline constexpr ChoiceName kPower1Choice{"Power1"};
inline constexpr ChoiceName kPower2Choice{"Power2"};

inline constexpr TableName kPortsTable{"Ports"};
inline constexpr TableName kManipulatorsTable{"Manipulators"};
inline constexpr TableName kSensorsTable{"Sensors"};
inline constexpr TableName kUpgradesTable{"Upgrades"};
inline constexpr TableName kAvailablePortsTable{"AvailablePorts"};
inline constexpr TableName kAvailableManipulatorsTable{"AvailableManipulators"};
inline constexpr TableName kAvailableSensorsTable{"AvailableSensors"};
inline constexpr TableName kAvailableUpgradesTable{"AvailableUpgrades"};
inline constexpr TableName kRobotNotesTable{"Notes"};

inline constexpr LabelName kRobotSTRLabel{"STR"};
inline constexpr LabelName kRobotDEXLabel{"DEX"};
inline constexpr LabelName kRobotCONLabel{"CON"};
inline constexpr LabelName kRobotINTLabel{"INT"};
inline constexpr LabelName kRobotWILLabel{"WIL"};
inline constexpr LabelName kRobotPERLabel{"PER"};
inline constexpr LabelName kRobotActionCheckLabel{"ActionCheck"};
inline constexpr LabelName kRobotActionDieLabel{"ActionDie"};
inline constexpr LabelName kRobotActionsLabel{"Actions"};
inline constexpr LabelName kRobotArmorLabel{"Armor"};
inline constexpr LabelName kDesignationLabel{"Designation"};
inline constexpr LabelName kRobotPLLabel{"PL"};
inline constexpr LabelName kRobotFileLabel{"FileName"};
// Whether the design has unsaved changes (the window's title).
inline constexpr OuterName kRobotChangedView{"Changed"};
