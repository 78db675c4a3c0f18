#pragma once
// The mutation catalogue "mutations.xml": ADVANTAGE and DRAWBACK tags (start or empty, any
// letter case), each appended to its list in file order whatever its source. Attribute names
// in any letter case; numbers that are not whole numbers from -99 to 99 (the cost from -1000
// to 1000) read as 0.

#include "hero/TypeDefinitions.h"
#include "xml/XmlEventReader.h"

#include <filesystem>
#include <vector>

struct MutationCatalogue {
    std::vector<TMutation> advantages;
    std::vector<TMutation> drawbacks;
};

MutationCatalogue ReadMutationCatalogue(const std::filesystem::path& file,
                                        XmlReadResult* readResult = nullptr);
