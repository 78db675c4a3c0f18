#include "files/HeroFileReader.h"

#include "app/HeroOperations.h"
#include "files/ImportMessages.h"
#include "gear/Achievements.h"
#include "gear/Cyberware.h"
#include "gear/Equipment.h"
#include "gear/LastResortPoints.h"
#include "gear/Mutations.h"
#include "gear/WealthAccounts.h"
#include "hero/AttributeScores.h"
#include "hero/HeroIdentity.h"
#include "hero/ProfessionChoice.h"
#include "hero/SpeciesChoice.h"
#include "rules/RulesConfiguration.h"
#include "skills/FXPurchases.h"
#include "skills/PerksAndFlaws.h"
#include "skills/PsionicPurchases.h"
#include "skills/SkillBudget.h"
#include "skills/SkillCosts.h"
#include "skills/SkillPurchases.h"
#include "xml/ValueParsing.h"

#include <algorithm>

namespace {

// The value of the last attribute of that name (exact case), if any.
std::optional<std::string> Find(const XmlAttributes& attributes, std::string_view name) {
    std::optional<std::string> value;
    for (const XmlAttribute& attribute : attributes)
        if (attribute.name == name) value = attribute.value;
    return value;
}

std::string Text(const XmlAttributes& attributes, std::string_view name) {
    return Find(attributes, name).value_or(std::string());
}

// An integer attribute; an absent value or one that is not an integer gives the default.
int Integer(const XmlAttributes& attributes, std::string_view name, int fallback) {
    const auto value = Find(attributes, name);
    if (!value) return fallback;
    return ParseInteger(*value).value_or(fallback);
}

// The entry of a list whose text equals `value`; empty when none does.
std::string Offered(const std::string& value, const std::vector<std::string>& items) {
    return std::find(items.begin(), items.end(), value) != items.end() ? value : std::string();
}

// The sections of a hero file, in the words a person reads: "SkillPointAdjustments" is
// "skill point adjustments". Empty for elements that are not a section.
std::string SectionWords(const std::string& element) {
    static const char* const kSections[] = {"Sources",
                                            "Hero",
                                            "Species",
                                            "HeroAttributes",
                                            "Abilities",
                                            "ActionCheck",
                                            "Movement",
                                            "Durability",
                                            "Advancement",
                                            "Skills",
                                            "Perks",
                                            "Flaws",
                                            "PsionicSkills",
                                            "Equipment",
                                            "Cyberware",
                                            "Mutations",
                                            "FX",
                                            "SpecialItems",
                                            "Achievements",
                                            "SpecialNotes",
                                            "Notes",
                                            "Wealth",
                                            "LastResortPoints",
                                            "SkillPointAdjustments"};
    if (std::find(std::begin(kSections), std::end(kSections), element) == std::end(kSections))
        return {};
    if (element == "FX") return "FX";
    std::string words;
    for (char c : element) {
        if (c >= 'A' && c <= 'Z') {
            if (!words.empty()) words += ' ';
            words += static_cast<char>(c - 'A' + 'a');
        } else {
            words += c;
        }
    }
    return words;
}

} // namespace

HeroFileReader::HeroFileReader(HeroOperations& builder, ImportMessages& messages)
    : builder_(builder), messages_(messages) {
    RegisterEnvelope();
    RegisterSkills();
    RegisterPerksAndFlaws();
    RegisterPsionics();
    RegisterEquipment();
    RegisterFX();
    RegisterCyberware();
    RegisterAchievements();
    RegisterMutations();
    RegisterSpecialItems();
    RegisterNotes();
    RegisterSkillPointAdjustments();
    RegisterWealth();
    RegisterLastResortPoints();
}

void HeroFileReader::RegisterEnvelope() {
    handlers_["Sources"] = [this](const XmlAttributes& a) { SourcesElement(a); };
    handlers_["Source"] = [this](const XmlAttributes& a) { SourceElement(a); };
    handlers_["HeroAttributes"] = [this](const XmlAttributes& a) { HeroAttributesElement(a); };
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        handlers_[kAttributeNames[static_cast<std::size_t>(attribute)]] =
            [this, attribute](const XmlAttributes& a) { AttributeElement(attribute, a); };
}

