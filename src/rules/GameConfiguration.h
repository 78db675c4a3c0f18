#pragma once
// The configuration catalogue "config.xml": the known sources (first pass), and the choices
// it offers (second pass): motivations, moral attitudes, traits, the professions after the
// seven built-in ones, and the equipment categories with their subcategories.

#include "hero/TypeDefinitions.h"
#include "xml/XmlEventReader.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The names of the SOURCE elements, in file order (an element without NAME gives "").
std::vector<std::string> ReadKnownSources(const std::filesystem::path& file,
                                          XmlReadResult* result = nullptr);

struct GameConfiguration {
    std::vector<std::string> motivations;
    std::vector<std::string> moralAttitudes;
    std::vector<std::string> traits; // offered for both traits
    std::vector<std::string> equipmentCategories;
    std::vector<TEquipmentSubCategory> equipmentSubcategories;

    // Empties the lists of the second pass (the profession list is the builder's).
    void ClearChoices();

    // The second pass. Motivations, moral attitudes and traits of sources that
    // `validSource` rejects are skipped; every Profession element is appended to
    // `professions`, and its name, when it has one, to `professionChoices`.
    XmlReadResult ReadChoices(const std::filesystem::path& file,
                              const std::function<bool(const std::string&)>& validSource,
                              std::vector<TProfData>& professions,
                              std::vector<std::string>& professionChoices);
};
