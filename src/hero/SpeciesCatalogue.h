#pragma once
// The species catalogue "species.xml": the quick scan that lists the names of the species
// of active sources, and the full read of the one species the hero chooses.

#include "hero/TypeDefinitions.h"
#include "xml/XmlEventReader.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Lists the species names of a catalogue whose source is active, in file order.
//
// The scanner remembers whether a species, its Name and its Source are open, and the last
// name and source it saw. None of that is reset between species or between scans: a species
// without a Source element takes the source of the species before it (in this scan or, for
// the first species, in the scan before). Keep one scanner for the program's whole run.
//
// Element names are compared without regard to letter case. Only start tags, content and
// end tags are looked at; an element written as an empty-element tag is not seen.
class SpeciesNameScanner {
public:
    std::vector<std::string> Scan(const std::filesystem::path& file,
                                  const std::function<bool(const std::string&)>& validSource,
                                  XmlReadResult* readResult = nullptr);

private:
    bool speciesOpen_ = false;
    bool nameOpen_ = false;
    bool sourceOpen_ = false;
    std::string lastName_;
    std::string lastSource_;
};

// Reads the species named `chosenName` from the catalogue: the first species of that exact
// name in the file, with Found set. When no species has that name the result is the last
// species of the file (Found false); with no species at all, the species defaults.
//
// Every species met on the way is read and writes the lines "CurSpecies.Name=<name>",
// "DurMult = <value>" and "PsiMult = <value>" (values as written) through `log`.
//
// Name, Source, ActionStep, FreeSkills, FreeSkill and STR..PER are recognised only when
// written exactly so; SPECIES, NOTE and all attribute names in any letter case.
// Problems the XML reader met are stored in `readResult` when one is given.
//
// Numbers are taken only within the range the rules use (hero/NumberRanges.h); a value
// outside it counts as unreadable:
//   field                              range         unreadable or out of range
//   ID                                 any integer   -1
//   SKILLPOINTS                        -1000..1000   0
//   BROADSKILLS                        0..99         0
//   DURMULT                            0..100        0
//   MOVEMULT1, MOVEMULT2, PSIMULT,
//   CYBERMULT                          0..100        ignored (stays 1)
//   CYBERBONUS, ActionStep             -99..99       ignored (stays 0)
//   STR..PER MIN and MAX               1..99         ignored (that limit stays as it was)
//   FreeSkills count                   0..12         ignored (the count stays as it was)
TSpeciesData ReadSpecies(const std::filesystem::path& file, const std::string& chosenName,
                         const std::function<void(const std::string&)>& log,
                         XmlReadResult* readResult = nullptr);

// Every species of a catalogue as ReadSpecies would read it, from one pass over the file: a
// species is chosen from these without reading the file again. Find(name, log) returns and
// logs exactly what ReadSpecies(file, name, log) would for the file as it was read.
class SpeciesRecords {
public:
    // Reads the catalogue; what the reader met is kept for the choices made from it.
    XmlReadResult Read(const std::filesystem::path& file);
    TSpeciesData Find(const std::string& chosenName,
                      const std::function<void(const std::string&)>& log) const;
    const XmlReadResult& ReadResult() const { return readResult_; }

    // One species from its start tag to the next: its record as it stood when it closed (or
    // when the next began), whether it closed, the lines it logged and the names it was given.
    struct Record {
        TSpeciesData data;
        bool closed = false;
        std::vector<std::string> logLines;
        std::vector<std::string> names;
    };

private:
    std::vector<Record> records_;
    XmlReadResult readResult_;
};
