// libFuzzer target: the configuration catalogue, both passes, as the configuration load
// reads it: the known sources, then the choices with every second source active.

#include "FuzzInput.h"
#include "rules/GameConfiguration.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzInputFile input("config.xml");
    const auto& file = input.Write(data, size);
    const std::vector<std::string> sources = ReadKnownSources(file);
    auto validSource = [&](const std::string& name) {
        if (name == "Core") return true;
        for (std::size_t i = 0; i < sources.size(); i += 2)
            if (sources[i] == name) return true;
        return false;
    };
    GameConfiguration configuration;
    std::vector<TProfData> professions;
    std::vector<std::string> professionChoices;
    configuration.ReadChoices(file, validSource, professions, professionChoices);
    return 0;
}
