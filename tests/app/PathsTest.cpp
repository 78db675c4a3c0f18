// Where the program finds its catalogues and where it writes: beside itself in a build, in the
// person's data folder when installed or when its own folder cannot be written.

#include "app/Paths.h"
#include "TempAppDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class Paths : public ::testing::Test {
protected:
    void TearDown() override {
        // A folder made read-only must be writable again to be removed.
        std::error_code error;
        for (const fs::path& dir : readOnly)
            fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, error);
    }
    void MakeReadOnly(const fs::path& dir) {
        fs::permissions(dir,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        readOnly.push_back(dir);
    }

    TempAppDir app;  // the program's folder, with Data/
    TempAppDir user; // stands for $XDG_DATA_HOME
    ScopedEnv xdg{"XDG_DATA_HOME", user.Root().string()};
    std::vector<fs::path> readOnly;
};

TEST_F(Paths, AWritableProgramFolderWithItsDataKeepsEverythingBesideIt) {
    const AppPaths paths(app.Root());
    EXPECT_EQ(paths.WriteDir(), app.Root());
    EXPECT_EQ(paths.InAppDir("defaults.xml"), app.Root() / "defaults.xml");
    EXPECT_EQ(paths.CareersDir(), app.Root() / "careers");
    EXPECT_EQ(paths.DataDir(), app.Data());
    EXPECT_FALSE(fs::exists(user.Root() / "tavorn")) << "nothing is made in the user's folder";
}

TEST_F(Paths, AReadOnlyProgramFolderWritesToTheUsersDataFolder) {
    app.Write("Data/config.xml", "<Configuration/>");
    MakeReadOnly(app.Root());
    EXPECT_FALSE(IsWritableFolder(app.Root()));

    const AppPaths paths(app.Root());
    const fs::path mine = user.Root() / "tavorn";
    EXPECT_EQ(paths.WriteDir(), mine);
    EXPECT_TRUE(fs::is_directory(mine)) << "the folder is made when it is chosen";
    EXPECT_EQ(paths.InAppDir("tavorn.log"), mine / "tavorn.log");
    EXPECT_EQ(paths.InAppDir("Roster.html"), mine / "Roster.html");
    EXPECT_EQ(paths.CareersDir(), mine / "careers");
    // The catalogues are still read from the program's folder.
    EXPECT_EQ(paths.InDataDir("config.xml"), app.Data() / "config.xml");
}

TEST_F(Paths, AnInstalledProgramReadsShareAndWritesToTheUsersDataFolder) {
    // PREFIX/bin/tavorn with PREFIX/share/tavorn/Data; bin itself stays writable.
    app.Write("share/tavorn/Data/CONFIG.XML", "<Configuration/>");
    fs::create_directories(app.Root() / "bin");
    const AppPaths paths(app.Root() / "bin");
    EXPECT_EQ(paths.DataDir(), app.Root() / "share" / "tavorn" / "Data");
    EXPECT_EQ(paths.InDataDir("config.xml"),
              app.Root() / "share" / "tavorn" / "Data" / "CONFIG.XML");
    EXPECT_EQ(paths.WriteDir(), user.Root() / "tavorn");

    // A Data/ beside the program wins: it is run from a build or an unpacked folder.
    app.Write("bin/Data/config.xml", "<Configuration/>");
    const AppPaths beside(app.Root() / "bin");
    EXPECT_EQ(beside.DataDir(), app.Root() / "bin" / "Data");
    EXPECT_EQ(beside.WriteDir(), app.Root() / "bin");
}

TEST_F(Paths, TheUsersDataFolderFollowsXdgElseHome) {
    EXPECT_EQ(UserDataDir(), user.Root() / "tavorn");
    {
        ScopedEnv relative("XDG_DATA_HOME", std::string("relative/data")); // ignored
        ScopedEnv home("HOME", std::string("/home/someone"));
        EXPECT_EQ(UserDataDir(), fs::path("/home/someone/.local/share/tavorn"));
    }
    ScopedEnv noXdg("XDG_DATA_HOME", std::nullopt);
    ScopedEnv noHome("HOME", std::nullopt);
    EXPECT_EQ(UserDataDir(), fs::path());
    // With no user folder at all, the program's folder is still used, read-only or not.
    MakeReadOnly(app.Root());
    EXPECT_EQ(AppPaths(app.Root()).WriteDir(), app.Root());
}

} // namespace
