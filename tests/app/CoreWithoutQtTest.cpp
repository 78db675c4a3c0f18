// The core library must build without the window toolkit: no file outside the ui/ folders
// may include a Qt header.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(CoreWithoutQt, NoCoreFileIncludesAQtHeader) {
    int scanned = 0;
    for (const auto& entry :
         fs::recursive_directory_iterator(fs::path(TAVORN_SOURCE_DIR) / "src")) {
        const std::string path = entry.path().generic_string();
        const auto ext = entry.path().extension();
        if (path.find("/ui/") != std::string::npos || (ext != ".h" && ext != ".cpp")) continue;
        ++scanned;
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) {
            // "#include <QWidget>", "# include \"QObject\"", "#include <QtCore/qstring.h>".
            line.erase(std::remove_if(line.begin(), line.end(),
                                      [](unsigned char c) { return std::isspace(c); }),
                       line.end());
            EXPECT_FALSE(line.starts_with("#include<Q") || line.starts_with("#include\"Q"))
                << path << ": " << line;
        }
    }
    EXPECT_GT(scanned, 0);
}
