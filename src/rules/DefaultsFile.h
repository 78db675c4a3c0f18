#pragma once
// The defaults file "defaults.xml" beside the program: the active sources and the person's
// custom perks, flaws and cyberware items.

#include "hero/TypeDefinitions.h"
#include "xml/XmlEventReader.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

struct CustomDefaults {
    std::vector<PerkFlawItem> perks;
    std::vector<PerkFlawItem> flaws;
    std::vector<TCyberTech> cyberItems; // source "Custom"
};

// Reads the file. Each piece of the Sources Active list (split at ",", not trimmed) is handed
// to `onSourcePiece`; custom perks, flaws and cyberware items are appended to `custom`.
XmlReadResult ReadDefaultsFile(const std::filesystem::path& file,
                               const std::function<void(const std::string&)>& onSourcePiece,
                               CustomDefaults& custom);

// The file's text: the declaration, <Defaults>, the Sources line, one line per custom perk,
// flaw and cyberware item (items whose source is "Custom" in any letter case), </Defaults>.
std::string FormatDefaults(const std::vector<std::string>& activeSources,
                           const std::vector<PerkFlawItem>& customPerks,
                           const std::vector<PerkFlawItem>& customFlaws,
                           const std::vector<TCyberTech>& cyberCatalogue);
