#include "TempAppDir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

TempAppDir::TempAppDir() {
    std::string name = (fs::temp_directory_path() / "tavorn-test-XXXXXX").string();
    root_ = ::mkdtemp(name.data());
    fs::create_directories(root_ / "Data");
}

TempAppDir::~TempAppDir() {
    std::error_code error;
    fs::remove_all(root_, error);
}

fs::path TempAppDir::Write(const std::string& relative, const std::string& text) const {
    const fs::path file = root_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
    return file;
}

std::string TempAppDir::Read(const std::string& relative) const {
    return ReadWholeFile(root_ / relative);
}

std::string ReadWholeFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void TempAppDir::CopyBundledData() const {
    fs::copy(fs::path(TAVORN_SOURCE_DIR) / "Data", Data(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}
