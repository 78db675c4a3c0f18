#include "TempAppDir.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <unistd.h>

namespace fs = std::filesystem;

TempAppDir::TempAppDir() {
    static std::atomic<int> counter{0};
    std::random_device random;
    root_ = fs::temp_directory_path() /
            ("tavorn-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
             std::to_string(random()));
    fs::create_directories(root_ / "Data");
}

TempAppDir::~TempAppDir() {
    std::error_code error;
    fs::remove_all(root_, error);
}

fs::path TempAppDir::Write(const std::string& relative, const std::string& text) const {
    const fs::path file = root_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    return file;
}

std::string ReadWholeFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string TempAppDir::Read(const std::string& relative) const {
    return ReadWholeFile(root_ / relative);
}

bool TempAppDir::Exists(const std::string& relative) const { return fs::exists(root_ / relative); }

void TempAppDir::CopyBundledData() const {
    fs::copy(fs::path(TAVORN_SOURCE_DIR) / "Data", Data(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}
