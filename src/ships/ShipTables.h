#pragma once
// The designer's tables as the window shows them: the component list of each section
// (header row first, one row per offered component) and the rows of the design's lists.

#include "app/ViewData.h"
#include "ships/ShipDesign.h"

#include <cstddef>
#include <vector>

// How numbers and money are written: the locale's decimal separator and currency format.
struct ShipNumberFormat {
    char decimalSeparator = '.';
    CurrencyFormat currency;
};

// Each takes the catalogue list and the positions of the components offered, in order.
TableView HullTable(const std::vector<TShipHulls>& hulls, const std::vector<std::size_t>& offered,
                    const ShipNumberFormat& format);
TableView ArmorTable(const std::vector<TShipArmor>& armor, const std::vector<std::size_t>& offered,
                     const ShipNumberFormat& format);
TableView PowerTable(const std::vector<TShipPower>& power, const std::vector<std::size_t>& offered,
                     const ShipNumberFormat& format);
TableView EngineTable(const std::vector<TShipEngine>& engines,
                      const std::vector<std::size_t>& offered, const ShipNumberFormat& format);
TableView FTLTable(const std::vector<TShipFTL>& drives, const std::vector<std::size_t>& offered,
                   const ShipNumberFormat& format);
TableView SupportTable(const std::vector<TShipSupport>& systems,
                       const std::vector<std::size_t>& offered, const ShipNumberFormat& format);

// A list of the design: "HP", "Pwr", "Description", one row per entry.
TableView EntryHeader();
template <class Component>
TableView EntryTable(const std::vector<Component>& entries, const ShipNumberFormat& format);
