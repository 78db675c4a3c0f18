#pragma once
// The starship component catalogue, "ship_data.xml": one list per section (hulls, armor,
// power plants, engines, FTL drives, command and support systems) in file order, and the
// filter that decides which components the designer offers.

#include "ships/ShipNumbers.h"
#include "xml/XmlEventReader.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

struct TShipHulls {
    std::string Name;
    std::string Type;
    int Points = 0;
    int Bonus = 0;     // extra hull points
    std::string Tough; // "Sm" and "Lt" restrict the armor
    int Target = 0;    // target modifier in steps
    int Mvr = 0;
    int Stun = 0;
    int Wound = 0;
    int Mortal = 0;
    int Crit = 0;
    int Crew = 0;
    std::int64_t Cost = 0; // thousands
};

struct TShipArmor {
    std::string Name;
    std::string Type; // "light", "heavy", "super-heavy", ...
    int PL = 0;
    ShipDecimal Hull; // percentage of the hull's points the armor takes
    std::string Tech;
    std::string LI;
    std::string HI;
    std::string En;
    int Cost = 0; // thousands per hull point
};

struct TShipPower {
    std::string Name;
    int PL = 0;
    ShipDecimal Size; // hull points given to it in a design
    std::string Tech;
    ShipDecimal Power; // per hull point
    int BaseCost = 0;  // thousands
    int Cost = 0;      // thousands per hull point
    int MinSize = 0;
    bool Fuel = false;
    int FuelCost = 0; // thousands
    int FuelEff = 0;
};

// The shares of the hull at which engines and FTL drives are rated: 5 %, 10 %, ... 50 %.
inline constexpr std::array<int, 7> kAccShares{5, 10, 15, 20, 30, 40, 50};

struct TShipEngine {
    std::string Name;
    int PL = 0;
    ShipDecimal Size;
    std::string Tech;
    ShipDecimal Power;
    int BaseCost = 0;
    int Cost = 0;
    int MinSize = 0;
    std::array<ShipDecimal, kAccShares.size()> Acc{}; // Acc5 ... Acc50
    int FuelEff = 0;
    int FuelCost = 0;
};

struct TShipFTL {
    std::string Name;
    int PL = 0;
    ShipDecimal Size;
    std::string Tech;
    ShipDecimal Power;
    int BaseCost = 0;
    int Cost = 0;
    int MinSize = 0;
    int FixedSize = 0; // percentage of the hull the drive always takes; below 1 = none
    std::array<std::string, kAccShares.size()> Acc{};
    int FuelEff = 0;
    int FuelCost = 0;
};

struct TShipSupport {
    std::string Name;
    int PL = 0;
    ShipDecimal Hull; // hull points it takes; in a design, the points given to it
    std::string Tech;
    ShipDecimal Power;
    int Cost = 0; // thousands per hull point
    std::string Notes;
};

struct ShipCatalogue {
    std::vector<TShipHulls> Hulls;
    std::vector<TShipArmor> Armor;
    std::vector<TShipPower> Power;
    std::vector<TShipEngine> Engines;
    std::vector<TShipFTL> FTL;
    std::vector<TShipSupport> Support;
};

// Catalogue decimals are kept to this many places.
inline constexpr int kCatalogueDecimalPlaces = 4;

// Reads the catalogue file into `catalogue` (appending). Element and attribute names are
// compared exactly as written; a value that cannot be read, or does not fit its field,
// takes the section's fallback. A missing file adds nothing.
XmlReadResult ReadShipCatalogue(const std::filesystem::path& file, ShipCatalogue& catalogue);
// The same over text held in memory.
XmlReadResult ReadShipCatalogueText(std::string_view text, ShipCatalogue& catalogue);

// The technology tracks, each with the letter components name it by and the hint its box
// shows.
struct TechTrack {
    char letter;
    std::string_view hint;
};
inline constexpr std::array<TechTrack, 11> kTechTracks{{
    {'G', "Gravity Manipulation"},
    {'D', "Dark Matter Tech"},
    {'A', "Anti-Matter Tech"},
    {'M', "Matter Coding"},
    {'F', "Fusion Tech"},
    {'Q', "Quantum Manipulation"},
    {'T', "Matter Transmission"},
    {'S', "Super Materials"},
    {'P', "Psi Tech"},
    {'X', "Energy Transformation"},
    {'C', "Computer Tech"},
}};

// The progress levels the designer offers, each with a box of its own.
inline constexpr int kLowestShipPL = 6;
inline constexpr int kHighestShipPL = 9;

// Which components are offered: the ticked progress level and technology boxes.
class ShipFilter {
public:
    ShipFilter(); // PL 6 and 7 and every technology ticked

    bool PLTicked(int pl) const;
    // Ticking a level ticks those below it; unticking one unticks those above it. Levels
    // without a box are ignored.
    void SetPL(int pl, bool ticked);

    bool TechTicked(char letter) const;
    // False when no box has that letter.
    bool SetTech(char letter, bool ticked);

    // A component of that level and technology: Tech "*" or any ticked letter, and a ticked
    // level between 6 and 9.
    bool Offers(int pl, std::string_view tech) const;

private:
    std::array<bool, kHighestShipPL - kLowestShipPL + 1> pl_{};
    std::array<bool, kTechTracks.size()> tech_{};
};

// Whether armor of that Type may be fitted to a hull of that toughness: "Sm" hulls take no
// heavy or super-heavy armor, "Lt" hulls no super-heavy armor.
bool ArmorFitsHull(std::string_view tough, std::string_view armorType);
