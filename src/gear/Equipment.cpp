#include "gear/Equipment.h"

#include "gear/Combat.h"
#include "hero/CheckedArithmetic.h"
#include "hero/ProfessionChoice.h"
#include "hero/Professions.h"
#include "rules/RulesConfiguration.h"
#include "skills/SkillPurchases.h"
#include "xml/ValueParsing.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

const TableRow kAvailableHeader{"Equipment", "Mass", "Cost", "PL", "Avail", "Source"};
const TableRow kCarriedHeader{"Equipment", "Qty", "Mass", "Cost", "Ext Mass", "Ext Cost"};
constexpr int kHighestLevel = 8;

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

TEquipmentItem ReadItem(const XmlAttributes& attributes) {
    TEquipmentItem item;
    for (const XmlAttribute& attribute : attributes) {
        const std::string name = Upper(attribute.name);
        const std::string& value = attribute.value;
        if (name == "NAME")
            item.Name = value;
        else if (name == "CATEGORY")
            item.Category = value;
        else if (name == "SUBCATEGORY")
            item.Subcategory = value;
        else if (name == "AVAILABILITY")
            item.Availability = value;
        else if (name == "SOURCE")
            item.Source = value;
        else if (name == "HIDE")
            item.Hide = value;
        else if (name == "AP")
            item.AP = value;
        else if (name == "TYPE")
            item.Type = value;
        else if (name == "RANGE")
            item.Range = value;
        else if (name == "LI" || name == "DMGO")
            item.DmgO = value;
        else if (name == "HI" || name == "DMGG")
            item.DmgG = value;
        else if (name == "EN" || name == "DMGA")
            item.DmgA = value;
        // A mass or cost that is not a number counts 0; a PL that is not one stays 0.
        else if (name == "MASS")
            item.Mass = ParseDecimal(value).value_or(0.0);
        else if (name == "COST")
            item.Cost = ParseInteger(value).value_or(0);
        else if (name == "PL")
            item.PL = ParseInteger(value).value_or(0);
    }
    return item;
}

} // namespace

std::vector<TEquipmentItem> ReadEquipmentCatalogue(const std::filesystem::path& file,
                                                   XmlReadResult* result) {
    std::vector<TEquipmentItem> items;
    const XmlReadResult read = ReadXmlFile(
        file, XmlHandlers::ForTags([&items](const std::string& name, const XmlAttributes& a) {
            if (Upper(name) == "EQUIPMENTITEM") items.push_back(ReadItem(a));
        }));
    if (result) *result = read;
    return items;
}

void Equipment::ChooseCategory(const std::string& category) {
    HeroDocument::Operation operation(document_);
    category_ = category;
    subcategory_.clear();
    Filter();
}

void Equipment::ChooseSubcategory(const std::string& subcategory) {
    HeroDocument::Operation operation(document_);
    subcategory_ = subcategory;
    Filter();
}

void Equipment::SetProgressLevel(int level, bool ticked) {
    if (level < 0 || level > kHighestLevel) return;
    HeroDocument::Operation operation(document_);
    progressLevels_[static_cast<std::size_t>(level)] = ticked;
    Filter();
}

void Equipment::Filter() {
    HeroDocument::Operation operation(document_);
    available_.clear();
    // The catalogue is read again on every run; a missing file offers nothing.
    for (TEquipmentItem& item :
         ReadEquipmentCatalogue(document_.paths.InDataDir("equipment.xml"))) {
        const bool levelShown = item.PL >= 0 && item.PL <= kHighestLevel &&
                                progressLevels_[static_cast<std::size_t>(item.PL)];
        if (item.Category == category_ && item.Subcategory == subcategory_ && levelShown &&
            rules_.ValidSource(item.Source))
            available_.push_back(std::move(item));
    }
    document_.Touch(Aspect::Equipment);
}

void Equipment::Changed() {
    document_.SetChanged(true);
    document_.Touch(Aspect::Equipment);
}

void Equipment::TakeItem(int row) {
    if (row < 1 || row > static_cast<int>(available_.size())) {
        document_.prompter.error("Nothing to add");
        return;
    }
    HeroDocument::Operation operation(document_);
    TEquipmentItem item = available_[static_cast<std::size_t>(row - 1)];
    item.Quantity = 1;
    document_.Hero.Equipment.push_back(std::move(item));
    Changed();
}

void Equipment::IncreaseQuantity(int row) {
    auto& carried = document_.Hero.Equipment;
    if (row < 1 || row > static_cast<int>(carried.size())) {
        document_.prompter.error("Select an equipment item to increase quantity.");
        return;
    }
    HeroDocument::Operation operation(document_);
    int& quantity = carried[static_cast<std::size_t>(row - 1)].Quantity;
    quantity = AddClamped(quantity, 1);
    Changed();
}

void Equipment::DecreaseQuantity(int row) {
    auto& carried = document_.Hero.Equipment;
    if (row < 1 || row > static_cast<int>(carried.size())) {
        document_.prompter.error("Select an equipment item to decrease quantity.");
        return;
    }
    HeroDocument::Operation operation(document_);
    int& quantity = carried[static_cast<std::size_t>(row - 1)].Quantity;
    if (quantity > 1) --quantity;
    Changed();
}

void Equipment::RemoveEquipment(int row) {
    auto& carried = document_.Hero.Equipment;
    if (row < 1 || row > static_cast<int>(carried.size())) {
        document_.prompter.error("Select an equipment item to remove.");
        return;
    }
    HeroDocument::Operation operation(document_);
    carried.erase(carried.begin() + (row - 1));
    Changed();
}

