#pragma once
// Every view the builder holds, as JSON: what the pages would show for the hero loaded.

#include <nlohmann/json.hpp>

class HeroBuilder;
class HeroFiles;

// An object with "labels" (name -> displayed text), "tables" (name -> rows, the header row
// first, each row an array of cell texts), "checks" (name -> ticked) and "importErrors"
// (the lines of the import error log).
nlohmann::json ViewsAsJson(const HeroBuilder& builder, const HeroFiles& files);
