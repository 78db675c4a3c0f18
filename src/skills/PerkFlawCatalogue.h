#pragma once
// The perks and flaws catalogue "perksnflaws.xml": each PERK and FLAW tag (start or empty,
// any letter case) is one entry, in file order; other tags are ignored. Attribute names are
// taken in any letter case: NAME, SOURCE, COST. A COST that is not a whole number from -1000
// to 1000 reads as 0.

#include "hero/TypeDefinitions.h"
#include "xml/XmlEventReader.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

struct PerkFlawCatalogue {
    std::vector<PerkFlawItem> perks;
    std::vector<PerkFlawItem> flaws;
};

// `offered` says whether a source is active; each entry's `Offered` is set from it.
PerkFlawCatalogue ReadPerkFlawCatalogue(const std::filesystem::path& file,
                                        const std::function<bool(const std::string&)>& offered,
                                        XmlReadResult* readResult = nullptr);
