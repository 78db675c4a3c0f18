#include "app/Paths.h"

#include "xml/XmlEventReader.h"

#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

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

AppPaths::AppPaths(fs::path appDir) : appDir_(std::move(appDir)) {}

fs::path AppPaths::DataDir() const {
    return FindNoCase(appDir_, "Data");
}

fs::path AppPaths::CareersDir() const {
    return FindNoCase(appDir_, "careers");
}

fs::path AppPaths::InAppDir(const std::string& name) const {
    return FindNoCase(appDir_, name);
}

fs::path AppPaths::InDataDir(const std::string& name) const {
    return FindNoCase(DataDir(), name);
}
