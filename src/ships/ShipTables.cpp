#include "ships/ShipTables.h"

#include <string>

namespace {

std::string Number(int value) {
    return std::to_string(value);
}

// "currency" followed by ",000" (and what follows it in that column).
std::string Thousands(long long value, const ShipNumberFormat& format, const char* tail = "") {
    return format.currency.Format(value) + ",000" + tail;
}

// "$", the number, "000" (and what follows it in that column).
std::string Dollars(long long value, const char* tail = "") {
    return "$" + std::to_string(value) + "000" + tail;
}

std::string TwoDecimals(ShipDecimal value, const ShipNumberFormat& format) {
    return FixedText(value.Value(), 2, format.decimalSeparator);
}

std::string General(ShipDecimal value, const ShipNumberFormat& format) {
    return GeneralText(value.Value(), format.decimalSeparator);
}

// Power per hull point, or "-" when the component gives none.
std::string PowerOrDash(ShipDecimal power, const ShipNumberFormat& format) {
    return power.millionths > 0 ? TwoDecimals(power, format) + "/HP" : "-";
}

} // namespace

TableView HullTable(const std::vector<TShipHulls>& hulls, const std::vector<std::size_t>& offered,
                    const ShipNumberFormat& format) {
    TableView table{{"Name", "Type", "Points", "Bonus", "Tough", "Target", "Mvr", "Stun", "Wnd",
                     "Mtl", "Crit", "Crew", "Cost"}};
    for (std::size_t i : offered) {
        const TShipHulls& hull = hulls[i];
        table.push_back(
            {hull.Name, hull.Type, Number(hull.Points), hull.Bonus == 0 ? "-" : Number(hull.Bonus),
             hull.Tough, (hull.Target > 0 ? "+" : "") + Number(hull.Target) + " Steps",
             Number(hull.Mvr), Number(hull.Stun), Number(hull.Wound), Number(hull.Mortal),
             Number(hull.Crit), Number(hull.Crew), Thousands(hull.Cost, format)});
    }
    return table;
}

TableView ArmorTable(const std::vector<TShipArmor>& armor, const std::vector<std::size_t>& offered,
                     const ShipNumberFormat& format) {
    TableView table{{"Armor Type", "Type", "PL", "Tech", "LI", "HI", "En", "Hull", "Cost"}};
    for (std::size_t i : offered) {
        const TShipArmor& a = armor[i];
        table.push_back({a.Name, a.Type, Number(a.PL), a.Tech, a.LI, a.HI, a.En,
                         General(a.Hull, format) + "%", Thousands(a.Cost, format)});
    }
    return table;
}

TableView PowerTable(const std::vector<TShipPower>& power, const std::vector<std::size_t>& offered,
                     const ShipNumberFormat& format) {
    TableView table{{"Power Plant", "PL", "Tech", "Power", "Fixed Cost", "Variable Cost", "MinSize",
                     "Fuel", "Fuel Cost", "Fuel Efficiency"}};
    for (std::size_t i : offered) {
        const TShipPower& p = power[i];
        table.push_back({p.Name, Number(p.PL), p.Tech, TwoDecimals(p.Power, format) + "/HP",
                         Dollars(p.BaseCost), Thousands(p.Cost, format), Number(p.MinSize),
                         p.Fuel ? "Yes" : "No", p.Fuel ? Dollars(p.FuelCost) : "-",
                         p.Fuel ? Number(p.FuelEff) : "-"});
    }
    return table;
}

TableView EngineTable(const std::vector<TShipEngine>& engines,
                      const std::vector<std::size_t>& offered, const ShipNumberFormat& format) {
    TableView table{{"Engine", "PL", "Tech", "Power", "Fixed Cost", "Variable Cost", "MinSize"}};
    for (int share : kAccShares)
        table[0].push_back(Number(share) + "%");
    table[0].insert(table[0].end(), {"Eff", "Fuel Cost"});
    for (std::size_t i : offered) {
        const TShipEngine& e = engines[i];
        TableRow row{e.Name,
                     Number(e.PL),
                     e.Tech,
                     TwoDecimals(e.Power, format) + "/HP",
                     Dollars(e.BaseCost),
                     Thousands(e.Cost, format, "/hp"),
                     Number(e.MinSize)};
        for (ShipDecimal acc : e.Acc)
            row.push_back(e.Acc[0].millionths > 0 ? TwoDecimals(acc, format) : "-");
        const bool fuel = e.FuelCost >= 1;
        row.push_back(fuel ? Number(e.FuelEff) : "-");
        row.push_back(fuel ? Dollars(e.FuelCost) : "-");
        table.push_back(std::move(row));
    }
    return table;
}

TableView FTLTable(const std::vector<TShipFTL>& drives, const std::vector<std::size_t>& offered,
                   const ShipNumberFormat& format) {
    TableView table{{"FTL Drive", "PL", "Tech", "Power", "Fixed Cost", "Variable Cost", "MinSize",
                     "Fixed Size"}};
    for (int share : kAccShares)
        table[0].push_back(Number(share) + "%");
    for (std::size_t i : offered) {
        const TShipFTL& f = drives[i];
        TableRow row{f.Name,
                     Number(f.PL),
                     f.Tech,
                     PowerOrDash(f.Power, format),
                     f.BaseCost < 1 ? "$0" : Dollars(f.BaseCost),
                     Dollars(f.Cost, "/HP"),
                     Number(f.MinSize),
                     f.FixedSize < 1 ? "N/A" : Number(f.FixedSize) + "%"};
        row.insert(row.end(), f.Acc.begin(), f.Acc.end());
        table.push_back(std::move(row));
    }
    return table;
}

TableView SupportTable(const std::vector<TShipSupport>& systems,
                       const std::vector<std::size_t>& offered, const ShipNumberFormat& format) {
    TableView table{{"System", "PL", "Tech", "Hull", "Power", "Cost", "Notes"}};
    for (std::size_t i : offered) {
        const TShipSupport& s = systems[i];
        table.push_back({s.Name, Number(s.PL), s.Tech, General(s.Hull, format),
                         PowerOrDash(s.Power, format), Dollars(s.Cost, "/HP"), s.Notes});
    }
    return table;
}

TableView EntryHeader() {
    return {{"HP", "Pwr", "Description"}};
}

namespace {
ShipDecimal EntrySize(const TShipSupport& support) {
    return support.Hull;
}
template <class Component> ShipDecimal EntrySize(const Component& component) {
    return component.Size;
}
} // namespace

template <class Component>
TableView EntryTable(const std::vector<Component>& entries, const ShipNumberFormat& format) {
    TableView table = EntryHeader();
    for (const Component& entry : entries) {
        const ShipDecimal size = EntrySize(entry);
        table.push_back({General(size, format),
                         GeneralText(ComponentPower(size, entry.Power), format.decimalSeparator),
                         entry.Name});
    }
    return table;
}

template TableView EntryTable(const std::vector<TShipPower>&, const ShipNumberFormat&);
template TableView EntryTable(const std::vector<TShipEngine>&, const ShipNumberFormat&);
template TableView EntryTable(const std::vector<TShipFTL>&, const ShipNumberFormat&);
template TableView EntryTable(const std::vector<TShipSupport>&, const ShipNumberFormat&);
