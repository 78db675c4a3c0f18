#include "hero/SpeciesCatalogue.h"

#include "hero/NumberRanges.h"
#include "xml/ValueParsing.h"

#include <algorithm>
#include <optional>
#include <tuple>

// ---------------------------------------------------------------------------
// Name scan
// ---------------------------------------------------------------------------

std::vector<std::string>
SpeciesNameScanner::Scan(const std::filesystem::path& file,
                         const std::function<bool(const std::string&)>& validSource,
                         XmlReadResult* readResult) {
    std::vector<std::string> names;
    XmlHandlers handlers;
    handlers.startTag = [this](const std::string& name, const XmlAttributes&) {
        const std::string upper = UpperCase(name);
        if (upper == "SPECIES") {
            speciesOpen_ = true;
        } else if (speciesOpen_) {
            if (upper == "NAME") nameOpen_ = true;
            if (upper == "SOURCE") sourceOpen_ = true;
        }
    };
    handlers.content = [this](const std::string& text) {
        if (!speciesOpen_) return;
        if (nameOpen_) lastName_ = text;
        if (sourceOpen_) lastSource_ = text;
    };
    handlers.endTag = [&](const std::string& name) {
        const std::string upper = UpperCase(name);
        if (upper == "NAME") {
            nameOpen_ = false;
        } else if (upper == "SOURCE") {
            sourceOpen_ = false;
        } else if (upper == "SPECIES") {
            if (validSource(lastSource_)) names.push_back(lastName_);
            speciesOpen_ = false;
        }
    };
    XmlReadResult result = ReadXmlFile(file, handlers);
    if (readResult) *readResult = std::move(result);
    return names;
}

// ---------------------------------------------------------------------------
// Full read of one species
// ---------------------------------------------------------------------------

namespace {

constexpr int kFreeSkillSlots =
    static_cast<int>(std::tuple_size_v<decltype(TSpeciesData::FreeSkills)>);

// Reads the catalogue for one chosen name, or, given `records`, every species at once: each
// species from its start tag on is kept with the lines it logs and the names it was given
// while open, so that SpeciesRecords::Find can answer any name as a read for it would.
class SpeciesReader {
public:
    SpeciesReader(const std::string& chosenName, const std::function<void(const std::string&)>& log,
                  std::vector<SpeciesRecords::Record>* records = nullptr)
        : chosenName_(chosenName), log_(log), records_(records) {}

    XmlReadResult Read(const std::filesystem::path& file) {
        XmlHandlers handlers =
            XmlHandlers::ForTags([this](const std::string& name, const XmlAttributes& attributes) {
                OnTag(name, attributes);
            });
        handlers.content = [this](const std::string& text) { OnContent(text); };
        handlers.endTag = [this](const std::string& name) {
            if (UpperCase(name) != "SPECIES") return;
            if (records_ && speciesOpen_ && !records_->empty()) {
                records_->back().data = species_;
                records_->back().closed = true;
            }
            speciesOpen_ = false;
        };
        XmlReadResult result = ReadXmlFile(file, handlers);
        if (records_ && !records_->empty() && !records_->back().closed)
            records_->back().data = species_;
        return result;
    }

    TSpeciesData Result() const { return species_; }

private:
    void OnTag(const std::string& name, const XmlAttributes& attributes) {
        lastElement_ = name;
        // Once the chosen species is complete, the rest of the file changes nothing.
        if (!speciesOpen_ && species_.Found) return;

        if (UpperCase(name) == "SPECIES") {
            if (records_) {
                if (!records_->empty() && !records_->back().closed)
                    records_->back().data = species_;
                records_->emplace_back();
            }
            species_ = TSpeciesData{};
            speciesOpen_ = true;
            freeSkillPosition_ = 1;
            for (const XmlAttribute& attribute : attributes)
                ReadSpeciesAttribute(UpperCase(attribute.name), attribute.value);
            return;
        }
        if (!speciesOpen_) return;

        if (name == "FreeSkills") {
            // The count is the first attribute, whatever its name. A count that is not an
            // integer from 0 to 12 leaves the count as it was.
            if (!attributes.empty()) {
                if (const auto count =
                        ParseIntegerIn(attributes.front().value, {0, kFreeSkillSlots}))
                    species_.FreeSkillCount = *count;
            }
        } else if (name == "FreeSkill") {
            // The record holds 12 free skills. Further FreeSkill elements are ignored and the
            // position stays after the twelfth, so they can never overwrite a granted one.
            if (freeSkillPosition_ > kFreeSkillSlots) return;
            for (const XmlAttribute& attribute : attributes)
                if (UpperCase(attribute.name) == "NAME")
                    species_.FreeSkills[static_cast<std::size_t>(freeSkillPosition_ - 1)] =
                        attribute.value;
            ++freeSkillPosition_;
        } else {
            for (int a = 0; a < kAttributeCount; ++a) {
                if (name != kAttributeNames[a]) continue;
                // A MIN or MAX that is not an integer from 1 to 99 leaves that limit as it was.
                for (const XmlAttribute& attribute : attributes) {
                    const std::string upper = UpperCase(attribute.name);
                    const auto value = ParseIntegerIn(attribute.value, kAttributeLimitRange);
                    if (!value) continue;
                    if (upper == "MIN") species_.AttrMin[a] = *value;
                    if (upper == "MAX") species_.AttrMax[a] = *value;
                }
            }
        }
    }

