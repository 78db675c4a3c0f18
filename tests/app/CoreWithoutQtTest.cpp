// The core library must build without the window toolkit: no file outside the ui/ folders
// may include a Qt header.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace fs = std::filesystem;

TEST(CoreWithoutQt, NoCoreFileIncludesAQtHeader) {
    const fs::path src = fs::path(TAVORN_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::exists(src));
    const std::regex qtInclude(R"(^\s*#\s*include\s*[<"](Q[A-Za-z]*|Qt[A-Za-z]*/[^>"]*)[>"])");
    int scanned = 0;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file()) continue;
        const std::string path = entry.path().generic_string();
        if (path.find("/ui/") != std::string::npos) continue;
        const auto ext = entry.path().extension();
        if (ext != ".h" && ext != ".cpp") continue;
        ++scanned;
        std::ifstream in(entry.path());
        std::string line;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            EXPECT_FALSE(std::regex_search(line, qtInclude)) << path << ":" << number << ": " << line;
        }
    }
    EXPECT_GT(scanned, 0);
}
