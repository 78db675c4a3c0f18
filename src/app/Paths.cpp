#include "app/Paths.h"

#include "xml/XmlEventReader.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The catalogues of an installed program: PREFIX/share/tavorn/Data for PREFIX/bin.
fs::path InstalledDataDir(const fs::path& appDir) {
    return FindNoCase(FindNoCase(appDir.parent_path() / "share", "tavorn"), "Data");
}

bool IsFolder(const fs::path& dir) {
    std::error_code error;
    return fs::is_directory(dir, error);
}

} // namespace

fs::path ResolveAppDir() {
    if (const char* configured = std::getenv("TAVORN_APPDIR"); configured && *configured)
        return fs::path(configured);
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (!error) return exe.parent_path();
    return fs::current_path(error);
}

fs::path FindNoCase(const fs::path& dir, const std::string& name) {
    const fs::path exact = dir / name;
    std::error_code error;
    if (fs::exists(exact, error)) return exact;
    const std::string wanted = UpperCase(name);
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        if (UpperCase(it->path().filename().string()) == wanted) return it->path();
    }
    return exact;
}

bool IsWritableFolder(const fs::path& dir) {
    std::error_code error;
    const fs::file_status status = fs::status(dir, error);
    if (error || !fs::is_directory(status)) return false;
    constexpr fs::perms anyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & anyWrite) == fs::perms::none) return false;
    return ::access(dir.c_str(), W_OK | X_OK) == 0;
}

fs::path UserDataDir() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg && fs::path(xdg).is_absolute())
        return fs::path(xdg) / "tavorn";
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local" / "share" / "tavorn";
    return {};
}

AppPaths::AppPaths(fs::path appDir) : appDir_(std::move(appDir)), writeDir_(appDir_) {
    const bool ownData = IsFolder(FindNoCase(appDir_, "Data"));
    const bool installed = !ownData && IsFolder(InstalledDataDir(appDir_));
    // A folder that is not there is kept: writing to it fails and says where.
    if (!installed && (IsWritableFolder(appDir_) || !IsFolder(appDir_))) return;
    const fs::path user = UserDataDir();
    if (user.empty()) return;
    std::error_code error;
    fs::create_directories(user, error);
    if (IsFolder(user)) writeDir_ = user;
}

fs::path AppPaths::DataDir() const {
    const fs::path beside = FindNoCase(appDir_, "Data");
    if (IsFolder(beside)) return beside;
    const fs::path installed = InstalledDataDir(appDir_);
    if (IsFolder(installed)) return installed;
    return beside;
}

fs::path AppPaths::CareersDir() const {
    return FindNoCase(writeDir_, "careers");
}

fs::path AppPaths::InAppDir(const std::string& name) const {
    return FindNoCase(writeDir_, name);
}

fs::path AppPaths::InDataDir(const std::string& name) const {
    return FindNoCase(DataDir(), name);
}