void HeroFileReader::RegisterSkills() {
    handlers_["CashedOutSkill"] = [this](const XmlAttributes& a) { CashedOutSkillElement(a); };
    handlers_["Skill"] = [this](const XmlAttributes& a) { SkillElement(a); };
}

void HeroFileReader::RegisterPerksAndFlaws() {
    handlers_["Perk"] = [this](const XmlAttributes& a) {
        if (const auto name = Find(a, "Name")) builder_.PerksFlaws().AddPerk(*name);
    };
    handlers_["Flaw"] = [this](const XmlAttributes& a) {
        if (const auto name = Find(a, "Name")) builder_.PerksFlaws().AddFlaw(*name);
    };
}

void HeroFileReader::RegisterPsionics() {
    handlers_["PsionicSkill"] = [this](const XmlAttributes& a) { PsionicSkillElement(a); };
}

void HeroFileReader::RegisterFX() {
    // The specialization comes first: choosing it offers the FX afresh.
    handlers_["FX"] = [this](const XmlAttributes& a) {
        for (const XmlAttribute& attribute : a)
            if (attribute.name == "Specialization")
                builder_.FX().ChooseFXSpecializationByName(attribute.value);
    };
    handlers_["FXSkill"] = [this](const XmlAttributes& a) { FXSkillElement(a); };
}

void HeroFileReader::RegisterAchievements() {
    // Entries go through "Add Points" (a value that is not a whole number adds nothing);
    // benefits are bought by name, and one refused or unknown is passed over.
    handlers_["Achievement"] = [this](const XmlAttributes& a) {
        builder_.Advancement().AddPoints(Text(a, "Points"), Text(a, "Description"));
    };
    handlers_["Benefit"] = [this](const XmlAttributes& a) {
        for (const XmlAttribute& attribute : a)
            if (attribute.name == "Name" && !builder_.Advancement().AddBenefit(attribute.value))
                notices_.push_back("Benefit not bought: " + attribute.value +
                                   " is not in the catalogue, or its attribute is at its maximum");
    };
}

void HeroFileReader::RegisterMutations() {
    // Both kinds are reported with the same words when the catalogue lacks them.
    const auto mutation = [this](MutationKind kind, const XmlAttributes& a) {
        const std::string name = Find(a, "Name").value_or("-");
        if (!builder_.Mutants().AddMutation(kind, name))
            messages_.Report("Mutational Advantage \"" + name + "\" not recognized");
    };
    handlers_["Advantage"] = [mutation](const XmlAttributes& a) {
        mutation(MutationKind::Advantage, a);
    };
    handlers_["Drawback"] = [mutation](const XmlAttributes& a) {
        mutation(MutationKind::Drawback, a);
    };
}

void HeroFileReader::RegisterCyberware() {
    handlers_["Cyberware"] = [this](const XmlAttributes& a) { CyberwareElement(a); };
    // The installed item is the catalogue's: only the name is read.
    handlers_["CyberItem"] = [this](const XmlAttributes& a) {
        const std::string name = Find(a, "Name").value_or("-");
        if (!builder_.Cyber().AddCyberware(name))
            messages_.Report("Cyberware \"" + name + "\" not recognized");
    };
}

