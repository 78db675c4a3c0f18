// libFuzzer target: reading a hero file. One program folder holds the bundled catalogues;
// each input is read as "Open Character" reads a file, and the hero it gives must save, read
// and save again to the same text once the first reading has settled what the file held.

#include "app/HeroBuilder.h"
#include "app/Paths.h"
#include "app/ScriptedPrompter.h"
#include "files/HeroFiles.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string_view>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Program {
    fs::path root;
    ScriptedPrompter prompter;
    std::unique_ptr<AppPaths> paths;
    std::unique_ptr<HeroBuilder> builder;
    std::unique_ptr<HeroFiles> files;

    Program() {
        root = fs::temp_directory_path() / ("tavorn-fuzz-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root);
        fs::copy(fs::path(TAVORN_SOURCE_DIR) / "Data", root / "Data", fs::copy_options::recursive);
        std::ofstream(root / "defaults.xml") << "<Defaults><Sources Active=\"Core\" /></Defaults>";
        // The main log would grow with every input.
        fs::create_symlink("/dev/null", root / "tavorn.log");
        paths = std::make_unique<AppPaths>(root);
        builder = std::make_unique<HeroBuilder>(prompter, *paths);
        if (!builder->Start()) std::abort();
        files = std::make_unique<HeroFiles>(*builder);
    }
    ~Program() {
        files.reset();
        builder.reset();
        std::error_code error;
        fs::remove_all(root, error);
    }
};

Program& TheProgram() {
    static Program program;
    return program;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Program& program = TheProgram();
    HeroFiles& files = *program.files;
    files.LoadHeroText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.xml");
    const std::string first = files.HeroFileText();
    files.LoadHeroText(first, "first.xml");
    const std::string second = files.HeroFileText();
    files.LoadHeroText(second, "second.xml");
    const std::string third = files.HeroFileText();
    if (second != third) {
        std::fprintf(stderr, "--- second save\n%s\n--- third save\n%s\n", second.c_str(),
                     third.c_str());
        __builtin_trap();
    }
    program.prompter.Clear();
    return 0;
}
