// libFuzzer target: the skill catalogue (the psionic catalogue is read the same way).

#include "FuzzInput.h"
#include "skills/SkillCatalogue.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzInputFile input("skills.xml");
    XmlReadResult result;
    const std::vector<TSkillItem> skills = ReadSkillCatalogue(input.Write(data, size), &result);
    if (!result.opened) __builtin_trap();
    (void)skills;
    return 0;
}
