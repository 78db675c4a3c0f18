#include "skills/SkillCatalogue.h"

#include "hero/NumberRanges.h"
#include "xml/ValueParsing.h"

namespace {
constexpr int kUnreadableAttribute = -2;
// A price that is not an integer from -1000 to 1000 (kSkillPointRange); far beyond any
// skill point budget, so the entry is plainly unaffordable rather than free.
constexpr int kUnreadablePrice = 100;
} // namespace

TSkillItem ReadSkillEntry(const XmlAttributes& attributes) {
    TSkillItem skill;
    for (const auto& [name, value] : attributes) {
        const std::string upper = UpperCase(name);
        if (upper == "NAME") {
            skill.Name = value;
        } else if (upper == "BROADSKILL") {
            skill.BroadSkill = value;
        } else if (upper == "SOURCE") {
            skill.Source = value;
        } else if (upper == "ATTRIB") {
            skill.Attrib = ParseInteger(value).value_or(kUnreadableAttribute);
        } else if (upper == "COMBATSPEC") {
            if (const auto flag = ParseBooleanText(value)) skill.CombatSpec = *flag;
        } else if (upper == "UNTRAINED") {
            skill.Untrained = IsTrueText(value);
        } else if (upper == "MULTI") {
            skill.Multi = IsTrueText(value);
        } else if (upper == "PROFESSIONS") {
            const std::string letters = UpperCase(value);
            skill.ProfC = letters.find('C') != std::string::npos;
            skill.ProfD = letters.find('D') != std::string::npos;
            skill.ProfT = letters.find('T') != std::string::npos;
            skill.ProfF = letters.find('F') != std::string::npos;
            skill.ProfM = letters.find('M') != std::string::npos;
        } else if (upper == "BASEPRICE") {
            skill.Cost = ParseIntegerIn(value, kSkillPointRange).value_or(kUnreadablePrice);
        }
    }
    return skill;
}

std::vector<TSkillItem> ReadSkillCatalogue(const std::filesystem::path& file,
                                           XmlReadResult* readResult) {
    std::vector<TSkillItem> catalogue;
    XmlHandlers handlers;
    handlers.emptyTag = [&](const std::string&, const XmlAttributes& attributes) {
        catalogue.push_back(ReadSkillEntry(attributes));
    };
    auto result = ReadXmlFile(file, handlers);
    if (readResult) *readResult = std::move(result);
    return catalogue;
}
