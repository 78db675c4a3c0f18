#pragma once
// Checks the catalogues of the data folder the way the program reads them, and lists what a
// reader would silently get wrong: a value it cannot convert (with the fallback it takes), an
// element or attribute it passes over only because of its letter case, a free skill or a
// weapon/armor subcategory that names no skill, and a name given twice within one catalogue.
// The conversions are the readers' own (xml/ValueParsing.h, hero/NumberRanges.h), so the lint
// and the readers agree on what reads.

#include "app/Paths.h"

#include <string>
#include <vector>

struct LintFinding {
    std::string file;    // the catalogue's file name, "equipment.xml"
    std::string entry;   // the element and its name, EQUIPMENTITEM "Shard Knife"; may be empty
    std::string problem; // MASS "heavy" is not a number; 0 used
};

// One line: `file: entry: problem` (without the entry when there is none).
std::string LintLine(const LintFinding& finding);

// Every finding over the catalogues of `paths.DataDir()`, catalogue by catalogue, each in
// file order. A catalogue that is missing is skipped, except config.xml, which the program
// cannot start without.
std::vector<LintFinding> LintDataFolder(const AppPaths& paths);
