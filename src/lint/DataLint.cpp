#include "lint/DataLint.h"

#include "hero/NumberRanges.h"
#include "hero/Professions.h"
#include "hero/TypeDefinitions.h"
#include "ships/ShipCatalogue.h"
#include "ships/ShipNumbers.h"
#include "skills/SkillCatalogue.h"
#include "xml/ValueParsing.h"
#include "xml/XmlEventReader.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <system_error>
#include <tuple>

namespace fs = std::filesystem;

std::string LintLine(const LintFinding& finding) {
    std::string line = finding.file + ": ";
    if (!finding.entry.empty()) line += finding.entry + ": ";
    return line + finding.problem;
}

namespace {

// How a reader converts an attribute's value.
enum class Conversion {
    Text,        // kept as written
    Integer,     // ParseInteger, optionally within a range
    Integer64,   // ParseInteger64
    Decimal,     // ParseDecimal, optionally within a range
    Boolean,     // ParseBooleanText
    TrueText,    // true exactly for "TRUE" in any letter case, anything else false
    ShipDecimal, // ParseShipDecimal to the catalogue's places
};

constexpr IntRange kAnyInteger{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
constexpr DecimalRange kAnyDecimal{-std::numeric_limits<double>::max(),
                                   std::numeric_limits<double>::max()};

// One attribute a reader takes, with the value it uses when the text does not convert.
struct Field {
    std::string_view name; // upper-cased, or exactly as the reader compares it when `exact`
    Conversion conversion = Conversion::Text;
    std::string_view fallback;
    IntRange integers = kAnyInteger;
    DecimalRange decimals = kAnyDecimal;
    bool exact = false;
};

Field Text(std::string_view name) {
    return {name, Conversion::Text, {}};
}
Field Int(std::string_view name, std::string_view fallback, IntRange range = kAnyInteger) {
    return {name, Conversion::Integer, fallback, range};
}
Field Int64(std::string_view name, std::string_view fallback) {
    return {name, Conversion::Integer64, fallback, kAnyInteger};
}
Field Dec(std::string_view name, std::string_view fallback, DecimalRange range = kAnyDecimal) {
    return {name, Conversion::Decimal, fallback, kAnyInteger, range};
}
Field Bool(std::string_view name, std::string_view fallback) {
    return {name, Conversion::Boolean, fallback, kAnyInteger};
}
Field Flag(std::string_view name) {
    return {name, Conversion::TrueText, "false used", kAnyInteger};
}
Field ShipDec(std::string_view name, std::string_view fallback) {
    return {name, Conversion::ShipDecimal, fallback, kAnyInteger};
}
Field Exact(Field field) {
    field.exact = true;
    return field;
}
std::vector<Field> Exact(std::vector<Field> fields) {
    for (Field& field : fields)
        field.exact = true;
    return fields;
}
std::vector<Field> operator+(std::vector<Field> fields, const std::vector<Field>& more) {
    fields.insert(fields.end(), more.begin(), more.end());
    return fields;
}

bool Names(const Field& field, const std::string& attribute) {
    return field.exact ? attribute == field.name : UpperCase(attribute) == field.name;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// What is wrong with `value` for `field`, without the fallback; none when it converts.
std::optional<std::string> ConversionProblem(const Field& field, const std::string& value) {
    const std::string written = Quoted(value);
    switch (field.conversion) {
    case Conversion::Text:
        return std::nullopt;
    case Conversion::Integer: {
        const auto number = ParseInteger(value);
        if (!number) return written + " is not a whole number";
        if (!field.integers.Contains(*number))
            return written + " is outside " + std::to_string(field.integers.lowest) + " to " +
                   std::to_string(field.integers.highest);
        return std::nullopt;
    }
    case Conversion::Integer64:
        if (!ParseInteger64(value)) return written + " is not a whole number";
        return std::nullopt;
    case Conversion::Decimal: {
        const auto number = ParseDecimal(value);
        if (!number) return written + " is not a number";
        if (!field.decimals.Contains(*number))
            return written + " is outside " + FormatDecimal(field.decimals.lowest) + " to " +
                   FormatDecimal(field.decimals.highest);
        return std::nullopt;
    }
    case Conversion::Boolean:
        if (!ParseBooleanText(value)) return written + " is not True, False or a whole number";
        return std::nullopt;
    case Conversion::TrueText: {
        const std::string upper = UpperCase(value);
        if (upper != "TRUE" && upper != "FALSE") return written + " is neither TRUE nor FALSE";
        return std::nullopt;
    }
    case Conversion::ShipDecimal:
        if (!ParseShipDecimal(value, kCatalogueDecimalPlaces))
            return written + " is not a number the catalogue can hold";
        return std::nullopt;
    }
    return std::nullopt;
}

// One kind of catalogue element and the attributes its reader takes.
struct Element {
    std::string_view name; // upper-cased, or as compared when `exact`; empty for any element
    bool exact = false;
    std::vector<Field> fields;
};

// One element a flat catalogue read, as written.
struct Entry {
    const Element* rule = nullptr;
    std::string tag;
    std::string name;
    std::string label; // TAG "name"
    XmlAttributes attributes;

    std::string Value(std::string_view upperName) const {
        for (const XmlAttribute& attribute : attributes)
            if (UpperCase(attribute.name) == upperName) return attribute.value;
        return {};
    }
};

// The findings of one catalogue file.
class Checker {
public:
    Checker(std::string file, std::vector<LintFinding>& findings)
        : file_(std::move(file)), findings_(findings) {}

    const std::string& File() const { return file_; }

    void Report(const std::string& entry, std::string problem) {
        findings_.push_back({file_, entry, std::move(problem)});
    }

    // False (with a finding) when the file is there but could not be read at all.
    bool ReportReadResult(const XmlReadResult& result) {
        if (!result.opened) {
            Report("", "could not be read");
            return false;
        }
        for (const XmlError& error : result.errors)
            Report("", "line " + std::to_string(error.line) + ": " + error.message);
        return true;
    }

    // The rule a tag falls under; a tag that would fall under an exactly compared rule but
    // for its letter case is reported and falls under none.
    const Element* Match(const std::vector<Element>& rules, const std::string& tag,
                         const XmlAttributes& attributes) {
        const std::string upper = UpperCase(tag);
        for (const Element& rule : rules)
            if (rule.name.empty() || (rule.exact ? tag == rule.name : upper == rule.name))
                return &rule;
        for (const Element& rule : rules)
            if (rule.exact && upper == UpperCase(rule.name))
                Report(Label(tag, NameOf(nullptr, attributes)),
                       IgnoredForCase("element", tag, rule.name));
        return nullptr;
    }

    static std::string IgnoredForCase(std::string_view what, const std::string& written,
                                      std::string_view wanted) {
        return std::string(what) + " " + Quoted(written) + " is ignored: the reader takes only " +
               Quoted(wanted);
    }

    // The NAME attribute as the rule's reader takes it (any letter case without a rule).
    static std::string NameOf(const Element* rule, const XmlAttributes& attributes) {
        for (const XmlAttribute& attribute : attributes) {
            if (!rule) {
                if (UpperCase(attribute.name) == "NAME") return attribute.value;
                continue;
            }
            for (const Field& field : rule->fields)
                if (UpperCase(field.name) == "NAME" && Names(field, attribute.name))
                    return attribute.value;
        }
        return {};
    }

    static std::string Label(const std::string& tag, const std::string& name) {
        return name.empty() ? tag : tag + " " + Quoted(name);
    }

    // Each attribute the rule converts and cannot, and each it ignores for its letter case.
    void CheckAttributes(const std::string& label, const Element& rule,
                         const XmlAttributes& attributes) {
        for (const XmlAttribute& attribute : attributes) {
            const auto field =
                std::find_if(rule.fields.begin(), rule.fields.end(),
                             [&](const Field& f) { return Names(f, attribute.name); });
            if (field != rule.fields.end()) {
                CheckValue(label, *field, attribute);
                continue;
            }
            const std::string upper = UpperCase(attribute.name);
            for (const Field& f : rule.fields)
                if (f.exact && upper == UpperCase(f.name)) {
                    Report(label, IgnoredForCase("attribute", attribute.name, f.name));
                    break;
                }
        }
    }

    void CheckValue(const std::string& label, const Field& field, const XmlAttribute& attribute) {
        if (const auto problem = ConversionProblem(field, attribute.value))
            Report(label, attribute.name + " " + *problem + "; " + std::string(field.fallback));
    }

    // Reports `name` when it was already given within `scope`.
    void NoteName(const std::string& scope, const std::string& label, const std::string& name) {
        if (name.empty()) return;
        if (!names_[scope].insert(name).second) Report(label, "the name is given twice");
    }

    // Reads a catalogue whose entries are single tags: every tag a rule takes is checked and
    // returned in file order.
    std::vector<Entry> ReadFlat(const fs::path& path, const std::vector<Element>& rules,
                                bool emptyTagsOnly = false) {
        std::vector<Entry> entries;
        const auto onTag = [&](const std::string& tag, const XmlAttributes& attributes) {
            const Element* rule = Match(rules, tag, attributes);
            if (!rule) return;
            Entry entry{rule, tag, NameOf(rule, attributes), {}, attributes};
            entry.label = Label(tag, entry.name);
            CheckAttributes(entry.label, *rule, attributes);
            entries.push_back(std::move(entry));
        };
        XmlHandlers handlers;
        handlers.emptyTag = onTag;
        if (!emptyTagsOnly) handlers.startTag = onTag;
        ReportReadResult(ReadXmlFile(path, handlers));
        return entries;
    }

    // Relabels the findings from `first` on (a species is named only after its attributes).
    std::size_t Count() const { return findings_.size(); }
    void Relabel(std::size_t first, const std::string& label) {
        for (std::size_t i = first; i < findings_.size(); ++i)
            if (findings_[i].file == file_ && !findings_[i].entry.empty())
                findings_[i].entry = label;
    }

private:
    std::string file_;
    std::vector<LintFinding>& findings_;
    std::map<std::string, std::set<std::string>> names_;
};

// Reports a name given twice within each element kind of `entries`.
void NoteNames(Checker& checker, const std::vector<Entry>& entries) {
    for (const Entry& entry : entries)
        checker.NoteName(std::string(entry.rule->name), entry.label, entry.name);
}

// ---------------------------------------------------------------------------
// What the other catalogues refer to
// ---------------------------------------------------------------------------

struct SkillNames {
    std::set<std::string> skills;   // skills.xml, as written
    std::set<std::string> upper;    // skills.xml, upper-cased
    std::set<std::string> psionics; // psionics.xml

    bool Known(const std::string& name) const {
        return skills.count(name) != 0 || psionics.count(name) != 0;
    }
};

SkillNames ReadSkillNames(const AppPaths& paths) {
    SkillNames names;
    for (const TSkillItem& skill : ReadSkillCatalogue(paths.InDataDir("skills.xml"))) {
        names.skills.insert(skill.Name);
        names.upper.insert(UpperCase(skill.Name));
    }
    for (const TSkillItem& psionic : ReadSkillCatalogue(paths.InDataDir("psionics.xml")))
        names.psionics.insert(psionic.Name);
    return names;
}

// The skill a weapon or armor of this subcategory is used with, upper-cased, as the combat
// tables look it up: the text after a "-" when there is one, and "Basic Armor" goes with
// Armor Operation.
std::string SkillOfSubcategory(const std::string& subcategory) {
    std::string wanted = UpperCase(subcategory);
    if (const auto dash = wanted.find('-'); dash != std::string::npos)
        wanted = Trim(wanted.substr(dash + 1));
    if (UpperCase(Trim(subcategory)) == "BASIC ARMOR") wanted = "ARMOR OPERATION";
    return wanted;
}

bool UsesSkill(const std::string& category) {
    return category == "Weapons" || category == "Armor";
}

void CheckSubcategory(Checker& checker, const SkillNames& skills, const std::string& label,
                      const std::string& subcategory) {
    if (skills.upper.count(SkillOfSubcategory(subcategory)) == 0)
        checker.Report(label,
                       "subcategory " + Quoted(subcategory) + " names no skill of skills.xml");
}

// ---------------------------------------------------------------------------
// The catalogues
// ---------------------------------------------------------------------------

const std::vector<Field> kBonusFields{
    Int("ACBONUS", "0 used", kModifierRange), Int("ACINCREASE", "0 used", kModifierRange),
    Int("ACTION", "0 used", kModifierRange),  Int("STR", "0 used", kModifierRange),
    Int("DEX", "0 used", kModifierRange),     Int("CON", "0 used", kModifierRange),
    Int("INT", "0 used", kModifierRange),     Int("WIL", "0 used", kModifierRange),
    Int("PER", "0 used", kModifierRange),     Int("FATIGUE", "0 used", kModifierRange),
    Int("MORTAL", "0 used", kModifierRange),  Int("STUN", "0 used", kModifierRange),
    Int("WOUND", "0 used", kModifierRange)};

void LintConfiguration(Checker& checker, const fs::path& file, const SkillNames& skills) {
    const std::vector<Field> named{Text("NAME"), Text("SOURCE")};
    const std::vector<Element> rules{
        {"SOURCE", false, {Text("NAME")}},
        {"Motivation", true, named},
        {"MoralAttitude", true, named},
        {"Trait", true, named},
        {"Profession", true,
         named + std::vector<Field>{Text("SKILLDISCOUNT"),
                                    Int("MINSTR", "0 used", kProfessionMinimumRange),
                                    Int("MINDEX", "0 used", kProfessionMinimumRange),
                                    Int("MINCON", "0 used", kProfessionMinimumRange),
                                    Int("MININT", "0 used", kProfessionMinimumRange),
                                    Int("MINWIL", "0 used", kProfessionMinimumRange),
                                    Int("MINPER", "0 used", kProfessionMinimumRange),
                                    Int("ACTIONMOD", "0 used", kModifierRange),
                                    Int("PSIADJ", "-0.5 used", kModifierRange)}},
        {"CATEGORY", false, {Text("NAME")}},
        {"SUBCATEGORY", false, {Text("NAME")}},
    };
    const std::vector<Entry> entries = checker.ReadFlat(file, rules);

    for (const TProfData& profession : BuiltInProfessions())
        checker.NoteName("Profession", "", profession.Name);
    std::string category;
    for (const Entry& entry : entries) {
        const std::string_view kind = entry.rule->name;
        if (kind == "CATEGORY") category = entry.name;
        if (kind == "SUBCATEGORY") {
            checker.NoteName("SUBCATEGORY of " + category, entry.label, entry.name);
            if (UsesSkill(category)) CheckSubcategory(checker, skills, entry.label, entry.name);
        } else {
            checker.NoteName(std::string(kind), entry.label, entry.name);
        }
    }
}

void LintRuleSets(Checker& checker, const fs::path& file) {
    const std::vector<Element> rules{
        {"RULESET",
         false,
         {Text("NAME"), Exact(Int("AttributePts", "60 used", kBudgetRange)),
          Exact(Int("SkillPtIntMod", "-1 used", kModifierRange)),
          Exact(Int("SkillPtMult", "5 used", kSkillPointMultiplierRange)),
          Exact(Int("FXPoints", "10 used", kBudgetRange)),
          Exact(Int("BonusSkillPts", "0 used", kSkillPointRange)),
          Exact(Bool("Rule2C", "False used"))}}};
    const std::vector<Entry> entries = checker.ReadFlat(file, rules);
    checker.NoteName("RULESET", "", "Core");
    NoteNames(checker, entries);
}

// Species are elements with children: the scalar fields are attributes of SPECIES, the name,
// source and action step child elements with content, free skills and limits child elements
// with attributes.
class SpeciesLint {
public:
    SpeciesLint(Checker& checker, const SkillNames& skills) : checker_(checker), skills_(skills) {}

    void Read(const fs::path& file) {
        XmlHandlers handlers =
            XmlHandlers::ForTags([this](const std::string& tag, const XmlAttributes& attributes) {
                OnTag(tag, attributes);
            });
        handlers.content = [this](const std::string& text) { OnContent(text); };
        handlers.endTag = [this](const std::string& tag) {
            if (UpperCase(tag) == "SPECIES") Close();
        };
        const XmlReadResult result = ReadXmlFile(file, handlers);
        Close();
        checker_.ReportReadResult(result);
    }

private:
    void OnTag(const std::string& tag, const XmlAttributes& attributes) {
        lastElement_ = tag;
        const std::string upper = UpperCase(tag);
        if (upper == "SPECIES") {
            Close();
            open_ = true;
            first_ = checker_.Count();
            name_.clear();
            freeSkills_ = 0;
            notes_ = 0;
            checker_.CheckAttributes(tag, speciesRule_, attributes);
            return;
        }
        if (!open_) return;
        static const std::vector<std::string_view> kExactChildren{
            "FreeSkills", "FreeSkill", "Name", "Source", "ActionStep", "STR",
            "DEX",        "CON",       "INT",  "WIL",    "PER"};
        for (std::string_view child : kExactChildren)
            if (upper == UpperCase(child) && tag != child)
                checker_.Report(Label(), Checker::IgnoredForCase("element", tag, child));

        if (tag == "FreeSkills") {
            if (!attributes.empty())
                checker_.CheckValue(Label(),
                                    Int("", "the count stays as it was",
                                        {0, static_cast<int>(TSpeciesData{}.FreeSkills.size())}),
                                    attributes.front());
        } else if (tag == "FreeSkill") {
            if (++freeSkills_ > static_cast<int>(TSpeciesData{}.FreeSkills.size())) {
                checker_.Report(Label(), "FreeSkill " +
                                             Quoted(Checker::NameOf(nullptr, attributes)) +
                                             " is ignored: a species holds 12 free skills");
                return;
            }
            for (const XmlAttribute& attribute : attributes)
                if (UpperCase(attribute.name) == "NAME" && !skills_.Known(attribute.value))
                    checker_.Report(Label(), "free skill " + Quoted(attribute.value) +
                                                 " names no skill of skills.xml or psionics.xml");
        } else if (std::find(kAttributeNames.begin(), kAttributeNames.end(), tag) !=
                   kAttributeNames.end()) {
            checker_.CheckAttributes(Label(), limitRule_, attributes);
        }
    }

    void OnContent(const std::string& text) {
        if (!open_) return;
        if (lastElement_ == "Name") {
            name_ = text;
            checker_.Relabel(first_, Label());
            checker_.NoteName("SPECIES", Label(), name_);
        } else if (lastElement_ == "ActionStep") {
            checker_.CheckValue(Label(), Int("", "0 used", kModifierRange), {"ActionStep", text});
        } else if (UpperCase(lastElement_) == "NOTE" &&
                   ++notes_ > static_cast<int>(TSpeciesData{}.Notes.size())) {
            checker_.Report(Label(), "note " + Quoted(text) + " is dropped: a species holds " +
                                         std::to_string(TSpeciesData{}.Notes.size()) + " notes");
        }
    }

    void Close() {
        if (!open_) return;
        checker_.Relabel(first_, Label());
        open_ = false;
    }

    std::string Label() const { return Checker::Label("SPECIES", name_); }

    Checker& checker_;
    const SkillNames& skills_;
    bool open_ = false;
    std::size_t first_ = 0;
    std::string name_;
    std::string lastElement_;
    int freeSkills_ = 0;
    int notes_ = 0;
    const Element speciesRule_{"SPECIES",
                               false,
                               {Int("ID", "-1 used"),
                                Flag("PSIONIC"),
                                Flag("CANGLIDE"),
                                Flag("CANFLY"),
                                Flag("PRIMITIVE"),
                                Flag("CYBERSKILL"),
                                Text("ARMOR"),
                                Text("NATURALATTACK"),
                                Text("DMGO"),
                                Text("DMGG"),
                                Text("DMGA"),
                                Int("SKILLPOINTS", "0 used", kSkillPointRange),
                                Int("BROADSKILLS", "0 used", kCountRange),
                                Dec("DURMULT", "0 used", kMultiplierRange),
                                Dec("CYBERMULT", "1 used", kMultiplierRange),
                                Int("CYBERBONUS", "0 used", kModifierRange),
                                Dec("MOVEMULT1", "1 used", kMultiplierRange),
                                Dec("MOVEMULT2", "1 used", kMultiplierRange),
                                Bool("MOVESDC", "False used"),
                                Bool("MOVECALC", "False used"),
                                Dec("PSIMULT", "1 used", kMultiplierRange)}};
    const Element limitRule_{"",
                             false,
                             {Int("MIN", "the limit stays as it was", kAttributeLimitRange),
                              Int("MAX", "the limit stays as it was", kAttributeLimitRange)}};
};

void LintSkillList(Checker& checker, const fs::path& file) {
    // Every empty-element tag is an entry, whatever its name.
    const std::vector<Element> rules{
        {"",
         false,
         {Text("NAME"), Text("BROADSKILL"), Text("SOURCE"), Text("PROFESSIONS"),
          Int("ATTRIB", "-2 used"), Bool("COMBATSPEC", "False used"), Flag("UNTRAINED"),
          Flag("MULTI"), Int("BASEPRICE", "100 used", kSkillPointRange)}}};
    NoteNames(checker, checker.ReadFlat(file, rules, true));
}

void LintFX(Checker& checker, const fs::path& file) {
    const std::vector<Element> rules{
        {"Skill",
         true,
         {Text("NAME"), Text("SOURCE"), Text("FXT"), Text("BROADSKILL"),
          Int("ATTRIB", "-2 used", kModifierRange), Bool("CANBEACTIVE", "False used"),
          Flag("UNTRAINED"), Int("ENERGY", "99 used", kSkillPointRange),
          Int("ACTIVECOST", "99 used", kSkillPointRange),
          Int("ACTIVECOST2", "99 used", kSkillPointRange),
          Int("COST", "99 used", kSkillPointRange)}},
        {"FXBenefit", true,
         std::vector<Field>{Text("NAME"), Text("NOTE"), Int("RANK", "0 used", {-1000, 1000})} +
             kBonusFields}};
    for (const Entry& entry : checker.ReadFlat(file, rules)) {
        if (entry.rule->name == "Skill")
            checker.NoteName("Skill", entry.label, entry.name);
        else
            checker.NoteName("FXBenefit", entry.label + " rank " + entry.Value("RANK"),
                             entry.name + "\n" + entry.Value("RANK"));
    }
}

void LintPerksAndFlaws(Checker& checker, const fs::path& file) {
    const std::vector<Field> fields{Text("NAME"), Text("SOURCE"),
                                    Int("COST", "0 used", kSkillPointRange)};
    NoteNames(checker, checker.ReadFlat(file, {{"PERK", false, fields}, {"FLAW", false, fields}}));
}

void LintBenefits(Checker& checker, const fs::path& file) {
    std::vector<Field> fields{Text("NAME"), Text("SOURCE")};
    for (const char* cost : {"CCOST", "DCOST", "FCOST", "TCOST", "MCOST"})
        fields.push_back(Int(cost, "0 used", kSkillPointRange));
    for (const char* level : {"CLEVEL", "DLEVEL", "FLEVEL", "TLEVEL", "MLEVEL"})
        fields.push_back(Int(level, "100 used", kBenefitLevelRange));
    NoteNames(checker, checker.ReadFlat(file, {{"BENEFIT", false, fields + kBonusFields}}));
}

void LintMutations(Checker& checker, const fs::path& file) {
    const std::vector<Field> fields = std::vector<Field>{Text("NAME"),
                                                         Text("CLASS"),
                                                         Text("GROUP"),
                                                         Text("SOURCE"),
                                                         Text("NOTE"),
                                                         Int("COST", "0 used", kSkillPointRange),
                                                         Int("ATTRIB", "0 used", kModifierRange)} +
                                      kBonusFields;
    NoteNames(checker,
              checker.ReadFlat(file, {{"ADVANTAGE", false, fields}, {"DRAWBACK", false, fields}}));
}

void LintEquipment(Checker& checker, const fs::path& file, const SkillNames& skills) {
    std::vector<Field> fields;
    for (const char* text : {"NAME", "CATEGORY", "SUBCATEGORY", "AVAILABILITY", "SOURCE", "HIDE",
                             "AP", "TYPE", "RANGE", "LI", "DMGO", "HI", "DMGG", "EN", "DMGA"})
        fields.push_back(Text(text));
    fields.push_back(Dec("MASS", "0 used"));
    fields.push_back(Int("COST", "0 used"));
    fields.push_back(Int("PL", "0 used"));
    for (const Entry& entry : checker.ReadFlat(file, {{"EQUIPMENTITEM", false, fields}})) {
        checker.NoteName("EQUIPMENTITEM", entry.label, entry.name);
        if (UsesSkill(entry.Value("CATEGORY")))
            CheckSubcategory(checker, skills, entry.label, entry.Value("SUBCATEGORY"));
    }
}

void LintCyberware(Checker& checker, const fs::path& file) {
    const TCyberTech defaults;
    const std::string pl = std::to_string(defaults.PL) + " used";
    const std::string quality = std::to_string(defaults.Quality) + " used";
    const std::string size = std::to_string(defaults.Size) + " used";
    const std::string cost = std::to_string(defaults.Cost) + " used";
    const std::string mass = FormatDecimal(defaults.Mass) + " used";
    const std::vector<Element> rules{
        {"CYBERITEM",
         false,
         {Text("NAME"), Text("NOTE"), Text("SOURCE"), Int("PL", pl), Int("QUALITY", quality),
          Int("SIZE", size), Int("COST", cost), Dec("MASS", mass), Flag("MULTI"),
          Flag("NANOCOMPREQ"), Flag("SKILLREQ")}}};
    NoteNames(checker, checker.ReadFlat(file, rules));
}

void LintRobots(Checker& checker, const fs::path& file) {
    // Every number of a part keeps its default of 0 when it does not convert.
    const auto ints = [](std::initializer_list<const char*> names) {
        std::vector<Field> fields;
        for (const char* name : names)
            fields.push_back(Int(name, "0 used"));
        return fields;
    };
    const auto decimals = [](std::initializer_list<const char*> names) {
        std::vector<Field> fields;
        for (const char* name : names)
            fields.push_back(Dec(name, "0 used"));
        return fields;
    };
    const auto texts = [](std::initializer_list<const char*> names) {
        std::vector<Field> fields{Text("NAME"), Text("SOURCE"), Int("PL", "0 used")};
        for (const char* name : names)
            fields.push_back(Text(name));
        return fields;
    };
    const std::vector<Element> rules{
        {"PROCESSOR", false, texts({}) + ints({"AM", "MAXRANK", "STEPMOD", "INT", "COST"})},
        {"CHASIS", false, texts({"TECH"}) + decimals({"WEIGHT"}) + ints({"COST", "SIZE", "CON"})},
        {"MATERIAL", false, texts({"CLASS", "TECH"}) + decimals({"WEIGHTX", "COSTX"})},
        {"CASING", false, texts({"TECH", "NOTE", "ARMOR"}) + decimals({"WEIGHTX", "COSTX"})},
        {"ACTUATOR", false, texts({}) + decimals({"WEIGHTX", "COSTX"}) + ints({"STR", "DEX"})},
        {"PROPULSION", false, texts({"TECH"}) + ints({"WEIGHTX", "COSTX"})},
        {"POWER", false, texts({"TECH"})},
        {"PORT", false, texts({"NOTE"}) + ints({"WEIGHT", "COST"})},
        {"MANIPULATOR", false, texts({}) + ints({"WEIGHT", "COST", "COSTSP"})},
        {"SENSOR", false, texts({"NOTE"}) + ints({"WEIGHT", "COST", "COSTSP"})},
        {"UPGRADE", false,
         texts({"NOTE", "CLASS"}) + ints({"DEX", "PER", "WIL", "LIFTX", "AC", "ACTIONS", "COST"})},
    };
    NoteNames(checker, checker.ReadFlat(file, rules));
}

void LintShips(Checker& checker, const fs::path& file) {
    // Element and attribute names are compared exactly as written.
    const std::vector<Field> drive{Text("Name"),
                                   Int("PL", "10 used (never offered)"),
                                   Text("Tech"),
                                   ShipDec("Power", "-1 used"),
                                   Int("BaseCost", "1000000 used"),
                                   Int("Cost", "1000000 used"),
                                   Int("FuelCost", "0 used"),
                                   Int("FuelEff", "0 used")};
    std::vector<Field> accelerations, accelerationTexts;
    for (const char* name : {"Acc5", "Acc10", "Acc15", "Acc20", "Acc30", "Acc40", "Acc50"}) {
        accelerations.push_back(ShipDec(name, "-1 used"));
        accelerationTexts.push_back(Text(name));
    }
    const std::vector<Element> rules{
        {"HULL", true,
         Exact({Text("Name"), Text("Type"), Int("Points", "100000 used"), Int("Bonus", "0 used"),
                Text("Tough"), Int("Target", "0 used"), Int("Mvr", "0 used"), Int("Stun", "0 used"),
                Int("Wound", "0 used"), Int("Mortal", "0 used"), Int("Crit", "0 used"),
                Int("Crew", "0 used"), Int64("Cost", "0 used")})},
        {"ARMOR", true,
         Exact({Text("Name"), Text("Type"), Int("PL", "10 used (never offered)"), Text("Tech"),
                Text("LI"), Text("HI"), Text("En"), ShipDec("Hull", "100 used"),
                Int("Cost", "1000000 used")})},
        {"POWER", true,
         Exact(drive +
               std::vector<Field>{Int("MinSize", "10000 used"), Bool("Fuel", "False used")})},
        {"ENGINE", true,
         Exact(drive + std::vector<Field>{Int("MinSize", "10000 used")} + accelerations)},
        {"FTL", true,
         Exact(drive + std::vector<Field>{Int("MinSize", "0 used"), Int("FixedSize", "0 used")} +
               accelerationTexts)},
        {"SUPPORT", true,
         Exact({Text("Name"), Int("PL", "10 used (never offered)"), Text("Tech"),
                ShipDec("Power", "-1 used"), Int("Cost", "999 used"), ShipDec("Hull", "999 used"),
                Text("Notes")})},
    };
    NoteNames(checker, checker.ReadFlat(file, rules));
}

} // namespace

std::vector<LintFinding> LintDataFolder(const AppPaths& paths) {
    std::vector<LintFinding> findings;
    const SkillNames skills = ReadSkillNames(paths);

    // Each catalogue that is there, under the name its reader opens.
    const auto lint = [&](const char* name, auto&& check) {
        const fs::path file = paths.InDataDir(name);
        std::error_code error;
        if (!fs::exists(file, error)) return;
        Checker checker(name, findings);
        check(checker, file);
    };

    std::error_code error;
    if (!fs::exists(paths.InDataDir("config.xml"), error))
        findings.push_back({"config.xml", "", "missing: the program cannot start without it"});
    lint("config.xml", [&](Checker& c, const fs::path& f) { LintConfiguration(c, f, skills); });
    lint("rulesets.xml", LintRuleSets);
    lint("species.xml", [&](Checker& c, const fs::path& f) { SpeciesLint(c, skills).Read(f); });
    lint("skills.xml", LintSkillList);
    lint("psionics.xml", LintSkillList);
    lint("fx.xml", LintFX);
    lint("perksnflaws.xml", LintPerksAndFlaws);
    lint("benefits.xml", LintBenefits);
    lint("mutations.xml", LintMutations);
    lint("equipment.xml", [&](Checker& c, const fs::path& f) { LintEquipment(c, f, skills); });
    lint("cyberware.xml", LintCyberware);
    lint("robots.xml", LintRobots);
    lint("ship_data.xml", LintShips);
    return findings;
}