void HeroFileReader::RegisterEquipment() {
    // Items are taken as written, not looked up in the catalogue.
    handlers_["EquipmentItem"] = [this](const XmlAttributes& a) {
        TEquipmentItem item;
        item.Name = Text(a, "Name");
        item.Category = Text(a, "Category");
        item.Subcategory = Text(a, "Subcategory");
        item.Availability = Text(a, "Availability");
        item.Source = Text(a, "Source");
        item.Type = Text(a, "Type");
        item.Range = Text(a, "Range");
        item.AP = Text(a, "AP");
        item.Hide = Text(a, "Hide");
        item.DmgO = Text(a, "Dmg1");
        item.DmgG = Text(a, "Dmg2");
        item.DmgA = Text(a, "Dmg3");
        const auto mass = Find(a, "Mass");
        item.Mass = mass ? ParseDecimal(*mass).value_or(0.0) : 0.0;
        item.Cost = Integer(a, "Cost", 0);
        item.PL = Integer(a, "PL", 0);
        item.Quantity = Integer(a, "Number", 0);
        item.Ammo = Integer(a, "Ammo", -1);
        builder_.Gear().AddEquipment(item);
    };
}

void HeroFileReader::RegisterSpecialItems() {
    handlers_["Primitive"] = [this](const XmlAttributes& a) { PrimitiveElement(a); };
}

void HeroFileReader::RegisterNotes() {
    handlers_["Note"] = [this](const XmlAttributes& a) { NoteElement(a); };
}

void HeroFileReader::RegisterSkillPointAdjustments() {
    handlers_["SkillPointAdj"] = [this](const XmlAttributes& a) { SkillPointAdjElement(a); };
}

void HeroFileReader::RegisterWealth() {
    // Each detail joins the account read last; one before any account has none to join.
    handlers_["Account"] = [this](const XmlAttributes& a) {
        lastAccount_.reset();
        for (const XmlAttribute& attribute : a) {
            if (attribute.name != "Name") continue;
            if (builder_.Wealth().AddAccount(attribute.value)) {
                lastAccount_ = attribute.value;
            } else if (Trim(attribute.value).empty()) {
                notices_.push_back("An account without a name was left out, with its details");
            } else {
                notices_.push_back("Account \"" + attribute.value +
                                   "\" appears twice: its details are added to the first");
                lastAccount_ = attribute.value;
            }
        }
    };
    handlers_["AccountDetail"] = [this](const XmlAttributes& a) {
        const std::string description = Text(a, "Desc");
        const std::string amountText = Find(a, "Amt").value_or("0");
        ParsedMoney amount = ParseMoney(amountText, '.');
        if (amount.kind == MoneyText::NotNumeric) amount = ParseMoney(amountText, ',');
        if (!lastAccount_) {
            notices_.push_back("Account detail \"" + description +
                               "\" belongs to no account and was left out");
            return;
        }
        // An amount that is not a number counts as 0.
        const std::int64_t value = amount.kind == MoneyText::Amount ? amount.amount : 0;
        if (amount.kind == MoneyText::TooLarge ||
            !builder_.Wealth().AddAccountDetail(*lastAccount_, description, value))
            notices_.push_back("Account detail \"" + description + "\" of account \"" +
                               *lastAccount_ + "\" was left out: its amount " + amountText +
                               " takes the balance beyond " + FormatMoney(kMoneyLimit, '.'));
    };
}

void HeroFileReader::RegisterLastResortPoints() {
    handlers_["LastResortPoint"] = [this](const XmlAttributes& a) {
        builder_.LastResortLedger().AddLastResortPoints(Integer(a, "Cost", 0), Integer(a, "Amt", 0),
                                                        Text(a, "Desc"));
    };
}

