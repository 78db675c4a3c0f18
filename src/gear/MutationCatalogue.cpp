#include "gear/MutationCatalogue.h"

#include "hero/BonusAttributes.h"
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
    ReadBonusAttribute(mutation, upper, value);
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