void Equipment::AddEquipment(const TEquipmentItem& item) {
    HeroDocument::Operation operation(document_);
    document_.Hero.Equipment.push_back(item);
    Changed();
}

CustomEquipmentUnlocked UnlockedFor(const std::string& category) {
    CustomEquipmentUnlocked unlocked;
    if (category == "Ammunition") unlocked.ammo = true;
    if (category == "Weapons") {
        unlocked.hide = unlocked.ranges = unlocked.acc = unlocked.damage = unlocked.type = true;
    }
    if (category == "Armor") unlocked.hide = unlocked.damage = unlocked.type = true;
    return unlocked;
}

EquipmentField Equipment::AddCustomEquipment(const CustomEquipmentForm& form) {
    const auto refuse = [this](const char* message, EquipmentField field) {
        document_.prompter.error(message);
        return field;
    };
    const CustomEquipmentUnlocked unlocked = UnlockedFor(form.category);
    if (form.category.empty()) return refuse("Select a category", EquipmentField::Category);
    if (form.subcategory.empty())
        return refuse("Select a subcategory", EquipmentField::Subcategory);
    const auto qty = ParseInteger(form.qty);
    if (!qty) return refuse("Qty must be numeric", EquipmentField::Qty);
    const auto mass = ParseDecimal(form.mass);
    if (!mass) return refuse("Mass must be numeric", EquipmentField::Mass);
    const auto pl = ParseInteger(form.pl);
    if (!pl) return refuse("Progress Level must be numeric", EquipmentField::PL);
    const auto cost = ParseInteger(form.cost);
    if (!cost) return refuse("Cost must be numeric", EquipmentField::Cost);
    std::optional<int> ammo = -1;
    if (unlocked.ammo) ammo = ParseInteger(form.ammo);
    if (!ammo) return refuse("Ammo must be numeric", EquipmentField::Ammo);
    if (unlocked.type && form.type.empty()) return refuse("Select type", EquipmentField::Type);

    TEquipmentItem item;
    item.Name = form.name;
    item.Source = "Custom";
    item.Category = form.category;
    item.Subcategory = form.subcategory;
    item.Quantity = *qty;
    item.Mass = *mass;
    item.PL = *pl;
    item.Cost = *cost;
    item.Ammo = *ammo;
    const auto unlockedText = [](bool open, const std::string& text) {
        return open ? text : std::string();
    };
    item.Hide = unlockedText(unlocked.hide, form.hide);
    item.Range = unlockedText(unlocked.ranges, form.ranges);
    item.AP = unlockedText(unlocked.acc, form.acc);
    item.DmgO = unlockedText(unlocked.damage, form.dmgO);
    item.DmgG = unlockedText(unlocked.damage, form.dmgG);
    item.DmgA = unlockedText(unlocked.damage, form.dmgA);
    item.Type = unlockedText(unlocked.type, form.type);
    AddEquipment(item);
    return EquipmentField::None;
}

void Equipment::PaintEquipment() {
    ViewData& views = document_.Views;
    const GameConfiguration& config = rules_.config;

    ChoiceView categories;
    categories.items = config.equipmentCategories;
    const auto chosen = std::find(categories.items.begin(), categories.items.end(), category_);
    if (chosen != categories.items.end())
        categories.index = static_cast<int>(chosen - categories.items.begin());
    views.SetChoice(kEquipmentCategoryChoice, categories);
    ChoiceView subcategories;
    for (const TEquipmentSubCategory& pair : config.equipmentSubcategories)
        if (pair.Category == category_) {
            if (pair.Name == subcategory_)
                subcategories.index = static_cast<int>(subcategories.items.size());
            subcategories.items.push_back(pair.Name);
        }
    views.SetChoice(kEquipmentSubcategoryChoice, subcategories);
    for (int level = 0; level <= kHighestLevel; ++level) {
        CheckView box;
        box.caption = std::to_string(level);
        box.checked = progressLevels_[static_cast<std::size_t>(level)];
        views.SetCheck(kProgressLevelChecks[static_cast<std::size_t>(level)], box);
    }

    TableView available{kAvailableHeader};
    for (const TEquipmentItem& item : available_)
        available.push_back({item.Name, FormatDecimal(item.Mass), std::to_string(item.Cost),
                             std::to_string(item.PL), item.Availability, item.Source});
    views.SetTable(kAvailableEquipmentTable, std::move(available));

    TableView carried{kCarriedHeader};
    double totalMass = 0.0;
    int totalCost = 0;
    for (const TEquipmentItem& item : document_.Hero.Equipment) {
        const double mass = item.Quantity * item.Mass;
        const int cost = MultiplyClamped(item.Quantity, item.Cost);
        totalMass += mass;
        totalCost = AddClamped(totalCost, cost);
        carried.push_back({item.Name, std::to_string(item.Quantity), FormatDecimal(item.Mass),
                           std::to_string(item.Cost), FormatDecimal(mass), std::to_string(cost)});
    }
    views.SetTable(kCarriedEquipmentTable, std::move(carried));
    views.SetLabel(kEquipmentCostLabel, std::to_string(totalCost));
    views.SetLabel(kEquipmentMassLabel, FormatDecimal(totalMass) + "kg");
}

void Equipment::PaintCombat() {
    const THero& hero = document_.Hero;
    const bool specializationShown = hero.ProfessionIndex == kWeaponSpecializationPosition;
    const CombatContext context{document_.Views.Table(kSkillTable),
                                specializationShown ? professions_.ChosenSpecialization()
                                                    : std::string()};
    document_.Views.SetTable(kWeaponsTable, WeaponTable(hero, context));
    document_.Views.SetTable(kArmorTable, ArmorTable(hero, context));
}
