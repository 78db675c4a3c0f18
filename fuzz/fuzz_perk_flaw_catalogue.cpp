// libFuzzer target: the perks and flaws catalogue.

#include "FuzzInput.h"
#include "skills/PerkFlawCatalogue.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzInputFile input("perksnflaws.xml");
    XmlReadResult result;
    const PerkFlawCatalogue catalogue = ReadPerkFlawCatalogue(
        input.Write(data, size), [](const std::string& source) { return source == "Core"; },
        &result);
    if (!result.opened) __builtin_trap();
    for (const PerkFlawItem& item : catalogue.perks)
        if (item.Cost < -1000 || item.Cost > 1000) __builtin_trap();
    return 0;
}
