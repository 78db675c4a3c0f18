#pragma once
// Equipment: the equipment catalogue offered by category, subcategory, Progress Level and
// active source (read again on every filter run), the hero's carried items with their
// quantities and totals, and the combat tables painted from them.

#include "app/ViewData.h"
#include "hero/HeroDocument.h"
#include "hero/TypeDefinitions.h"

#include <array>
#include <string>
#include <vector>

class RulesConfiguration;
class ProfessionChoice;

// What the custom equipment dialog holds, as typed; a locked field's text is not read.
struct CustomEquipmentForm {
    std::string category; // empty when none is chosen
    std::string subcategory;
    std::string name;
    std::string mass = "0.1";
    std::string pl = "7";
    std::string cost = "1";
    std::string qty = "1";
    std::string ammo;
    std::string hide;
    std::string ranges;
    std::string dmgO, dmgG, dmgA; // armor: LI, HI, EN
    std::string acc;
    std::string type; // empty when none is chosen
};

// The dialog's fields that a category unlocks; the others are locked (and Type disabled).
struct CustomEquipmentUnlocked {
    bool ammo = false;
    bool hide = false;
    bool ranges = false;
    bool acc = false;
    bool damage = false;
    bool type = false;
};
CustomEquipmentUnlocked UnlockedFor(const std::string& category);

// The dialog's fields, for the field to focus after a refusal.
enum class EquipmentField { None, Category, Subcategory, Qty, Mass, PL, Cost, Ammo, Type };

// The choices of the dialog's Type field.
inline constexpr std::array<const char*, 6> kEquipmentTypes{"LI/O", "HI/O", "En/O",
                                                            "LI/G", "HI/G", "En/G"};

class Equipment {
public:
    Equipment(HeroDocument& document, const RulesConfiguration& rules,
              const ProfessionChoice& professions)
        : document_(document), rules_(rules), professions_(professions) {
        progressLevels_.fill(true);
    }

    // The filter: a category (its subcategories offered, none chosen), a subcategory, or a
    // Progress Level box ("0" to "8"); each reads equipment.xml again.
    void ChooseCategory(const std::string& category);
    void ChooseSubcategory(const std::string& subcategory);
    void SetProgressLevel(int level, bool ticked);
    // Runs the filter again with the current choices (the active sources may have changed).
    void Filter();

    // Takes the available item of a row (from 1 below the header) with quantity 1.
    void TakeItem(int row);
    // "+", "-" and "Remove Selected Equipment" on a carried row (from 1; 0 when none).
    void IncreaseQuantity(int row);
    void DecreaseQuantity(int row);
    void RemoveEquipment(int row);
    // Carries a copy of the item as it is (the custom dialog, hero files).
    void AddEquipment(const TEquipmentItem& item);
    // The custom equipment dialog's "Add": the first field that fails its check is named
    // (with its message); otherwise the item is carried and None answered.
    EquipmentField AddCustomEquipment(const CustomEquipmentForm& form);

    // The filter choices, the available and carried grids with their totals.
    void PaintEquipment();
    // The weapon and armor tables, read from the skill grid as shown.
    void PaintCombat();

    const std::vector<TEquipmentItem>& Available() const { return available_; }

private:
    void Changed();

    HeroDocument& document_;
    const RulesConfiguration& rules_;
    const ProfessionChoice& professions_;
    std::string category_;
    std::string subcategory_;
    std::array<bool, 9> progressLevels_{};
    std::vector<TEquipmentItem> available_;
};

// Reads the entries of equipment.xml (all of them, unfiltered); a missing file gives none.
std::vector<TEquipmentItem> ReadEquipmentCatalogue(const std::filesystem::path& file,
                                                   XmlReadResult* result = nullptr);

// The choices of the filter: the categories of config.xml, the chosen one's subcategories.
inline constexpr ChoiceName kEquipmentCategoryChoice{"EquipmentCategory"};
inline constexpr ChoiceName kEquipmentSubcategoryChoice{"EquipmentSubcategory"};
// The Progress Level boxes "0" to "8".
inline constexpr std::array<CheckName, 9> kProgressLevelChecks{
    CheckName{"PL0"}, CheckName{"PL1"}, CheckName{"PL2"}, CheckName{"PL3"}, CheckName{"PL4"},
    CheckName{"PL5"}, CheckName{"PL6"}, CheckName{"PL7"}, CheckName{"PL8"}};
// The grids: {"Equipment", "Mass", "Cost", "PL", "Avail", "Source"} for what the filter
// found; {"Equipment", "Qty", "Mass", "Cost", "Ext Mass", "Ext Cost"} for what is carried.
inline constexpr TableName kAvailableEquipmentTable{"AvailableEquipment"};
inline constexpr TableName kCarriedEquipmentTable{"Equipment"};
// The combat page: {"Weapon", "Score", "Die", "Type", "Range", "Damage"} and
// {"Armor", "Score", "Die", "Type", "Effect", "AP", "Hide"}.
inline constexpr TableName kWeaponsTable{"Weapons"};
inline constexpr TableName kArmorTable{"Armor"};
// The totals of the carried grid: the cost, and the mass followed directly by "kg".
inline constexpr LabelName kEquipmentCostLabel{"EquipmentCost"};
inline constexpr LabelName kEquipmentMassLabel{"EquipmentMass"};
