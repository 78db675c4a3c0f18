#pragma once
// The benefits catalogue "benefits.xml": every BENEFIT tag (start or empty, any letter case)
// is one benefit, in file order, whatever its source. Attribute names in any letter case.
// Costs are taken from -1000 to 1000 (else 0), levels from 0 to 1000 (else 100: not
// offered), bonuses from -99 to 99 (else 0).

#include "hero/TypeDefinitions.h"
#include "xml/XmlEventReader.h"

#include <filesystem>
#include <vector>

std::vector<TBenefit> ReadBenefitCatalogue(const std::filesystem::path& file,
                                           XmlReadResult* readResult = nullptr);
