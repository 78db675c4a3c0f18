#include "ships/ShipDesigner.h"

#include <algorithm>

namespace {

constexpr const char* kCatalogueFile = "ship_data.xml";

// The hull points a person typed, with the locale's decimal separator.
std::optional<ShipDecimal> ReadHullPoints(std::string text, char decimalSeparator) {
    if (decimalSeparator != '.') std::replace(text.begin(), text.end(), decimalSeparator, '.');
    const auto value = ParseShipDecimal(text, 2);
    if (!value || value->millionths < 0 || value->millionths > kLargestComponentSize * kMillion)
        return std::nullopt;
    return value;
}

// The offered components of one catalogue list: those the filter lets through and `fits`
// accepts.
template <class Component, class Fits>
std::vector<std::size_t> OfferedOf(const std::vector<Component>& list, const ShipFilter& filter,
                                   Fits fits) {
    std::vector<std::size_t> offered;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (filter.Offers(list[i].PL, list[i].Tech) && fits(list[i])) offered.push_back(i);
    return offered;
}

} // namespace

ShipDesigner::Operation::~Operation() {
    if (--designer_.depth_ > 0) return;
    designer_.PaintPage();
    const auto changed = designer_.views_.TakeChanged();
    if (designer_.observer_ && !changed.empty()) designer_.observer_->ViewsChanged(changed);
}

ShipDesigner::ShipDesigner(Prompter& prompter, const AppPaths& paths, ShipNumberFormat format)
    : prompter_(prompter), format_(std::move(format)) {
    Operation operation(*this);
    read_ = ReadShipCatalogue(paths.InDataDir(kCatalogueFile), catalogue_);
}

std::vector<std::size_t> ShipDesigner::Offered(ShipSection section) const {
    const auto any = [](const auto&) { return true; };
    switch (section) {
    case ShipSection::Hull: {
        std::vector<std::size_t> all(catalogue_.Hulls.size());
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = i;
        return all;
    }
    case ShipSection::Armor:
        return OfferedOf(catalogue_.Armor, filter_, [this](const TShipArmor& armor) {
            return ArmorFitsHull(ship_.Hull.Tough, armor.Type);
        });
    case ShipSection::Power:
        return OfferedOf(catalogue_.Power, filter_, any);
    case ShipSection::Engine:
        return OfferedOf(catalogue_.Engines, filter_, any);
    case ShipSection::FTL:
        return OfferedOf(catalogue_.FTL, filter_, any);
    case ShipSection::Support:
        return OfferedOf(catalogue_.Support, filter_, any);
    }
    return {};
}

bool ShipDesigner::ChooseSection(ShipSection section) {
    if (section != ShipSection::Hull && ship_.Hull.Name.empty()) {
        prompter_.error("Select a hull first");
        return false;
    }
    Operation operation(*this);
    section_ = section;
    return true;
}

void ShipDesigner::SetPLBox(int pl, bool ticked) {
    Operation operation(*this);
    filter_.SetPL(pl, ticked);
}

bool ShipDesigner::SetTechBox(char letter, bool ticked) {
    Operation operation(*this);
    return filter_.SetTech(letter, ticked);
}

void ShipDesigner::SetHullPointsText(const std::string& text) {
    Operation operation(*this);
    hullPointsText_ = text;
}

std::optional<ShipDecimal> ShipDesigner::HullPointsFromField() {
    const auto value = ReadHullPoints(hullPointsText_, format_.decimalSeparator);
    if (!value)
        prompter_.error("Hull Points must be a number from 0 to " +
                        std::to_string(kLargestComponentSize) + ", not \"" + hullPointsText_ +
                        "\"");
    return value;
}

bool ShipDesigner::AddComponent(std::size_t row) {
    const std::vector<std::size_t> offered = Offered(section_);
    if (row >= offered.size()) return false;
    const std::size_t index = offered[row];
    Operation operation(*this);
    switch (section_) {
    case ShipSection::Hull:
        ship_.Hull = catalogue_.Hulls[index];
        // A drive that always takes a share of the hull takes it of the new hull.
        for (TShipFTL& ftl : ship_.FTLEntries)
            if (ftl.FixedSize >= 1) ftl.Size = FixedShare(ftl.FixedSize, ship_.Hull.Points);
        return true;
    case ShipSection::Armor:
        ship_.Armor = catalogue_.Armor[index];
        return true;
    case ShipSection::FTL:
        if (catalogue_.FTL[index].FixedSize >= 1) {
            TShipFTL& ftl = ship_.FTLEntries.emplace_back(catalogue_.FTL[index]);
            ftl.Size = FixedShare(ftl.FixedSize, ship_.Hull.Points);
            return true;
        }
        break;
    default:
        break;
    }

    const auto size = HullPointsFromField();
    if (!size) return false;
    switch (section_) {
    case ShipSection::Power:
        ship_.PowerEntries.emplace_back(catalogue_.Power[index]).Size = *size;
        break;
    case ShipSection::Engine:
        ship_.EngineEntries.emplace_back(catalogue_.Engines[index]).Size = *size;
        break;
    case ShipSection::FTL:
        ship_.FTLEntries.emplace_back(catalogue_.FTL[index]).Size = *size;
        break;
    case ShipSection::Support:
        // A support system takes whole hull points: the field's number without its fraction.
        ship_.SupportEntries.emplace_back(catalogue_.Support[index]).Hull =
            ShipDecimal::Whole(size->millionths / 1'000'000);
        break;
    default:
        break;
    }
    return true;
}

