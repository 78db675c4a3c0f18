// The core library must build without the window toolkit: no file outside the ui/ folders
// may include a Qt header.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

TEST(CoreWithoutQt, NoCoreFileIncludesAQtHeader) {
    const fs::path src = fs::path(TAVORN_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::exists(src));
    // "#include <QWidget>", "#include <QtCore/qstring.h>", "# include \"QObject\"".
    const auto includesQt = [](const std::string& line) {
        std::size_t i = line.find_first_not_of(" \t");
        if (i == std::string::npos || line[i] != '#') return false;
        i = line.find_first_not_of(" \t", i + 1);
        if (i == std::string::npos || line.compare(i, 7, "include") != 0) return false;
        i = line.find_first_not_of(" \t", i + 7);
        return i != std::string::npos && i + 1 < line.size() && (line[i] == '<' || line[i] == '"') &&
               line[i + 1] == 'Q';
    };
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
            EXPECT_FALSE(includesQt(line)) << path << ":" << number << ": " << line;
        }
    }
    EXPECT_GT(scanned, 0);
}
