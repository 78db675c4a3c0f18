#include "rules/GameConfiguration.h"

#include "hero/Professions.h"

std::vector<std::string> ReadKnownSources(const std::filesystem::path& file,
                                          XmlReadResult* result) {
    std::vector<std::string> sources;
    auto read = ReadXmlFile(file, XmlHandlers::ForTags([&](const std::string& element,
                                                           const XmlAttributes& attributes) {
                                if (UpperCase(element) != "SOURCE") return;
                                std::string name;
                                for (const auto& attribute : attributes)
                                    if (UpperCase(attribute.name) == "NAME") name = attribute.value;
                                sources.push_back(name);
                            }));
    if (result) *result = std::move(read);
    return sources;
}

void GameConfiguration::ClearChoices() {
    motivations.clear();
    moralAttitudes.clear();
    traits.clear();
    equipmentCategories.clear();
    equipmentSubcategories.clear();
}

XmlReadResult GameConfiguration::ReadChoices(
    const std::filesystem::path& file, const std::function<bool(const std::string&)>& validSource,
    std::vector<TProfData>& professions, std::vector<std::string>& professionChoices) {
    // The last SOURCE value seen in this pass carries over to elements that have none.
    std::string currentSource;
    std::string currentCategory;
    return ReadXmlFile(file, XmlHandlers::ForTags([&](const std::string& element,
                                                      const XmlAttributes& attributes) {
                           std::string name;
                           for (const auto& attribute : attributes) {
                               const std::string upper = UpperCase(attribute.name);
                               if (upper == "NAME") {
                                   name = attribute.value;
                               } else if (upper == "SOURCE") {
                                   currentSource = attribute.value;
                               }
                           }
                           if (element == "Motivation") {
                               if (validSource(currentSource)) motivations.push_back(name);
                           } else if (element == "MoralAttitude") {
                               if (validSource(currentSource)) moralAttitudes.push_back(name);
                           } else if (element == "Trait") {
                               if (validSource(currentSource)) traits.push_back(name);
                           } else if (element == "Profession") {
                               // A profession without a name is skipped whole: the records
                               // and the names offered keep the same positions.
                               TProfData profession;
                               bool named = false;
                               for (const auto& attribute : attributes) {
                                   const std::string upper = UpperCase(attribute.name);
                                   ReadProfessionAttribute(profession, upper, attribute.value);
                                   named = named || upper == "NAME";
                               }
                               if (named) {
                                   professionChoices.push_back(name);
                                   professions.push_back(std::move(profession));
                               }
                           } else {
                               const std::string upper = UpperCase(element);
                               if (upper == "CATEGORY") {
                                   equipmentCategories.push_back(name);
                                   currentCategory = name;
                               } else if (upper == "SUBCATEGORY") {
                                   equipmentSubcategories.push_back({name, currentCategory});
                               }
                           }
                       }));
}
