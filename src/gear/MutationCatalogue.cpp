#include "gear/MutationCatalogue.h"

#include "hero/NumberRanges.h"

#include <utility>

namespace {
void ReadMutationAttribute(TMutation& mutation, const std::string& upper, const std::string& value) {
    const std::pair<const char*, std::string TMutation::*> texts[] = {
        {"NAME", &TMutation::Name},     {"CLASS", &TMutation::Class}, {"GROUP", &TMutation::Group},
        {"SOURCE", &TMutation::Source}, {"NOTE", &TMutation::Note}};
    for (const auto& [name, field] : texts)
        if (upper == name) {
            mutation.*field = value;
            return;
        }
    if (upper == "COST") {
        mutation.Cost = ParseIntegerIn(value, kSkillPointRange).value_or(0);
        return;
    }
    if (upper == "ATTRIB") {
        mutation.Attrib = ParseIntegerIn(value, kModifierRange).value_or(0);
        return;
    }
    const std::pair<const char*, int TBonuses::*> bonuses[] = {
        {"ACTION", &TBonuses::Action},   {"ACBONUS", &TBonuses::ACBonus},
        {"ACINCREASE", &TBonuses::ACIncrease}, {"STR", &TBonuses::Str},
        {"DEX", &TBonuses::Dex},         {"CON", &TBonuses::Con},
        {"INT", &TBonuses::Int},         {"WIL", &TBonuses::Wil},
        {"PER", &TBonuses::Per},         {"FATIGUE", &TBonuses::Fatigue},
        {"MORTAL", &TBonuses::Mortal},   {"STUN", &TBonuses::Stun},
        {"WOUND", &TBonuses::Wound}};
    for (const auto& [name, field] : bonuses)
        if (upper == name) {
            mutation.*field = ParseIntegerIn(value, kModifierRange).value_or(0);
            return;
        }
}
} // namespace

MutationCatalogue ReadMutationCatalogue(const std::filesystem::path& file,
                                        XmlReadResult* readResult) {
    MutationCatalogue catalogue;
    auto result = ReadXmlFile(file, XmlHandlers::ForTags([&](const std::string& element,
                                                             const XmlAttributes& attributes) {
        const std::string kind = UpperCase(element);
        if (kind != "ADVANTAGE" && kind != "DRAWBACK") return;
        TMutation mutation;
        for (const auto& [name, value] : attributes)
            ReadMutationAttribute(mutation, UpperCase(name), value);
        (kind == "ADVANTAGE" ? catalogue.advantages : catalogue.drawbacks)
            .push_back(std::move(mutation));
    }));
    if (readResult) *readResult = std::move(result);
    return catalogue;
}