XmlReadResult HeroFileReader::Read(std::string_view text, const std::string& fileName) {
    primitiveSeen_ = false;
    freeNotes_.clear();
    notices_.clear();
    fileScores_.assign(kAttributeCount, std::nullopt);
    rootName_.clear();
    rootClosed_ = false;
    lastClosedSection_.clear();
    lastAccount_.reset();

    XmlHandlers handlers;
    handlers.startTag = [this](const std::string& name, const XmlAttributes& attributes) {
        OnTag(name, attributes);
    };
    // An empty-element tag opens and closes its element at once.
    handlers.emptyTag = [this](const std::string& name, const XmlAttributes& attributes) {
        OnTag(name, attributes);
        OnEnd(name);
    };
    // Note lines keep their blanks and tabs exactly as written.
    handlers.keepWhitespace = true;
    handlers.content = [this](const std::string& content) { OnContent(content); };
    handlers.endTag = [this](const std::string& name) { OnEnd(name); };
    XmlReadResult result = ReadXmlText(text, handlers, fileName);
    FinishSources();
    if (const auto nul = text.find('\0'); nul != std::string_view::npos) {
        const auto line = 1 + std::count(text.begin(), text.begin() + static_cast<long>(nul), '\n');
        notices_.push_back("The file holds a byte that is not text (NUL) on line " +
                           std::to_string(line) + ": what follows it may be missing.");
    }
    if (!rootName_.empty() && !rootClosed_)
        notices_.push_back(lastClosedSection_.empty()
                               ? std::string("The file ends before the hero is complete.")
                               : "The file ends before the hero is complete: what follows the " +
                                     lastClosedSection_ + " section is missing.");
    // Empty lines at the end carry nothing.
    while (!freeNotes_.empty() && freeNotes_.back().empty())
        freeNotes_.pop_back();
    if (!freeNotes_.empty()) {
        std::string notes;
        for (std::size_t i = 0; i < freeNotes_.size(); ++i)
            notes += (i ? "\n" : "") + freeNotes_[i];
        builder_.Document().Hero.FreeNotes = std::move(notes);
        builder_.Document().Touch(Aspect::Identity);
    }
    return result;
}

void HeroFileReader::OnTag(const std::string& name, const XmlAttributes& attributes) {
    if (sourcesBefore_ && name != "Source") FinishSources();
    if (rootName_.empty()) rootName_ = name;
    lastStart_ = name;

    if (UpperCase(name) == "HERO") {
        HeroElement(attributes);
        return;
    }
    if (name == "Species") inSpecies_ = true;
    if (name == "Profession") inProfession_ = true;
    if (name == "Notes") inNotes_ = true;
    if (name == "Perk") inPerk_ = true;
    if (name == "Flaw") inFlaw_ = true;
    if (const auto handler = handlers_.find(name); handler != handlers_.end())
        handler->second(attributes);
}

void HeroFileReader::OnEnd(const std::string& name) {
    if (name == "Sources") FinishSources();
    if (name == rootName_) rootClosed_ = true;
    if (const std::string words = SectionWords(name); !words.empty()) lastClosedSection_ = words;
    lastStart_.clear();
    if (name == "Species") inSpecies_ = false;
    if (name == "Profession") inProfession_ = false;
    if (name == "Notes") inNotes_ = false;
    if (name == "Note") {
        // A note line left empty is still a line of the notes.
        if (inNotes_ && inNote_ && !noteHadContent_) AppendFreeNote("");
        inNote_ = false;
    }
    if (name == "Perk") inPerk_ = false;
    if (name == "Flaw") inFlaw_ = false;
}

void HeroFileReader::OnContent(const std::string& text) {
    // Older files name the species and the profession as the content of their elements.
    const bool named = lastStart_ == "Species" || lastStart_ == "Profession";
    // Names are compared with their white space collapsed, as the catalogues give them.
    if (inSpecies_) {
        if (const std::string name = CollapseWhitespace(text); !name.empty())
            ChooseSpecies(name, named);
    } else if (inProfession_) {
        if (const std::string name = CollapseWhitespace(text); !name.empty())
            ChooseProfession(name, named);
    } else if (inNotes_ && inNote_) {
        AppendFreeNote(text);
        noteHadContent_ = true;
    }
    // Content inside "Perk" and "Flaw" ticks the perk or flaw of that name (again).
    if (inPerk_) builder_.PerksFlaws().AddPerk(Trim(text));
    if (inFlaw_) builder_.PerksFlaws().AddFlaw(Trim(text));
}

// --- the envelope -------------------------------------------------------------------------

void HeroFileReader::SourcesElement(const XmlAttributes&) {
    sourcesBefore_ = builder_.Rules().sources.Active();
    builder_.Rules().ClearSources();
}

