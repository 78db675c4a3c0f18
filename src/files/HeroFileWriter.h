#pragma once
// The hero file writer: the hero as the text of a hero file, line by line in the program's
// layout (CR LF line ends, fixed indentation, fixed element and attribute order). Values are
// escaped and every start tag is closed, so the file is well-formed XML.
//
// The file has two halves: the envelope with the identity, species, attributes and a
// snapshot of the derived numbers (which no reader reads back), then one section per list of
// the hero. Each list section is written by one member function, in the order of
// `HeroFileWriter::Text`; a subsystem that gains a list fills its section there.
//
// A career template is the same file written in career mode: in place of the identity,
// species block, attributes and snapshot stands one hero element naming the profession,
// species, rule set and the template's name and source, with one line per description line;
// the list sections follow, without perks and flaws.

#include "app/ViewData.h"
#include "hero/TypeDefinitions.h"

#include <string>
#include <string_view>
#include <vector>

// The lines of a multi-line text as a list box holds them ("\n" between lines, a "\r" before
// it dropped): a final line break ends the last line rather than starting an empty one.
std::vector<std::string> TextLines(const std::string& text);

class HeroOperations;
struct THero;

// What a career template says of itself: its name, the source book it belongs to and its
// description, one entry per line.
struct CareerDescriptor {
    std::string Name;
    std::string Source;
    std::vector<std::string> Notes;
};

class HeroFileWriter {
public:
    // A hero file.
    explicit HeroFileWriter(const HeroOperations& builder) : builder_(builder) {}
    // A career template described by `career`, which must outlive the writer.
    HeroFileWriter(const HeroOperations& builder, const CareerDescriptor& career)
        : builder_(builder), career_(&career) {}

    // The whole file.
    std::string Text() const;

private:
    // The envelope.
    void WriteSources(std::string& out) const;
    void WriteHeroStart(std::string& out) const;   // the hero element and the species block
    void WriteCareerStart(std::string& out) const; // the hero element of a career template
    void WriteHeroAttributes(std::string& out) const;
    void WriteAbilities(std::string& out) const;
    void WriteSnapshot(std::string& out) const; // action check, movement, durability
    void WriteAdvancement(std::string& out) const;

    // The list sections, in the order written.
    void WriteSkills(std::string& out) const;
    void WritePerks(std::string& out) const;
    void WriteFlaws(std::string& out) const;
    void WritePsionics(std::string& out) const;
    void WritePerkFlawLines(std::string& out, std::string_view section, std::string_view element,
                            const std::vector<PerkFlawItem>& catalogue,
                            const std::vector<PerkFlawItem>& custom) const;
    void WriteEquipment(std::string& out) const;
    void WriteCyberware(std::string& out) const;
    void WriteMutations(std::string& out) const;
    void WriteFX(std::string& out) const;
    void WriteSpecialItems(std::string& out) const;
    void WriteAchievements(std::string& out) const;
    void WriteSpecialNotes(std::string& out) const;
    void WriteNotes(std::string& out) const;
    void WriteWealth(std::string& out) const;
    void WriteLastResortPoints(std::string& out) const;
    void WriteSkillPointAdjustments(std::string& out) const;

    const THero& Hero() const;
    std::string Label(LabelName name) const;

    const HeroOperations& builder_;
    const CareerDescriptor* career_ = nullptr; // set in career mode
};

// The attribute abbreviation of a stored attribute number (1 STR .. 6 PER); "???" otherwise.
std::string AttributeAbbreviation(int attributeNumber);