bool ShipDesigner::ClearEntries(ShipEntryList list) {
    const auto clear = [this](auto& entries, const char* question) {
        if (entries.empty() || !prompter_.confirm(question)) return false;
        Operation operation(*this);
        entries.clear();
        return true;
    };
    switch (list) {
    case ShipEntryList::Power:
        return clear(ship_.PowerEntries, "Clear Power Entries?");
    case ShipEntryList::Engine:
        return clear(ship_.EngineEntries, "Clear Engine Entries?");
    case ShipEntryList::FTL:
        return clear(ship_.FTLEntries, "Clear FTL Entries?");
    case ShipEntryList::Support:
        return clear(ship_.SupportEntries, "Clear Support System Entries?");
    }
    return false;
}

void ShipDesigner::ClearDesign() {
    Operation operation(*this);
    ship_ = TShip{};
    section_ = ShipSection::Hull;
}

void ShipDesigner::ReportNotYetEnabled() {
    prompter_.plain("Not yet enabled..\rCheck back in a future version");
}

void ShipDesigner::PaintComponentLists() {
    const auto table = [this](ShipSection section) {
        return kShipComponentTables[static_cast<std::size_t>(section)];
    };
    views_.SetTable(table(ShipSection::Hull),
                    HullTable(catalogue_.Hulls, Offered(ShipSection::Hull), format_));
    views_.SetTable(table(ShipSection::Armor),
                    ArmorTable(catalogue_.Armor, Offered(ShipSection::Armor), format_));
    views_.SetTable(table(ShipSection::Power),
                    PowerTable(catalogue_.Power, Offered(ShipSection::Power), format_));
    views_.SetTable(table(ShipSection::Engine),
                    EngineTable(catalogue_.Engines, Offered(ShipSection::Engine), format_));
    views_.SetTable(table(ShipSection::FTL),
                    FTLTable(catalogue_.FTL, Offered(ShipSection::FTL), format_));
    views_.SetTable(table(ShipSection::Support),
                    SupportTable(catalogue_.Support, Offered(ShipSection::Support), format_));
}

void ShipDesigner::PaintPage() {
    PaintComponentLists();
    for (std::size_t i = 0; i < kShipPLChecks.size(); ++i) {
        const int pl = kLowestShipPL + static_cast<int>(i);
        views_.SetCheck(kShipPLChecks[i], {std::to_string(pl), filter_.PLTicked(pl)});
    }
    for (std::size_t i = 0; i < kShipTechChecks.size(); ++i) {
        const char letter = kTechTracks[i].letter;
        views_.SetCheck(kShipTechChecks[i], {std::string(1, letter), filter_.TechTicked(letter)});
    }
    views_.SetLabel(kShipSectionShown,
                    std::string(kShipSectionCaptions[static_cast<std::size_t>(section_)]));
    views_.SetLabel(kShipHullPointsField, hullPointsText_);
    views_.SetLabelVisible(kShipHullPointsField, section_ == ShipSection::Power ||
                                                     section_ == ShipSection::Engine ||
                                                     section_ == ShipSection::FTL);

    const char separator = format_.decimalSeparator;
    const TShipHulls& hull = ship_.Hull;
    views_.SetLabel(kShipHullName, hull.Name);
    views_.SetLabel(kShipStun, std::to_string(hull.Stun));
    views_.SetLabel(kShipWound, std::to_string(hull.Wound));
    views_.SetLabel(kShipMortal, std::to_string(hull.Mortal));
    views_.SetLabel(kShipCrit, std::to_string(hull.Crit));

    const TShipArmor& armor = ship_.Armor;
    const bool armored = !armor.Name.empty();
    views_.SetLabel(kShipArmorName, armored ? armor.Name + ", " + armor.Type : "None");
    views_.SetLabel(kShipArmorLI, armored ? armor.LI : "-");
    views_.SetLabel(kShipArmorHI, armored ? armor.HI : "-");
    views_.SetLabel(kShipArmorEn, armored ? armor.En : "-");
    views_.SetLabel(kShipArmorPercent, GeneralText(armor.Hull.Value(), separator) + "%");

    const ShipTotals totals = ComputeShipTotals(ship_);
    views_.SetLabel(kShipArmorHullPoints, GeneralText(totals.armorHullPoints, separator));
    views_.SetLabel(kShipHullPoints, FixedText(totals.hullPoints, 2, separator));
    views_.SetLabel(kShipHullPointsUsed, FixedText(totals.hullPointsUsed, 2, separator));
    views_.SetLabel(kShipPower, FixedText(totals.power, 2, separator));
    views_.SetLabel(kShipNetPower, FixedText(totals.netPower, 2, separator));
    views_.SetLabel(kShipCost, CostText(totals.cost, format_.currency));

    views_.SetTable(kShipPowerEntries, EntryTable(ship_.PowerEntries, format_));
    views_.SetTable(kShipEngineEntries, EntryTable(ship_.EngineEntries, format_));
    views_.SetTable(kShipFTLEntries, EntryTable(ship_.FTLEntries, format_));
    views_.SetTable(kShipSupportEntries, EntryTable(ship_.SupportEntries, format_));
    views_.SetTable(kShipDefenseEntries, EntryHeader());
    for (TableName weapons : kShipWeaponEntries)
        views_.SetTable(weapons, EntryHeader());
    views_.SetTable(kShipSensorEntries, EntryHeader());
}
