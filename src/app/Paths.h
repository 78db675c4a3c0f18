#pragma once
// Where the program reads and writes: the program's folder, its Data/ folder with the
// catalogues and its careers/ folder. Names inside these folders are looked up without regard
// to letter case, so "data/Config.XML" and "Data/config.xml" are the same file.
//
// Two layouts are known. A build (or an unpacked folder) holds Data/ beside the program and
// writes its files there too. An installed program sits in PREFIX/bin with its catalogues in
// PREFIX/share/tavorn/Data; it writes the defaults file, the logs, the careers and the pages
// it makes to the person's data folder ($XDG_DATA_HOME/tavorn, else ~/.local/share/tavorn),
// as does a program whose folder is not writable.

#include <filesystem>
#include <string>

// The folder of the running program, or the folder named by TAVORN_APPDIR when it is set.
std::filesystem::path ResolveAppDir();

// The entry of `dir` whose name equals `name` ignoring letter case; `dir / name` when none
// exists (so a file about to be created gets the name as given).
std::filesystem::path FindNoCase(const std::filesystem::path& dir, const std::string& name);

// True when files can be created in `dir`: it is a folder, the process may write it and its
// permissions grant writing to someone (a folder made read-only counts as such even for the
// administrator).
bool IsWritableFolder(const std::filesystem::path& dir);

// The person's data folder for the program: $XDG_DATA_HOME/tavorn when that variable holds an
// absolute path, else $HOME/.local/share/tavorn; empty when neither is known.
std::filesystem::path UserDataDir();

class AppPaths {
public:
    // Chooses the data folder and the folder written to, once; creates the person's data
    // folder when it is the one written to.
    explicit AppPaths(std::filesystem::path appDir);

    const std::filesystem::path& AppDir() const { return appDir_; }
    // Data/ beside the program; else, for an installed program, ../share/tavorn/Data.
    std::filesystem::path DataDir() const;
    std::filesystem::path CareersDir() const;
    // Where the defaults file, the logs, the careers and written pages go: the program's folder
    // unless it is an installed program's or an existing folder that is not writable; then the
    // person's data folder.
    const std::filesystem::path& WriteDir() const { return writeDir_; }

    // A file the program keeps or writes (defaults.xml, the logs, recent.txt, written pages).
    std::filesystem::path InAppDir(const std::string& name) const;
    // A catalogue of the data folder (config.xml, species.xml, ...).
    std::filesystem::path InDataDir(const std::string& name) const;

private:
    std::filesystem::path appDir_;
    std::filesystem::path writeDir_;
};
