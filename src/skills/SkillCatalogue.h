#pragma once
// The skill catalogue "skills.xml" (and the psionic catalogue, written the same way): one
// entry per empty-element tag, whatever its element name. Start tags are not entries.

#include "hero/TypeDefinitions.h"
#include "xml/XmlEventReader.h"

#include <filesystem>
#include <vector>

std::vector<TSkillItem> ReadSkillCatalogue(const std::filesystem::path& file,
                                           XmlReadResult* readResult = nullptr);

// Fills one entry from the attributes of its tag. BASEPRICE is taken from -1000 to 1000
// (hero/NumberRanges.h); a price that is not an integer in that range reads as 100. ATTRIB is
// kept as written when it is an integer (the skill table refuses one outside 0..6), -2 when
// it is not.
TSkillItem ReadSkillEntry(const XmlAttributes& attributes);
