#include "ships/ShipCatalogue.h"

#include "xml/ValueParsing.h"

#include <algorithm>

namespace {

// One attribute of a catalogue element, offered to each field in turn; the field whose name
// it carries (exactly as written) takes its value and ends the search.
struct Attribute {
    const std::string& name;
    const std::string& value;

    bool Text(std::string_view field, std::string& target) const {
        if (name != field) return false;
        target = value;
        return true;
    }
    bool Integer(std::string_view field, int& target, int fallback) const {
        if (name != field) return false;
        target = ParseInteger(value).value_or(fallback);
        return true;
    }
    bool Integer64(std::string_view field, std::int64_t& target, std::int64_t fallback) const {
        if (name != field) return false;
        target = ParseInteger64(value).value_or(fallback);
        return true;
    }
    bool Decimal(std::string_view field, ShipDecimal& target, ShipDecimal fallback) const {
        if (name != field) return false;
        target = ParseShipDecimal(value, kCatalogueDecimalPlaces).value_or(fallback);
        return true;
    }
    bool Boolean(std::string_view field, bool& target, bool fallback) const {
        if (name != field) return false;
        target = ParseBooleanText(value).value_or(fallback);
        return true;
    }
};

constexpr std::array<std::string_view, kAccShares.size()> kAccNames{
    "Acc5", "Acc10", "Acc15", "Acc20", "Acc30", "Acc40", "Acc50"};

constexpr int kUnofferedPL = 10; // the fallback level: never offered
constexpr int kFallbackCost = 1'000'000;
constexpr ShipDecimal kNoPower = ShipDecimal::Whole(-1);

void ReadHull(const XmlAttributes& attributes, TShipHulls& hull) {
    for (const XmlAttribute& attribute : attributes) {
        const Attribute a{attribute.name, attribute.value};
        a.Text("Name", hull.Name) || a.Text("Type", hull.Type) ||
            a.Integer("Points", hull.Points, 100000) || a.Integer("Bonus", hull.Bonus, 0) ||
            a.Text("Tough", hull.Tough) || a.Integer("Target", hull.Target, 0) ||
            a.Integer("Mvr", hull.Mvr, 0) || a.Integer("Stun", hull.Stun, 0) ||
            a.Integer("Wound", hull.Wound, 0) || a.Integer("Mortal", hull.Mortal, 0) ||
            a.Integer("Crit", hull.Crit, 0) || a.Integer("Crew", hull.Crew, 0) ||
            a.Integer64("Cost", hull.Cost, 0);
    }
}

void ReadArmor(const XmlAttributes& attributes, TShipArmor& armor) {
    for (const XmlAttribute& attribute : attributes) {
        const Attribute a{attribute.name, attribute.value};
        a.Text("Name", armor.Name) || a.Text("Type", armor.Type) ||
            a.Integer("PL", armor.PL, kUnofferedPL) || a.Text("Tech", armor.Tech) ||
            a.Text("LI", armor.LI) || a.Text("HI", armor.HI) || a.Text("En", armor.En) ||
            a.Decimal("Hull", armor.Hull, ShipDecimal::Whole(100)) ||
            a.Integer("Cost", armor.Cost, kFallbackCost);
    }
}

// The fields power plants, engines and FTL drives share.
template <class Component>
bool ReadDriveField(const Attribute& a, Component& component, int minSizeFallback) {
    return a.Text("Name", component.Name) || a.Integer("PL", component.PL, kUnofferedPL) ||
           a.Text("Tech", component.Tech) || a.Decimal("Power", component.Power, kNoPower) ||
           a.Integer("BaseCost", component.BaseCost, kFallbackCost) ||
           a.Integer("Cost", component.Cost, kFallbackCost) ||
           a.Integer("MinSize", component.MinSize, minSizeFallback) ||
           a.Integer("FuelCost", component.FuelCost, 0) ||
           a.Integer("FuelEff", component.FuelEff, 0);
}

void ReadPower(const XmlAttributes& attributes, TShipPower& power) {
    for (const XmlAttribute& attribute : attributes) {
        const Attribute a{attribute.name, attribute.value};
        ReadDriveField(a, power, 10000) || a.Boolean("Fuel", power.Fuel, false);
    }
}

void ReadEngine(const XmlAttributes& attributes, TShipEngine& engine) {
    for (const XmlAttribute& attribute : attributes) {
        const Attribute a{attribute.name, attribute.value};
        if (ReadDriveField(a, engine, 10000)) continue;
        for (std::size_t i = 0; i < kAccNames.size(); ++i)
            if (a.Decimal(kAccNames[i], engine.Acc[i], kNoPower)) break;
    }
}

void ReadFTL(const XmlAttributes& attributes, TShipFTL& ftl) {
    for (const XmlAttribute& attribute : attributes) {
        const Attribute a{attribute.name, attribute.value};
        if (ReadDriveField(a, ftl, 0) || a.Integer("FixedSize", ftl.FixedSize, 0)) continue;
        for (std::size_t i = 0; i < kAccNames.size(); ++i)
            if (a.Text(kAccNames[i], ftl.Acc[i])) break;
    }
}

void ReadSupport(const XmlAttributes& attributes, TShipSupport& support) {
    for (const XmlAttribute& attribute : attributes) {
        const Attribute a{attribute.name, attribute.value};
        a.Text("Name", support.Name) || a.Integer("PL", support.PL, kUnofferedPL) ||
            a.Text("Tech", support.Tech) || a.Decimal("Power", support.Power, kNoPower) ||
            a.Integer("Cost", support.Cost, 999) ||
            a.Decimal("Hull", support.Hull, ShipDecimal::Whole(999)) ||
            a.Text("Notes", support.Notes);
    }
}

XmlHandlers Handlers(ShipCatalogue& catalogue) {
    return XmlHandlers::ForTags(
        [&catalogue](const std::string& name, const XmlAttributes& attributes) {
            if (name == "HULL")
                ReadHull(attributes, catalogue.Hulls.emplace_back());
            else if (name == "ARMOR")
                ReadArmor(attributes, catalogue.Armor.emplace_back());
            else if (name == "POWER")
                ReadPower(attributes, catalogue.Power.emplace_back());
            else if (name == "ENGINE")
                ReadEngine(attributes, catalogue.Engines.emplace_back());
            else if (name == "FTL")
                ReadFTL(attributes, catalogue.FTL.emplace_back());
            else if (name == "SUPPORT")
                ReadSupport(attributes, catalogue.Support.emplace_back());
        });
}

} // namespace

