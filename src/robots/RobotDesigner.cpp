#include "robots/RobotDesigner.h"

#include "app/AtomicFile.h"
#include "files/HeroFiles.h"
#include "hero/CheckedArithmetic.h"
#include "hero/StepNotation.h"
#include "robots/PrintedPage.h"
#include "robots/RobotFile.h"
#include "robots/RobotSheet.h"
#include "xml/ValueParsing.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

constexpr const char* kXmlFilter = "XML files (*.xml)";

template <class Part>
const Part* FindByName(const std::vector<Part>& parts, const std::string& name) {
    for (const Part& part : parts)
        if (part.Name == name) return &part;
    return nullptr;
}

// The names of the parts up to a PL, in catalogue order.
template <class Part> std::vector<std::string> NamesUpTo(const std::vector<Part>& parts, int pl) {
    std::vector<std::string> names;
    for (const Part& part : parts)
        if (part.PL <= pl) names.push_back(part.Name);
    return names;
}

// A table of one column: the caption, then one name per row.
template <class Part>
TableView NameTable(const std::string& caption, const std::vector<Part>& parts) {
    TableView table{{caption}};
    for (const Part& part : parts)
        table.push_back({part.Name});
    return table;
}

// Calls f(catalogue list, design slot) for a slot.
template <class F> void VisitSlot(RobotCatalogue& c, TRobot& r, RobotSlot slot, F&& f) {
    switch (slot) {
    case RobotSlot::Processor:
        return f(c.Processors, r.Processor);
    case RobotSlot::Chasis:
        return f(c.Chasis, r.Chasis);
    case RobotSlot::Material:
        return f(c.Materials, r.Material);
    case RobotSlot::Actuator:
        return f(c.Actuators, r.Actuator);
    case RobotSlot::Casing:
        return f(c.Casings, r.Casing);
    case RobotSlot::Propulsion:
        return f(c.Propulsions, r.Propulsion);
    case RobotSlot::AuxPropulsion:
        return f(c.AuxPropulsions, r.AuxPropulsion);
    case RobotSlot::Power1:
        return f(c.Powers, r.Power1);
    case RobotSlot::Power2:
        return f(c.BackupPowers, r.Power2);
    }
}

// Calls f(catalogue list, design list) for a list.
template <class F> void VisitList(RobotCatalogue& c, TRobot& r, RobotList list, F&& f) {
    switch (list) {
    case RobotList::Ports:
        return f(c.Ports, r.Ports);
    case RobotList::Manipulators:
        return f(c.Manipulators, r.Manipulators);
    case RobotList::Sensors:
        return f(c.Sensors, r.Sensors);
    case RobotList::Upgrades:
        return f(c.Upgrades, r.Upgrades);
    }
}

const char* ListCaption(RobotList list) {
    switch (list) {
    case RobotList::Ports:
        return "Data Ports";
    case RobotList::Manipulators:
        return "Manipulators";
    case RobotList::Sensors:
        return "Sensors";
    case RobotList::Upgrades:
        return "Upgrades";
    }
    return "";
}

FileDialogRequest RobotDialog(const char* title, const std::string& fileName) {
    FileDialogRequest request;
    request.title = title;
    request.filter = kXmlFilter;
    request.defaultExtension = "xml";
    request.initialName = "*.xml";
    if (!fileName.empty()) {
        const fs::path file(fileName);
        request.directory = file.parent_path();
        request.initialName = file.filename().string();
    }
    return request;
}

} // namespace

ChoiceName SlotChoice(RobotSlot slot) {
    switch (slot) {
    case RobotSlot::Processor:
        return kProcessorChoice;
    case RobotSlot::Chasis:
        return kChasisChoice;
    case RobotSlot::Material:
        return kMaterialChoice;
    case RobotSlot::Actuator:
        return kActuatorChoice;
    case RobotSlot::Casing:
        return kCasingChoice;
    case RobotSlot::Propulsion:
        return kPropulsionChoice;
    case RobotSlot::AuxPropulsion:
        return kAuxPropulsionChoice;
    case RobotSlot::Power1:
        return kPower1Choice;
    case RobotSlot::Power2:
        return kPower2Choice;
    }
    return kProcessorChoice;
}

