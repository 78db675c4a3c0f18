#include "rules/DefaultsFile.h"

#include "xml/ValueParsing.h"

namespace {

constexpr int kFallbackCustomCost = 99;

PerkFlawItem ReadCustomPerkFlaw(const XmlAttributes& attributes) {
    PerkFlawItem item;
    item.Source = "Custom";
    for (const auto& [name, value] : attributes) {
        const std::string upper = UpperCase(name);
        if (upper == "NAME")
            item.Name = value;
        else if (upper == "COST")
            item.Cost = ParseInteger(value).value_or(kFallbackCustomCost);
    }
    return item;
}

TCyberTech ReadCustomCyberItem(const XmlAttributes& attributes) {
    TCyberTech item;
    item.Source = "Custom";
    item.Multi = false;
    for (const auto& [name, value] : attributes) {
        const std::string upper = UpperCase(name);
        if (upper == "NAME")
            item.Name = value;
        else if (upper == "PL")
            item.PL = ParseInteger(value).value_or(9);
        else if (upper == "QUALITY")
            item.Quality = ParseInteger(value).value_or(9);
        else if (upper == "COST")
            item.Cost = ParseInteger(value).value_or(999999);
        // The writer keeps fractions of a kilogram, so they are read back as written.
        else if (upper == "MASS")
            item.Mass = ParseDecimal(value).value_or(0.0);
        else if (upper == "SIZE")
            item.Size = ParseInteger(value).value_or(0);
        else if (upper == "NANOCOMPREQ")
            item.NanoCompReq = ParseBooleanText(value).value_or(true);
        else if (upper == "SKILLREQ")
            item.SkillReq = ParseBooleanText(value).value_or(true);
    }
    return item;
}

std::string Attribute(const char* name, const std::string& value) {
    return std::string(name) + "=\"" + XmlEscape(value) + "\"";
}

std::string BooleanText(bool value) {
    return value ? "True" : "False";
}

} // namespace

XmlReadResult ReadDefaultsFile(const std::filesystem::path& file,
                               const std::function<void(const std::string&)>& onSourcePiece,
                               CustomDefaults& custom) {
    return ReadXmlFile(file, XmlHandlers::ForTags([&](const std::string& element,
                                                      const XmlAttributes& attributes) {
                           const std::string upper = UpperCase(element);
                           if (upper == "SOURCES") {
                               const std::string* active = nullptr;
                               for (const auto& attribute : attributes)
                                   if (UpperCase(attribute.name) == "ACTIVE")
                                       active = &attribute.value;
                               if (!active) return;
                               std::size_t start = 0;
                               while (true) {
                                   const std::size_t comma = active->find(',', start);
                                   onSourcePiece(active->substr(start, comma - start));
                                   if (comma == std::string::npos) break;
                                   start = comma + 1;
                               }
                           } else if (upper == "PERK") {
                               custom.perks.push_back(ReadCustomPerkFlaw(attributes));
                           } else if (upper == "FLAW") {
                               custom.flaws.push_back(ReadCustomPerkFlaw(attributes));
                           } else if (upper == "CYBERITEM") {
                               custom.cyberItems.push_back(ReadCustomCyberItem(attributes));
                           }
                       }));
}

std::string FormatDefaults(const std::vector<std::string>& activeSources,
                           const std::vector<PerkFlawItem>& customPerks,
                           const std::vector<PerkFlawItem>& customFlaws,
                           const std::vector<TCyberTech>& cyberCatalogue) {
    std::string active;
    for (std::size_t i = 0; i < activeSources.size(); ++i)
        active += (i ? "," : "") + activeSources[i];

    std::string text = "<?xml version=\"1.0\" standalone=\"yes\"?>\n<Defaults>\n";
    text += " <Sources " + Attribute("Active", active) + " />\n";
    auto perkFlawLine = [&](const char* element, const PerkFlawItem& item) {
        text += std::string(" <") + element + " " + Attribute("Cost", std::to_string(item.Cost)) +
                " " + Attribute("Name", item.Name) + " " + Attribute("Source", "Custom") + " />\n";
    };
    for (const auto& perk : customPerks)
        perkFlawLine("Perk", perk);
    for (const auto& flaw : customFlaws)
        perkFlawLine("Flaw", flaw);
    for (const auto& item : cyberCatalogue) {
        if (UpperCase(item.Source) != "CUSTOM") continue;
        text += " <CyberItem " + Attribute("Name", item.Name) + " " +
                Attribute("Source", "Custom") + " " + Attribute("PL", std::to_string(item.PL)) +
                " " + Attribute("Quality", std::to_string(item.Quality)) + " " +
                Attribute("Mass", FormatDecimal(item.Mass)) + " " +
                Attribute("Size", std::to_string(item.Size)) + " " +
                Attribute("Cost", std::to_string(item.Cost)) + " " + Attribute("Multi", "True") +
                "  " + Attribute("NanoCompReq", BooleanText(item.NanoCompReq)) + " " +
                Attribute("SkillReq", BooleanText(item.SkillReq)) + " " +
                Attribute("Note", item.Note) + "/>\n";
    }
    text += "</Defaults>\n";
    return text;
}
