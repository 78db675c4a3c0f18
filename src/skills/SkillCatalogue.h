#pragma once
// The skill catalogue "skills.xml" (and the psionic catalogue, written the same way): one
// entry per empty-element tag, whatever its element name. Start tags are not entries.

#include "hero/TypeDefinitions.h"
#include "xml/XmlEventReader.h"

#include <filesystem>
#include <vector>

std::vector<TSkillItem> ReadSkillCatalogue(const std::filesystem::path& file,
                                           XmlReadResult* readResult = nullptr);

// Fills one entry from the attributes of its tag.
TSkillItem ReadSkillEntry(const XmlAttributes& attributes);
