#pragma once
// The starship designer: the state behind its window. It owns the component catalogue (read
// once, when the designer is made), the filter, the section shown, the Hull Points field and
// the design, and keeps what the window shows as views. Each operation ends with one repaint
// of the page and one notice to the observer of the views that changed.

#include "app/Paths.h"
#include "app/Prompter.h"
#include "app/ViewData.h"
#include "ships/ShipDesign.h"
#include "ships/ShipTables.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class ShipSection { Hull, Armor, Power, Engine, FTL, Support };
// The captions of the sections, as shown.
inline constexpr std::array<std::string_view, 6> kShipSectionCaptions{
    "HULL", "Armor", "Power", "Engine", "FTL", "Command & Support"};

// The design's lists that a double click empties.
enum class ShipEntryList { Power, Engine, FTL, Support };

// --- views ---------------------------------------------------------------------------------
// The hull and its durability.
inline constexpr LabelName kShipHullName{"HullName"};
inline constexpr LabelName kShipStun{"Stun"};
inline constexpr LabelName kShipWound{"Wnd"};
inline constexpr LabelName kShipMortal{"Mtl"};
inline constexpr LabelName kShipCrit{"Crit"};
// The armor.
inline constexpr LabelName kShipArmorName{"ArmorName"};
inline constexpr LabelName kShipArmorLI{"LI"};
inline constexpr LabelName kShipArmorHI{"HI"};
inline constexpr LabelName kShipArmorEn{"En"};
inline constexpr LabelName kShipArmorPercent{"ArmorPercent"};
inline constexpr LabelName kShipArmorHullPoints{"ArmorHullPoints"};
// The totals.
inline constexpr LabelName kShipHullPoints{"HullPoints"};
inline constexpr LabelName kShipHullPointsUsed{"HullPointsUsed"};
inline constexpr LabelName kShipPower{"Power"};
inline constexpr LabelName kShipNetPower{"NetPower"};
inline constexpr LabelName kShipCost{"Cost"};
// The section shown (its caption) and the Hull Points field (its text, shown or hidden).
inline constexpr LabelName kShipSectionShown{"Section"};
inline constexpr LabelName kShipHullPointsField{"HullPointsField"};

// The component list of each section, as offered by the filter.
inline constexpr std::array<TableName, 6> kShipComponentTables{
    TableName("Hulls"),   TableName("Armor"), TableName("Power"),
    TableName("Engines"), TableName("FTL"),   TableName("Support")};
// The design's lists.
inline constexpr TableName kShipPowerEntries{"PowerEntries"};
inline constexpr TableName kShipEngineEntries{"EngineEntries"};
inline constexpr TableName kShipFTLEntries{"FTLEntries"};
inline constexpr TableName kShipSupportEntries{"SupportEntries"};
// Lists the catalogue has no components for; they stay empty.
inline constexpr TableName kShipDefenseEntries{"DefenseEntries"};
inline constexpr std::array<TableName, 3> kShipWeaponEntries{
    TableName("WeaponEntries1"), TableName("WeaponEntries2"), TableName("WeaponEntries3")};
inline constexpr TableName kShipSensorEntries{"SensorEntries"};

// The filter's boxes: progress levels 6 to 9, then the technology tracks of kTechTracks.
inline constexpr std::array<CheckName, 4> kShipPLChecks{CheckName("PL6"), CheckName("PL7"),
                                                        CheckName("PL8"), CheckName("PL9")};
inline constexpr std::array<CheckName, 11> kShipTechChecks{
    CheckName("TechG"), CheckName("TechD"), CheckName("TechA"), CheckName("TechM"),
    CheckName("TechF"), CheckName("TechQ"), CheckName("TechT"), CheckName("TechS"),
    CheckName("TechP"), CheckName("TechX"), CheckName("TechC")};

class ShipDesigner {
public:
    // Reads "ship_data.xml" from the data folder (a missing file leaves every section empty).
    ShipDesigner(Prompter& prompter, const AppPaths& paths, ShipNumberFormat format = {});
    ShipDesigner(const ShipDesigner&) = delete;
    ShipDesigner& operator=(const ShipDesigner&) = delete;

    // --- operations ----------------------------------------------------------------------
    // Shows a section's component list. Every section but HULL needs a hull: otherwise
    // "Select a hull first" and false.
    bool ChooseSection(ShipSection section);
    // A progress level box (cumulative) or a technology box; the component lists follow.
    void SetPLBox(int pl, bool ticked);
    bool SetTechBox(char letter, bool ticked);
    // The Hull Points field as typed, in the locale's number format.
    void SetHullPointsText(const std::string& text);
    // A double click on a row of the component list shown (0 = the first component, below
    // the header): the hull becomes the design's hull, the armor its armor, any other
    // component is added with the hull points of the field (a fixed-size drive with its
    // share of the hull). False when nothing was added: no such row, or a field that does
    // not hold a number of hull points (said in an error box).
    bool AddComponent(std::size_t row);
    // A double click on one of the design's lists: empties it after a Yes to "Clear ...
    // Entries?". False when nothing was removed.
    bool ClearEntries(ShipEntryList list);
    // File > Clear: a new, empty design; the component list goes back to the hulls.
    void ClearDesign();
    // "Switch to" > "Creature": that tool is not built yet.
    void ReportNotYetEnabled();

    // --- what the window reads -----------------------------------------------------------
    const ViewData& Views() const { return views_; }
    const TShip& Ship() const { return ship_; }
    const ShipCatalogue& Catalogue() const { return catalogue_; }
    const ShipFilter& Filter() const { return filter_; }
    ShipSection Section() const { return section_; }
    ShipTotals Totals() const { return ComputeShipTotals(ship_); }
    // The positions in the catalogue of the components a section offers, in order.
    std::vector<std::size_t> Offered(ShipSection section) const;
    // The problems met while reading the catalogue.
    const XmlReadResult& CatalogueRead() const { return read_; }
    void SetObserver(ViewObserver* observer) { observer_ = observer; }

private:
    // Opened by every operation; the outermost one repaints and tells the observer.
    class Operation {
    public:
        explicit Operation(ShipDesigner& designer) : designer_(designer) { ++designer_.depth_; }
        ~Operation();
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;

    private:
        ShipDesigner& designer_;
    };

    // Recomputes every view from the design, the filter and the field.
    void PaintPage();
    void PaintComponentLists();
    // The field as a number of hull points, or an error box and none.
    std::optional<ShipDecimal> HullPointsFromField();

    Prompter& prompter_;
    ShipNumberFormat format_;
    ShipCatalogue catalogue_;
    XmlReadResult read_;
    ShipFilter filter_;
    ShipSection section_ = ShipSection::Hull;
    std::string hullPointsText_ = "1";
    TShip ship_;
    ViewData views_;
    ViewObserver* observer_ = nullptr;
    int depth_ = 0;
};
