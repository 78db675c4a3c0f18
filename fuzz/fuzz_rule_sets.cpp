// libFuzzer target: the rule set catalogue read after the built-in rule set, and every
// rule set of it put in force by its menu entry and by its name.

#include "FuzzInput.h"
#include "rules/RuleSetList.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzInputFile input("rulesets.xml");
    RuleSetList ruleSets;
    ruleSets.Reset();
    ruleSets.ReadCatalogue(input.Write(data, size));
    if (ruleSets.Entries().size() != ruleSets.List().size()) __builtin_trap();
    for (std::size_t i = 0; i < ruleSets.Entries().size(); ++i) {
        ruleSets.Choose(i);
        const int entry = ruleSets.EntryForName(ruleSets.List()[i].Name);
        if (entry >= 0) ruleSets.Choose(static_cast<std::size_t>(entry));
    }
    return 0;
}
