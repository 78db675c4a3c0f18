#pragma once
// Where the program reads and writes: the program's folder, its Data/ folder with the
// catalogues and its careers/ folder. Names inside these folders are looked up without regard
// to letter case, so "data/Config.XML" and "Data/config.xml" are the same file.

#include <filesystem>
#include <string>

// The folder of the running program, or the folder named by TAVORN_APPDIR when it is set.
std::filesystem::path ResolveAppDir();

// The entry of `dir` whose name equals `name` ignoring letter case; `dir / name` when none
// exists (so a file about to be created gets the name as given).
std::filesystem::path FindNoCase(const std::filesystem::path& dir, const std::string& name);

class AppPaths {
public:
    explicit AppPaths(std::filesystem::path appDir);

    const std::filesystem::path& AppDir() const { return appDir_; }
    std::filesystem::path DataDir() const;
    std::filesystem::path CareersDir() const;

    // A file beside the program (defaults.xml, the logs).
    std::filesystem::path InAppDir(const std::string& name) const;
    // A catalogue of the data folder (config.xml, species.xml, ...).
    std::filesystem::path InDataDir(const std::string& name) const;

private:
    std::filesystem::path appDir_;
};
