#include "rules/DefaultsFile.h"

#include "hero/NumberRanges.h"
#include "xml/ValueParsing.h"

namespace {

// Numbers are taken only within the range the rules use (hero/NumberRanges.h); a value that
// is not a number, or lies outside its range, takes the fallback:
//   Perk, Flaw      COST     -1000..1000     99
//   CyberItem       PL       0..99           9
//                   QUALITY  0..3            9
//                   COST     0..10000000     999999
//                   MASS     0..100000       0
//                   SIZE     0..1000         0
constexpr int kFallbackCustomCost = 99;

PerkFlawItem ReadCustomPerkFlaw(const XmlAttributes& attributes) {
    PerkFlawItem item;
    item.Source = "Custom";
    for (const auto& [name, value] : attributes) {
        const std::string upper = UpperCase(name);
        if (upper == "NAME")
            item.Name = value;
        else if (upper == "COST")
            item.Cost = ParseIntegerIn(value, kSkillPointRange).value_or(kFallbackCustomCost);
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
            item.PL = ParseIntegerIn(value, kProgressLevelRange).value_or(9);
        else if (upper == "QUALITY")
            item.Quality = ParseIntegerIn(value, kCyberQualityRange).value_or(9);
        else if (upper == "COST")
            item.Cost = ParseIntegerIn(value, kCyberCostRange).value_or(999999);
        // The writer keeps fractions of a kilogram, so they are read back as written.
        else if (upper == "MASS")
            item.Mass = ParseDecimalIn(value, kCyberMassRange).value_or(0.0);
        else if (upper == "SIZE")
            item.Size = ParseIntegerIn(value, kCyberSizeRange).value_or(0);
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