void HeroFileReader::SourceElement(const XmlAttributes& attributes) {
    RulesConfiguration& rules = builder_.Rules();
    for (const XmlAttribute& attribute : attributes) {
        if (attribute.name != "Name") continue;
        if (attribute.value == "Core" || rules.ValidSource(attribute.value)) continue;
        if (rules.sources.FindEntryByCaption(attribute.value) < 0)
            notices_.push_back("Unknown source: " + attribute.value);
        if (!sourcesBefore_) sourcesBefore_ = rules.sources.Active();
        rules.ActivateSource(attribute.value);
    }
}

void HeroFileReader::FinishSources() {
    if (!sourcesBefore_) return;
    const bool changed = *sourcesBefore_ != builder_.Rules().sources.Active();
    sourcesBefore_.reset();
    if (changed) builder_.ReloadCatalogues();
}

void HeroFileReader::ChooseSpecies(const std::string& name, bool reportUnknown) {
    const std::vector<std::string> species = builder_.Species().List();
    bool found = false;
    for (std::size_t i = 0; i < species.size(); ++i)
        if (species[i] == name) {
            builder_.ChooseSpecies(static_cast<int>(i));
            found = true;
        }
    if (!found && reportUnknown && !Trim(name).empty())
        notices_.push_back("Unknown species: " + name);
}

void HeroFileReader::ChooseProfession(const std::string& name, bool reportUnknown) {
    const std::vector<std::string> professions = builder_.Professions().choices;
    bool found = false;
    for (std::size_t i = 0; i < professions.size(); ++i)
        if (professions[i] == name) {
            builder_.ChooseProfession(static_cast<int>(i));
            found = true;
        }
    if (!found && reportUnknown && !Trim(name).empty())
        notices_.push_back("Unknown profession: " + name);
}

void HeroFileReader::HeroElement(const XmlAttributes& attributes) {
    THero& hero = builder_.Document().Hero;
    for (const XmlAttribute& attribute : attributes) {
        const std::string& name = attribute.name;
        const std::string& value = attribute.value;
        if (name == "HeroName") {
            hero.HeroName = value;
        } else if (name == "Ruleset") {
            builder_.SetRuleSet(value);
        } else if (name == "PlayerName") {
            hero.Player = value;
        } else if (name == "Career") {
            hero.Career = value;
        } else if (name == "GameMaster") {
            hero.GameMaster = value;
        } else if (name == "Gender") {
            const auto position = ParseInteger(value);
            hero.Gender =
                position && *position >= 0 && *position < static_cast<int>(kGenderChoices.size())
                    ? kGenderChoices[static_cast<std::size_t>(*position)]
                    : std::string();
        } else if (name == "Profession") {
            ChooseProfession(value, true);
        } else if (name == "Specialization") {
            builder_.ChooseProfession(hero.ProfessionIndex);
            const std::vector<std::string> list = builder_.Professions().specializations;
            for (std::size_t i = 0; i < list.size(); ++i)
                if (list[i] == value) builder_.ChooseSpecialization(static_cast<int>(i));
        } else if (name == "Species") {
            ChooseSpecies(value, true);
        }
    }
    builder_.Document().Touch(Aspect::Identity);
}

void HeroFileReader::HeroAttributesElement(const XmlAttributes& attributes) {
    THero& hero = builder_.Document().Hero;
    const GameConfiguration& config = builder_.Rules().config;
    auto offer = [this](const XmlAttribute& attribute, const std::vector<std::string>& items,
                        const char* what) {
        const std::string offered = Offered(attribute.value, items);
        if (offered.empty() && !attribute.value.empty())
            notices_.push_back(std::string("Unknown ") + what + ": " + attribute.value);
        return offered;
    };
    for (const XmlAttribute& attribute : attributes) {
        if (attribute.name == "Motivation")
            hero.Motivation = offer(attribute, config.motivations, "motivation");
        else if (attribute.name == "MoralAttitude")
            hero.MoralAttitude = offer(attribute, config.moralAttitudes, "moral attitude");
        else if (attribute.name == "Trait1")
            hero.Trait1 = offer(attribute, config.traits, "trait");
        else if (attribute.name == "Trait2")
            hero.Trait2 = offer(attribute, config.traits, "trait");
    }
    builder_.Document().Touch(Aspect::Identity);
}

