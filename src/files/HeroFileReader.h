#pragma once
// The hero file reader: one pass over the file's events that rebuilds the hero by replaying
// the builder's own operations, inside one operation (sources, profession, species, rule set,
// attributes, each skill bought, ...), so every derived number is recomputed by the part that owns
// it.
//
// Element names are compared exactly, except the hero element ("Hero", "HERO", "hero").
// Nesting is not checked: an element is acted on wherever it stands, and start tags that
// older files never closed are accepted. Each element of a list section is handled by one
// member function registered in the section's Register... function; a subsystem that gains
// a list registers its elements there.

#include "xml/XmlEventReader.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class HeroOperations;
class ImportMessages;

class HeroFileReader {
public:
    HeroFileReader(HeroOperations& builder, ImportMessages& messages);

    // Reads the text of a hero file into the hero, which the caller has cleared.
    XmlReadResult Read(std::string_view text, const std::string& fileName);

    // A "Primitive" element was met.
    bool PrimitiveSeen() const { return primitiveSeen_; }
    // What the file names that the catalogues in play lack, or what had to change, and how
    // the file is damaged: reported after the lines reported while reading.
    const std::vector<std::string>& Notices() const { return notices_; }
    // Scores the file asked for, per attribute (STR..PER); none when it named none.
    const std::vector<std::optional<int>>& FileScores() const { return fileScores_; }

private:
    using Handler = std::function<void(const XmlAttributes&)>;

    void RegisterEnvelope();
    void RegisterSkills();
    void RegisterPerksAndFlaws();
    void RegisterPsionics();
    void RegisterFX();
    void RegisterAchievements();
    void RegisterMutations();
    void RegisterCyberware();
    void RegisterEquipment();
    void RegisterSpecialItems();
    void RegisterNotes();
    void RegisterSkillPointAdjustments();
    void RegisterWealth();
    void RegisterLastResortPoints();

    void OnTag(const std::string& name, const XmlAttributes& attributes);
    void OnContent(const std::string& text);
    void OnEnd(const std::string& name);

    // The envelope.
    void SourcesElement(const XmlAttributes& attributes);
    void SourceElement(const XmlAttributes& attributes);
    void HeroElement(const XmlAttributes& attributes);
    void HeroAttributesElement(const XmlAttributes& attributes);
    void AttributeElement(int attribute, const XmlAttributes& attributes);
    // The list sections.
    void CashedOutSkillElement(const XmlAttributes& attributes);
    void SkillElement(const XmlAttributes& attributes);
    void PsionicSkillElement(const XmlAttributes& attributes);
    void FXSkillElement(const XmlAttributes& attributes);
    void CyberwareElement(const XmlAttributes& attributes);
    void PrimitiveElement(const XmlAttributes& attributes);
    void NoteElement(const XmlAttributes& attributes);
    void SkillPointAdjElement(const XmlAttributes& attributes);

    // The sources a file names are in force: when they differ from those before, the
    // catalogues are read again so that the hero's entries of those sources are found.
    void FinishSources();
    // Chooses what the file names; a name the catalogues lack is noted when `reportUnknown`.
    void ChooseSpecies(const std::string& name, bool reportUnknown);
    void ChooseProfession(const std::string& name, bool reportUnknown);
    void AppendFreeNote(const std::string& line);

    HeroOperations& builder_;
    ImportMessages& messages_;
    std::map<std::string, Handler, std::less<>> handlers_;

    // Content flags: set by the element's start tag, cleared by its end tag.
    bool inSpecies_ = false;
    bool inProfession_ = false;
    bool inNotes_ = false;
    bool inNote_ = false;
    bool noteHadContent_ = false;
    bool inPerk_ = false;
    bool inFlaw_ = false;

    bool primitiveSeen_ = false;
    std::optional<std::vector<std::string>> sourcesBefore_; // set while a "Sources" is open
    std::string rootName_;                                  // the first element of the file
    bool rootClosed_ = false;                               // its end tag was met
    std::string lastStart_;                                 // the element whose content comes next
    std::string lastClosedSection_; // the last section of the hero that ended
    std::vector<std::string> notices_;
    std::vector<std::optional<int>> fileScores_;
    std::vector<std::string> freeNotes_;
    std::optional<std::string> lastAccount_; // the account the next "AccountDetail" joins
};
