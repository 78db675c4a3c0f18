#pragma once
// The hero sheet: a printable HTML page of the hero as the pages show it (identity, scores,
// combat tables, perks and flaws, cyberware, mutations, FX, the achievement track, the die
// step scale, skills and psionics, equipment and notes), and the File menu's "Export".
//
// Almost every value is the text of a view the builder shows, so the sheet and the pages
// cannot disagree. Every text is escaped, the page is UTF-8 with every element closed, and it
// is written atomically: a sheet that cannot be written leaves nothing half-written behind.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class HeroOperations;

// The question the Export command asks before the skill tables.
inline constexpr const char* kZeroLevelQuestion = "Paint Zero Level Skills?";

// The sheet's text, with these style rules in its head. With `zeroLevelSkills` the skill
// tables also list the skills the hero can use untrained without having bought them, and
// take two pages. Writes the "HTMLExport: " line to the main log when the sheet has a
// psionic section.
std::string HeroSheetText(HeroOperations& builder, const std::vector<std::string>& style,
                          bool zeroLevelSkills);

// Writes the sheet to `path`: the style sheet "character.css" of the data folder when there is
// one, else the built-in rules. False after an error box when the style sheet is there but
// cannot be read (nothing is written), or when the sheet cannot be written.
bool WriteHeroSheet(HeroOperations& builder, const std::filesystem::path& path,
                    bool zeroLevelSkills);

// Where "Export" writes without asking: the hero file's name with "html" in place of an
// ending "xml" in any letter case; none when the hero's file name does not end so.
std::optional<std::filesystem::path> SheetPathBeside(const std::string& heroFile);

// The File menu's "Export". A hero saved as "NAME.xml" gets "NAME.html" beside it, which is
// then opened in the viewer; any other hero asks for a path ("HTML Export") and the sheet is
// not opened; a cancelled dialog does nothing. Asks "Paint Zero Level Skills?" before
// writing. True when a sheet was written.
bool ExportHeroSheet(HeroOperations& builder);