void HeroFileReader::AttributeElement(int attribute, const XmlAttributes& attributes) {
    // The species limit lines carry no "Score" and do nothing.
    for (const XmlAttribute& entry : attributes)
        if (entry.name == "Score")
            if (const auto score = ParseInteger(entry.value)) {
                fileScores_[static_cast<std::size_t>(attribute)] = *score;
                builder_.Attributes().SetScore(attribute, *score);
            }
}

// --- the list sections --------------------------------------------------------------------

void HeroFileReader::CashedOutSkillElement(const XmlAttributes& attributes) {
    for (const XmlAttribute& attribute : attributes)
        if (attribute.name == "Name" && !builder_.Skills().CashOutFreeSkill(attribute.value))
            notices_.push_back("Cash-out refused: " + attribute.value +
                               " is not a free skill of the species, or was cashed out already");
}

void HeroFileReader::SkillElement(const XmlAttributes& attributes) {
    const std::string name = Text(attributes, "Name");
    const std::string detail = Text(attributes, "Detail");
    const int level = std::min(Integer(attributes, "Level", 1), kHighestRank);
    if (builder_.Skills().AddSkill(name, detail, level)) return;
    // A psionic skill stored as a skill is bought as one.
    if (builder_.Psionics().AddPsi(name, level)) return;
    // The level is named as the file wrote it.
    const auto written = Find(attributes, "Level");
    messages_.Report("Unknown skill: " + name + " " + detail + " " +
                     (written ? *written : std::string("1")));
}

void HeroFileReader::PsionicSkillElement(const XmlAttributes& attributes) {
    const std::string name = Text(attributes, "Name");
    const int level = std::min(Integer(attributes, "Level", 1), kHighestRank);
    if (builder_.Psionics().AddPsi(name, level)) return;
    const auto written = Find(attributes, "Level");
    messages_.Report("Unknown Psionic Skill: " + name + "  " +
                     (written ? *written : std::string("1")));
}

void HeroFileReader::FXSkillElement(const XmlAttributes& attributes) {
    const std::string name = Text(attributes, "Name");
    const std::string detail = Text(attributes, "Detail");
    const int rank = Integer(attributes, "Rank", 1);
    bool active = false;
    if (const auto value = Find(attributes, "Active"))
        active = ParseBooleanText(*value).value_or(false);
    if (builder_.FX().AddFX(name, std::min(rank, kHighestRank), active)) return;
    messages_.Report("Unknown FXSkill: " + name + " " + detail + " " + std::to_string(rank));
}

void HeroFileReader::CyberwareElement(const XmlAttributes& attributes) {
    if (Find(attributes, "Skill") == "True") builder_.SetCyberSkill(true);
    // "CyberItem" lines are read by the cyberware subsystem.
}

void HeroFileReader::PrimitiveElement(const XmlAttributes& attributes) {
    primitiveSeen_ = true;
    for (const XmlAttribute& attribute : attributes)
        if (attribute.name == "ReducePenalty" && attribute.value == "True")
            builder_.SetPrimitive(true);
}

void HeroFileReader::NoteElement(const XmlAttributes&) {
    inNote_ = true;
    noteHadContent_ = false;
}

void HeroFileReader::AppendFreeNote(const std::string& line) {
    freeNotes_.push_back(line);
}

void HeroFileReader::SkillPointAdjElement(const XmlAttributes& attributes) {
    builder_.Budget().AddAdjustment(Integer(attributes, "Amt", 0), Text(attributes, "Desc"));
}