    void ReadSpeciesAttribute(const std::string& upper, const std::string& value) {
        TSpeciesData& s = species_;
        if (upper == "ID") {
            s.ID = ParseInteger(value).value_or(-1);
        } else if (upper == "PSIONIC") {
            s.Psionic = IsTrueText(value);
        } else if (upper == "ARMOR") {
            s.Armor = value;
        } else if (upper == "NATURALATTACK") {
            s.NaturalAttack = value;
        } else if (upper == "DMGO") {
            s.DmgO = value;
        } else if (upper == "DMGG") {
            s.DmgG = value;
        } else if (upper == "DMGA") {
            s.DmgA = value;
        } else if (upper == "CANGLIDE") {
            s.CanGlide = IsTrueText(value);
        } else if (upper == "CANFLY") {
            s.CanFly = IsTrueText(value);
        } else if (upper == "SKILLPOINTS") {
            s.SkillPoints = ParseIntegerIn(value, kSkillPointRange).value_or(0);
        } else if (upper == "BROADSKILLS") {
            s.BroadSkills = ParseIntegerIn(value, kCountRange).value_or(0);
        } else if (upper == "DURMULT") {
            Log("DurMult = " + value);
            s.DurMult = ParseDecimalIn(value, kMultiplierRange).value_or(0.0);
        } else if (upper == "PRIMITIVE") {
            s.Primitive = IsTrueText(value);
        } else if (upper == "CYBERSKILL") {
            s.CyberSkill = IsTrueText(value);
        } else if (upper == "CYBERMULT") {
            // Unreadable: the multiplier keeps its default of 1.
            if (const auto number = ParseDecimalIn(value, kMultiplierRange)) s.CyberMult = *number;
        } else if (upper == "CYBERBONUS") {
            // Unreadable: no bonus.
            if (const auto number = ParseIntegerIn(value, kModifierRange)) s.CyberBonus = *number;
        } else if (upper == "MOVEMULT1") {
            if (const auto number = ParseDecimalIn(value, kMultiplierRange)) s.MoveMult1 = *number;
        } else if (upper == "MOVEMULT2") {
            if (const auto number = ParseDecimalIn(value, kMultiplierRange)) s.MoveMult2 = *number;
        } else if (upper == "MOVESDC") {
            if (const auto flag = ParseBooleanText(value)) s.MoveSDC = *flag;
        } else if (upper == "MOVECALC") {
            if (const auto flag = ParseBooleanText(value)) s.MoveCalc = *flag;
        } else if (upper == "PSIMULT") {
            Log("PsiMult = " + value);
            if (const auto number = ParseDecimalIn(Trim(value), kMultiplierRange))
                s.PsiMult = *number;
        }
    }

    void Log(const std::string& line) const {
        if (records_ && !records_->empty()) records_->back().logLines.push_back(line);
        if (log_) log_(line);
    }

    void OnContent(const std::string& text) {
        if (!speciesOpen_) return;
        if (lastElement_ == "Name") {
            species_.Name = text;
            Log("CurSpecies.Name=" + text);
            if (records_ && !records_->empty())
                records_->back().names.push_back(text);
            else if (text == chosenName_)
                species_.Found = true;
        } else if (lastElement_ == "Source") {
            species_.Source = text;
        } else if (lastElement_ == "ActionStep") {
            if (const auto step = ParseIntegerIn(text, kModifierRange)) species_.ActionStep = *step;
        } else if (UpperCase(lastElement_) == "NOTE") {
            // Eight note lines; a ninth is dropped.
            for (std::string& note : species_.Notes) {
                if (!note.empty()) continue;
                note = text;
                break;
            }
        }
    }

    const std::string& chosenName_;
    const std::function<void(const std::string&)>& log_;
    TSpeciesData species_;
    bool speciesOpen_ = false;
    std::string lastElement_;
    int freeSkillPosition_ = 1; // 1-based position of the next FreeSkill
    std::vector<SpeciesRecords::Record>* records_;
};

} // namespace

TSpeciesData ReadSpecies(const std::filesystem::path& file, const std::string& chosenName,
                         const std::function<void(const std::string&)>& log,
                         XmlReadResult* readResult) {
    SpeciesReader reader(chosenName, log);
    XmlReadResult result = reader.Read(file);
    if (readResult) *readResult = std::move(result);
    return reader.Result();
}

// ---------------------------------------------------------------------------
// Every species, read once
// ---------------------------------------------------------------------------

XmlReadResult SpeciesRecords::Read(const std::filesystem::path& file) {
    records_.clear();
    const std::string noName;
    const std::function<void(const std::string&)> noLog;
    SpeciesReader reader(noName, noLog, &records_);
    readResult_ = reader.Read(file);
    return readResult_;
}

TSpeciesData SpeciesRecords::Find(const std::string& chosenName,
                                  const std::function<void(const std::string&)>& log) const {
    // A read for one name goes through the species in order, each logging its lines, and
    // stops at the first that was given the name and closed (or ended the file) while it
    // held it; a species given the name but never closed is started over by the next.
    for (std::size_t i = 0; i < records_.size(); ++i) {
        const Record& record = records_[i];
        if (log)
            for (const std::string& line : record.logLines)
                log(line);
        const bool named =
            std::find(record.names.begin(), record.names.end(), chosenName) != record.names.end();
        if (named && (record.closed || i + 1 == records_.size())) {
            TSpeciesData found = record.data;
            found.Found = true;
            return found;
        }
    }
    return records_.empty() ? TSpeciesData{} : records_.back().data;
}
