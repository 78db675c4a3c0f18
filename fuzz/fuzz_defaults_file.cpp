// libFuzzer target: the defaults file. What is read is written back as the program keeps it;
// once that first writing has settled what the file held, reading and writing again gives
// the same text.

#include "FuzzInput.h"
#include "rules/DefaultsFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

std::string ReadAndFormat(FuzzInputFile& input, const std::string& text) {
    std::vector<std::string> sources;
    CustomDefaults custom;
    ReadDefaultsFile(
        input.Write(text), [&](const std::string& piece) { sources.push_back(piece); }, custom);
    return FormatDefaults(sources, custom.perks, custom.flaws, custom.cyberItems);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzInputFile input("defaults.xml");
    const std::string first =
        ReadAndFormat(input, std::string(reinterpret_cast<const char*>(data), size));
    const std::string second = ReadAndFormat(input, first);
    const std::string third = ReadAndFormat(input, second);
    if (second != third) {
        std::fprintf(stderr, "--- second\n%s\n--- third\n%s\n", second.c_str(), third.c_str());
        __builtin_trap();
    }
    return 0;
}
