#pragma once
// Cyberware: the cyberware catalogue (cyberware.xml of active sources, then the custom items
// of the defaults file and of this page), the hero's installed items with their totals, and
// the cyber tolerance track they fill.

#include "app/ViewData.h"
#include "hero/HeroDocument.h"
#include "hero/TypeDefinitions.h"

#include <string>
#include <vector>

class RulesConfiguration;

// What the custom cyberware form holds, as typed.
struct CustomCyberForm {
    std::string name;
    std::string pl;      // "5".."9", empty when none chosen
    std::string quality; // "O", "G", "A", empty when none chosen
    std::string mass;
    std::string size;
    std::string cost;
    std::string details;
    bool skill = false;
    bool nanoComp = false;
};

// The form's fields, for the field to focus after a refusal.
enum class CyberField { None, Name, PL, Quality, Mass, Size, Cost };

class Cyberware {
public:
    Cyberware(HeroDocument& document, RulesConfiguration& rules)
        : document_(document), rules_(rules) {}

    // Reads cyberware.xml again; installed items whose source went away are dropped.
    void LoadCyberTech();

    // Installs a copy of the catalogue entry of a row (from 1 below the header).
    void Install(int row);
    // Installs the first catalogue entry of that name (hero files); false when none.
    bool AddCyberware(const std::string& name);
    // Removes the installed item of a row (from 1; 0 when none is selected).
    void Uninstall(int row);
    // "Add Custom Cyberware": checks the form, adds the entry to the catalogue and rewrites
    // the defaults file. Answers the field to focus, None when the entry was added.
    CyberField AddCustomCyberware(const CustomCyberForm& form);

    // The catalogue and installed grids, the totals, the tolerance track and its warning.
    void PaintCyberware();

    // File entries of active sources, then the custom items.
    std::vector<TCyberTech> Catalogue() const;

private:
    void Install(const TCyberTech& item);

    HeroDocument& document_;
    RulesConfiguration& rules_;
    std::vector<TCyberTech> fileEntries_;
};

// Reads the entries of cyberware.xml (all sources); a missing file gives none.
std::vector<TCyberTech> ReadCyberCatalogue(const std::filesystem::path& file,
                                           XmlReadResult* result = nullptr);

// The tolerance track: per point "x" used or "q" free, "s" between the three tiers. The
// tolerance is CON plus the species' cyber bonus; `over` when more size is installed.
struct CyberTrack {
    std::string text;
    bool over = false;
};
CyberTrack CyberTolerance(int constitution, int cyberBonus, int installedSize);

// Quality 1..3 as "O", "G", "A"; anything else "?".
std::string QualityLetter(int quality);

inline constexpr const char* kCyberCykosis = "Cyber-Cykosis!!!!";

// {"CyberTech", "PL", "Qual", "Mass", "Size", "Cost", "Skill", "NanoComp"}
inline constexpr TableName kCyberCatalogueTable{"CyberCatalogue"};
// {"CyberTech", "PL", "Qual", "Mass", "Size", "Cost"}
inline constexpr TableName kCyberwareTable{"Cyberware"};
inline constexpr LabelName kCyberCostLabel{"CyberCost"};
inline constexpr LabelName kCyberMassLabel{"CyberMass"};
inline constexpr LabelName kCyberSizeLabel{"CyberSize"};
inline constexpr LabelName kCyberToleranceLabel{"CyberTolerance"};
// "Cyber-Cykosis!!!!" in red while more is installed than the tolerance allows, else empty.
inline constexpr LabelName kCyberWarningLabel{"CyberWarning"};