TableName SelectedTable(RobotList list) {
    switch (list) {
    case RobotList::Ports:
        return kPortsTable;
    case RobotList::Manipulators:
        return kManipulatorsTable;
    case RobotList::Sensors:
        return kSensorsTable;
    case RobotList::Upgrades:
        return kUpgradesTable;
    }
    return kPortsTable;
}

TableName AvailableTable(RobotList list) {
    switch (list) {
    case RobotList::Ports:
        return kAvailablePortsTable;
    case RobotList::Manipulators:
        return kAvailableManipulatorsTable;
    case RobotList::Sensors:
        return kAvailableSensorsTable;
    case RobotList::Upgrades:
        return kAvailableUpgradesTable;
    }
    return kAvailablePortsTable;
}

// --- creation and operations ------------------------------------------------------------

RobotDesigner::RobotDesigner(Prompter& prompter, const AppPaths& paths, SourceTest sourceActive)
    : prompter_(prompter), paths_(paths), sourceActive_(std::move(sourceActive)) {
    Operation operation(*this);
    ChoiceView pls;
    pls.items.assign(kRobotPLs.begin(), kRobotPLs.end());
    pls.index = 0;
    views_.SetChoice(kRobotPLChoice, std::move(pls));
    pl_ = 5;
    catalogue_ = ReadRobotCatalogue(paths_.InDataDir("robots.xml"));
    PaintAvlMain();
    initialised_ = true;
}

RobotDesigner::Operation::~Operation() {
    if (--designer_.depth_ == 0) designer_.Finish();
}

void RobotDesigner::Finish() {
    if (initialised_) PaintMain();
    if (observer_) observer_->ViewsChanged(views_.TakeChanged());
}

void RobotDesigner::SetChanged(bool changed) {
    if (changed_ == changed) return;
    changed_ = changed;
    views_.Touch(kRobotChangedView);
}

void RobotDesigner::ChoosePL(const std::string& text) {
    Operation operation(*this);
    const auto pl = ParseInteger(text);
    if (!pl) return;
    const ChoiceView& choice = views_.Choice(kRobotPLChoice);
    const auto found = std::find(choice.items.begin(), choice.items.end(), Trim(text));
    if (found == choice.items.end()) return;
    ApplyPL(*pl);
    SetChanged(true);
}

void RobotDesigner::ApplyPL(int pl) {
    ChoiceView choice = views_.Choice(kRobotPLChoice);
    const auto found = std::find(choice.items.begin(), choice.items.end(), std::to_string(pl));
    choice.index =
        found == choice.items.end() ? -1 : static_cast<int>(found - choice.items.begin());
    views_.SetChoice(kRobotPLChoice, choice);
    pl_ = pl;
    if (initialised_) PaintAvlMain();
}

void RobotDesigner::ChoosePart(RobotSlot slot, const std::string& name) {
    Operation operation(*this);
    bool found = false;
    VisitSlot(catalogue_, robot_, slot, [&](const auto& parts, auto& chosen) {
        if (const auto* part = FindByName(parts, name)) {
            chosen = *part;
            found = true;
        }
    });
    if (!found) return;
    ChoiceView choice = views_.Choice(SlotChoice(slot));
    const auto at = std::find(choice.items.begin(), choice.items.end(), name);
    if (at != choice.items.end()) choice.index = static_cast<int>(at - choice.items.begin());
    views_.SetChoice(SlotChoice(slot), choice);
    SetChanged(true);
}

bool RobotDesigner::AppendPart(RobotList list, const std::string& name) {
    bool found = false;
    VisitList(catalogue_, robot_, list, [&](const auto& parts, auto& chosen) {
        if (const auto* part = FindByName(parts, name)) {
            chosen.push_back(*part);
            found = true;
        }
    });
    if (found && list == RobotList::Upgrades) PaintAvlUpgrades();
    return found;
}

void RobotDesigner::AddPart(RobotList list, std::optional<std::size_t> availableRow) {
    Operation operation(*this);
    const TableView& available = views_.Table(AvailableTable(list));
    if (!availableRow || *availableRow + 1 >= available.size()) {
        prompter_.info("Nothing to add");
        return;
    }
    if (AppendPart(list, Trim(available[*availableRow + 1].front()))) SetChanged(true);
}

