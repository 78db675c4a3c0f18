#pragma once
// A throw-away program folder for one test: AppDir with a Data/ folder, removed afterwards.

#include <filesystem>
#include <string>

class TempAppDir {
public:
    TempAppDir();
    ~TempAppDir();
    TempAppDir(const TempAppDir&) = delete;
    TempAppDir& operator=(const TempAppDir&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    std::filesystem::path Data() const { return root_ / "Data"; }
    // Writes a file below the root ("Data/config.xml", "defaults.xml").
    std::filesystem::path Write(const std::string& relative, const std::string& text) const;
    // Reads a file below the root; empty when it does not exist.
    std::string Read(const std::string& relative) const;
    bool Exists(const std::string& relative) const {
        return std::filesystem::exists(root_ / relative);
    }
    // Copies the bundled catalogues of the source tree into Data/.
    void CopyBundledData() const;

private:
    std::filesystem::path root_;
};

// The whole content of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& file);
