#include "skills/PerkFlawCatalogue.h"

#include "hero/NumberRanges.h"

PerkFlawCatalogue ReadPerkFlawCatalogue(const std::filesystem::path& file,
                                        const std::function<bool(const std::string&)>& offered,
                                        XmlReadResult* readResult) {
    PerkFlawCatalogue catalogue;
    const auto entry = [&](const std::string& element, const XmlAttributes& attributes) {
        const std::string kind = UpperCase(element);
        std::vector<PerkFlawItem>* list = kind == "PERK"   ? &catalogue.perks
                                          : kind == "FLAW" ? &catalogue.flaws
                                                           : nullptr;
        if (!list) return;
        PerkFlawItem item;
        for (const auto& [name, value] : attributes) {
            const std::string upper = UpperCase(name);
            if (upper == "NAME") {
                item.Name = value;
                item.Selected = false;
            } else if (upper == "SOURCE") {
                item.Source = value;
                item.Offered = offered(value);
            } else if (upper == "COST") {
                item.Cost = ParseIntegerIn(value, kSkillPointRange).value_or(0);
            }
        }
        list->push_back(std::move(item));
    };
    XmlHandlers handlers;
    handlers.startTag = entry;
    handlers.emptyTag = entry;
    auto result = ReadXmlFile(file, handlers);
    if (readResult) *readResult = std::move(result);
    return catalogue;
}