void RobotDesigner::RemovePart(RobotList list, std::optional<std::size_t> row) {
    Operation operation(*this);
    bool removed = false;
    VisitList(catalogue_, robot_, list, [&](const auto&, auto& chosen) {
        if (row && *row < chosen.size()) {
            chosen.erase(chosen.begin() + static_cast<std::ptrdiff_t>(*row));
            removed = true;
        }
    });
    if (!removed) {
        prompter_.info("Nothing to remove");
        return;
    }
    if (list == RobotList::Upgrades) PaintAvlUpgrades();
    SetChanged(true);
}

void RobotDesigner::SetDesignation(const std::string& name) {
    Operation operation(*this);
    if (designation_ == name) return;
    designation_ = name;
    SetChanged(true);
}

void RobotDesigner::SetNotes(const std::string& text) {
    Operation operation(*this);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    if (lines == notes_) return;
    notes_ = std::move(lines);
    SetChanged(true);
}

void RobotDesigner::RefreshAvailableUpgrades() {
    Operation operation(*this);
    PaintAvlUpgrades();
}

void RobotDesigner::ReportNotYetEnabled() {
    prompter_.plain(kNotYetEnabledText);
}

void RobotDesigner::ClearDesign() {
    Operation operation(*this);
    RobotClear();
    ApplyPL(pl_);
    designation_.clear();
    notes_.clear();
    SetChanged(false);
}

// --- recomputing --------------------------------------------------------------------------

void RobotDesigner::RobotClear() {
    robot_ = TRobot{}; // the name, the notes and the file name stay
}

void RobotDesigner::PaintChoice(RobotSlot slot) {
    VisitSlot(catalogue_, robot_, slot, [&](const auto& parts, auto& chosen) {
        ChoiceView choice;
        choice.items = NamesUpTo(parts, pl_);
        if (choice.items.empty()) {
            // Nothing offered at this PL: the slot holds nothing either.
            chosen = {};
        } else {
            choice.index = 0;
            chosen = *FindByName(parts, choice.items.front());
        }
        views_.SetChoice(SlotChoice(slot), std::move(choice));
    });
}

void RobotDesigner::PaintAvlMain() {
    for (RobotSlot slot : kRobotSlots)
        PaintChoice(slot);
    PaintAvlUpgrades();
    for (RobotList list : {RobotList::Ports, RobotList::Manipulators, RobotList::Sensors})
        VisitList(catalogue_, robot_, list, [&](const auto& parts, const auto&) {
            TableView table{{ListCaption(list)}};
            for (const std::string& name : NamesUpTo(parts, pl_))
                table.push_back({name});
            views_.SetTable(AvailableTable(list), std::move(table));
        });
}

void RobotDesigner::PaintAvlUpgrades() {
    TableView table{{ListCaption(RobotList::Upgrades)}};
    for (const TRobotUpgrade& upgrade : catalogue_.Upgrades) {
        const bool classTaken =
            std::any_of(robot_.Upgrades.begin(), robot_.Upgrades.end(),
                        [&](const TRobotUpgrade& held) { return held.Class == upgrade.Class; });
        if (!classTaken && sourceActive_(upgrade.Source) && upgrade.PL <= pl_)
            table.push_back({upgrade.Name});
    }
    views_.SetTable(kAvailableUpgradesTable, std::move(table));
}

RobotActionCheck RobotDesigner::ActionCheck() const {
    return ComputeRobotActionCheck(robot_.DEX, robot_.INT, robot_.ACBonus);
}