XmlReadResult ReadShipCatalogue(const std::filesystem::path& file, ShipCatalogue& catalogue) {
    return ReadXmlFile(file, Handlers(catalogue));
}

XmlReadResult ReadShipCatalogueText(std::string_view text, ShipCatalogue& catalogue) {
    return ReadXmlText(text, Handlers(catalogue), "ship_data.xml");
}

ShipFilter::ShipFilter() {
    SetPL(7, true);
    tech_.fill(true);
}

bool ShipFilter::PLTicked(int pl) const {
    return pl >= kLowestShipPL && pl <= kHighestShipPL && pl_[pl - kLowestShipPL];
}

void ShipFilter::SetPL(int pl, bool ticked) {
    if (pl < kLowestShipPL || pl > kHighestShipPL) return;
    for (int level = kLowestShipPL; level <= kHighestShipPL; ++level)
        if (ticked ? level <= pl : level >= pl) pl_[level - kLowestShipPL] = ticked;
}

namespace {
int TrackIndex(char letter) {
    for (std::size_t i = 0; i < kTechTracks.size(); ++i)
        if (kTechTracks[i].letter == letter) return static_cast<int>(i);
    return -1;
}
} // namespace

bool ShipFilter::TechTicked(char letter) const {
    const int index = TrackIndex(letter);
    return index >= 0 && tech_[index];
}

bool ShipFilter::SetTech(char letter, bool ticked) {
    const int index = TrackIndex(letter);
    if (index < 0) return false;
    tech_[index] = ticked;
    return true;
}

bool ShipFilter::Offers(int pl, std::string_view tech) const {
    const bool techOffered = tech == "*" || std::any_of(tech.begin(), tech.end(),
                                                        [this](char c) { return TechTicked(c); });
    return techOffered && PLTicked(pl);
}

bool ArmorFitsHull(std::string_view tough, std::string_view armorType) {
    if (tough == "Sm") return armorType != "super-heavy" && armorType != "heavy";
    if (tough == "Lt") return armorType != "super-heavy";
    return true;
}
