// libFuzzer target: the species catalogue, as the configuration load and the species
// choice read it: the name scan, then the full read of each species it lists and of one
// the file does not hold.

#include "FuzzInput.h"
#include "hero/SpeciesCatalogue.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzInputFile input("species.xml");
    const auto& file = input.Write(data, size);
    SpeciesNameScanner scanner;
    auto everySource = [](const std::string&) { return true; };
    std::vector<std::string> names = scanner.Scan(file, everySource);
    if (names.size() > 4) names.resize(4);
    std::size_t logLines = 0;
    auto log = [&](const std::string&) { ++logLines; };
    for (const std::string& name : names)
        ReadSpecies(file, name, log);
    ReadSpecies(file, "No such species", log);
    return 0;
}