void RobotDesigner::PaintMain() {
    TRobot& r = robot_;
    r.STR = r.Actuator.STR;
    r.DEX = r.Actuator.DEX;
    r.CON = r.Chasis.CON;
    r.INT = r.Processor.INT;
    r.WIL = r.PER = RobotWillByPL(pl_);
    r.ACBonus = 0;
    for (const TRobotUpgrade& upgrade : r.Upgrades) {
        r.DEX = AddClamped(r.DEX, upgrade.DEX);
        r.WIL = AddClamped(r.WIL, upgrade.WIL);
        r.PER = AddClamped(r.PER, upgrade.PER);
        r.ACBonus = AddClamped(r.ACBonus, upgrade.AC);
    }
    r.Actions = RobotActions(AddClamped(r.DEX, r.WIL));

    views_.SetTable(kPortsTable, NameTable(ListCaption(RobotList::Ports), r.Ports));
    views_.SetTable(kManipulatorsTable,
                    NameTable(ListCaption(RobotList::Manipulators), r.Manipulators));
    views_.SetTable(kSensorsTable, NameTable(ListCaption(RobotList::Sensors), r.Sensors));
    views_.SetTable(kUpgradesTable, NameTable(ListCaption(RobotList::Upgrades), r.Upgrades));

    views_.SetLabel(kRobotSTRLabel, std::to_string(r.STR));
    views_.SetLabel(kRobotDEXLabel, std::to_string(r.DEX));
    views_.SetLabel(kRobotCONLabel, std::to_string(r.CON));
    views_.SetLabel(kRobotINTLabel, std::to_string(r.INT));
    views_.SetLabel(kRobotWILLabel, std::to_string(r.WIL));
    views_.SetLabel(kRobotPERLabel, std::to_string(r.PER));
    views_.SetLabel(kRobotActionDieLabel, Step2Die(r.Processor.StepMod));
    views_.SetLabel(kRobotActionsLabel, std::to_string(r.Actions));
    views_.SetLabel(kRobotActionCheckLabel, ActionCheck().Text());
    views_.SetLabel(kRobotArmorLabel, r.Casing.Armor);
    views_.SetLabel(kDesignationLabel, designation_);
    views_.SetLabel(kRobotPLLabel, std::to_string(pl_));
    views_.SetLabel(kRobotFileLabel, fileName_);

    TableView notes{{"Notes"}};
    for (const std::string& line : notes_)
        notes.push_back({line});
    views_.SetTable(kRobotNotesTable, std::move(notes));
}

// --- files --------------------------------------------------------------------------------

bool RobotDesigner::Open() {
    const auto path = prompter_.openFile(RobotDialog("Open Robot File", fileName_));
    if (!path) return false;
    return OpenPath(*path);
}

bool RobotDesigner::OpenPath(const fs::path& path) {
    std::error_code error;
    if (!fs::exists(path, error)) {
        prompter_.error(path.string() + " does not exist.\rOpen FAILED!");
        return false;
    }
    const std::optional<std::string> text = ReadRegularFile(path);
    if (!text) {
        prompter_.error(path.string() + " could not be read.\rOpen FAILED!");
        return false;
    }
    const std::string root = UpperCase(FirstElementName(*text));
    if (root == "HERO" || root == "HERODATA") {
        importErrors_ = {kHeroNotRobot};
        prompter_.error(kHeroNotRobot);
        return false;
    }
    if (root != "ROBOT") {
        importErrors_ = {path.filename().string() + " is not a robot file: it does not start " +
                         "with a robot."};
        prompter_.error(importErrors_.front());
        return false;
    }

    Operation operation(*this);
    importErrors_.clear();
    // The robot read starts from a fresh design: no parts, no name, no notes.
    RobotClear();
    designation_.clear();
    notes_.clear();
    ApplyPL(pl_);
    RobotFileReader(*this).Read(*text, path.string());
    fileName_ = path.string();
    SetChanged(false);
    return true;
}

bool RobotDesigner::Save() {
    if (fileName_.empty()) return SaveAs();
    if (!SaveToPath(fileName_)) return false;
    Operation operation(*this);
    SetChanged(false);
    return true;
}

bool RobotDesigner::SaveAs() {
    const auto path = prompter_.saveFile(RobotDialog("Save Robot File", fileName_));
    if (!path) return false;
    if (!SaveToPath(*path)) return false;
    Operation operation(*this);
    fileName_ = path->string();
    SetChanged(false);
    return true;
}

bool RobotDesigner::SaveToPath(const fs::path& path) {
    if (!WriteFileAtomically(path, RobotFileText(*this))) {
        prompter_.error(CouldNotWriteMessage(path.string()));
        return false;
    }
    prompter_.plain("File Saved");
    return true;
}

bool RobotDesigner::WriteSheet(const fs::path& path) {
    Operation operation(*this);
    if (designation_.empty()) {
        designation_ = "Robot";
        SetChanged(true);
    }
    const auto style = ReadSheetStyle(paths_, prompter_);
    if (!style) return false;
    if (!WriteFileAtomically(path, RobotSheetText(*this, *style))) {
        prompter_.error(CouldNotWriteMessage(path.string()));
        return false;
    }
    return true;
}

bool RobotDesigner::Export() {
    const fs::path sheet = paths_.InAppDir("robot.html");
    if (!WriteSheet(sheet)) return false;
    if (!prompter_.openInViewer(sheet)) prompter_.info("No viewer could open " + sheet.string());
    return true;
}
