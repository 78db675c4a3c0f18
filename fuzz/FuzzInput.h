#pragma once
// For fuzz targets whose reader takes a file: each input is written to one file of this
// process, in memory-backed /dev/shm where there is one (writes that sync cost nothing
// there), else in the temporary folder; removed again when the program ends.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

class FuzzInputFile {
public:
    explicit FuzzInputFile(const std::string& name)
        : folder_(BaseFolder() / ("tavorn-fuzz-" + std::to_string(::getpid()))),
          path_(folder_ / name) {
        std::filesystem::create_directories(folder_);
    }
    ~FuzzInputFile() {
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }
    FuzzInputFile(const FuzzInputFile&) = delete;
    FuzzInputFile& operator=(const FuzzInputFile&) = delete;

    // Writes the bytes as the file's whole text and gives its path.
    const std::filesystem::path& Write(const std::uint8_t* data, std::size_t size) {
        return Write(std::string(reinterpret_cast<const char*>(data), size));
    }
    const std::filesystem::path& Write(const std::string& text) {
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << text;
        return path_;
    }

    const std::filesystem::path& Folder() const { return folder_; }
    const std::filesystem::path& Path() const { return path_; }

private:
    static std::filesystem::path BaseFolder() {
        std::error_code error;
        if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
        return std::filesystem::temp_directory_path();
    }

    std::filesystem::path folder_;
    std::filesystem::path path_;
};
