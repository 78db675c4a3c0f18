// Saving a file so that nothing planted beside it can redirect the write, and reading one
// only when it is a plain file. Real links, modes, FIFOs and a file size limit in a temporary
// folder; what needs another user or a limit runs in a forked child.

#include "app/AtomicFile.h"

#include "TempAppDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

class AtomicFile : public ::testing::Test {
protected:
    TempAppDir dir;

    fs::path Path(const std::string& name) const { return dir.Root() / name; }
    std::string Read(const std::string& name) const { return dir.Read(name); }
    unsigned Mode(const std::string& name) const {
        struct stat st {};
        return ::stat(Path(name).c_str(), &st) == 0 ? st.st_mode & 07777 : 0u;
    }
    void SetMode(const std::string& name, unsigned mode) const {
        ASSERT_EQ(::chmod(Path(name).c_str(), mode), 0);
    }
    // The names in the folder, so that a test sees every file a save left behind.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.Root()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Runs `body` in a forked child and answers its exit status: 0 when `body` returned
    // true, 1 when false, 128 + the signal that ended it. With `asNobody`, a child of root
    // first becomes an ordinary user, so that permissions hold for it.
    static int InChild(const std::function<bool()>& body, bool asNobody = false) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (asNobody && ::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
                ::_exit(2);
            ::_exit(body() ? 0 : 1);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
    }
};

TEST_F(AtomicFile, APlantedLinkWhereTheTemporaryFileUsedToGoIsNeitherFollowedNorTouched) {
    dir.Write("victim.txt", "precious");
    dir.Write("hero.xml", "old");
    fs::create_symlink(Path("victim.txt"), Path("hero.xml.saving"));
    ASSERT_TRUE(WriteFileAtomically(Path("hero.xml"), "new"));
    EXPECT_EQ(Read("hero.xml"), "new");
    EXPECT_EQ(Read("victim.txt"), "precious");
    EXPECT_TRUE(fs::is_symlink(Path("hero.xml.saving")));
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"Data", "hero.xml", "hero.xml.saving", "victim.txt"}));
}

TEST_F(AtomicFile, SavingOntoALinkReplacesTheFileItNamesAndKeepsTheLink) {
    fs::create_directory(Path("store"));
    dir.Write("store/real.xml", "old");
    fs::create_symlink("store/real.xml", Path("middle.xml")); // relative to the link's folder
    fs::create_symlink(Path("middle.xml"), Path("hero.xml")); // a chain of two
    ASSERT_TRUE(WriteFileAtomically(Path("hero.xml"), "new"));
    EXPECT_TRUE(fs::is_symlink(Path("hero.xml")));
    EXPECT_TRUE(fs::is_symlink(Path("middle.xml")));
    EXPECT_EQ(Read("store/real.xml"), "new");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Data", "hero.xml", "middle.xml", "store"}));

    // A link that names itself never ends.
    fs::create_symlink(Path("loop.xml"), Path("loop.xml"));
    EXPECT_FALSE(WriteFileAtomically(Path("loop.xml"), "new"));
}

TEST_F(AtomicFile, AnExistingFileKeepsItsModeAndANewOneFollowsTheUmask) {
    dir.Write("hero.xml", "old");
    SetMode("hero.xml", 0640);
    ASSERT_TRUE(WriteFileAtomically(Path("hero.xml"), "new"));
    EXPECT_EQ(Mode("hero.xml"), 0640u);

    SetMode("hero.xml", 04755); // the set-user bit is not carried over
    ASSERT_TRUE(WriteFileAtomically(Path("hero.xml"), "newer"));
    EXPECT_EQ(Mode("hero.xml"), 0755u);

    const mode_t old = ::umask(027);
    const bool written = WriteFileAtomically(Path("fresh.xml"), "text");
    ::umask(old);
    ASSERT_TRUE(written);
    EXPECT_EQ(Mode("fresh.xml"), 0640u);
    EXPECT_EQ(Read("fresh.xml"), "text");
}

TEST_F(AtomicFile, ReadOnlyAndUnusualTargetsAreNotReplaced) {
    dir.Write("hero.xml", "old");
    SetMode("hero.xml", 0444);
    EXPECT_FALSE(WriteFileAtomically(Path("hero.xml"), "new")); // even for root
    EXPECT_EQ(Read("hero.xml"), "old");
    EXPECT_EQ(Mode("hero.xml"), 0444u);

    fs::create_directory(Path("folder.xml"));
    EXPECT_FALSE(WriteFileAtomically(Path("folder.xml"), "new"));
    EXPECT_TRUE(fs::is_directory(Path("folder.xml")));
    ASSERT_EQ(::mkfifo(Path("pipe.xml").c_str(), 0644), 0);
    EXPECT_FALSE(WriteFileAtomically(Path("pipe.xml"), "new"));
    EXPECT_TRUE(fs::is_fifo(Path("pipe.xml")));
    EXPECT_FALSE(WriteFileAtomically(Path("missing") / "hero.xml", "new"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Data", "folder.xml", "hero.xml", "pipe.xml"}));
}

TEST_F(AtomicFile, AnotherUsersFileAndAFolderThatRefusesAreLeftAlone) {
    // The child acts as nobody when the tests run as root, as themselves otherwise.
    SetMode("", 0755);
    fs::create_directory(Path("closed"));
    SetMode("closed", 0555);
    EXPECT_EQ(InChild([&] { return !WriteFileAtomically(Path("closed/hero.xml"), "new"); }, true),
              0);
    EXPECT_FALSE(fs::exists(Path("closed/hero.xml")));

    if (::geteuid() != 0) GTEST_SKIP() << "only root can lay out another user's file";
    // A file of root's in a folder anyone may write: renaming over it would work, but the
    // file is not nobody's to write.
    fs::create_directory(Path("open"));
    SetMode("open", 0777);
    dir.Write("open/hero.xml", "root's");
    SetMode("open/hero.xml", 0644);
    EXPECT_EQ(InChild([&] { return !WriteFileAtomically(Path("open/hero.xml"), "new"); }, true), 0);
    EXPECT_EQ(Read("open/hero.xml"), "root's");
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("open")), fs::directory_iterator()), 1);
}

TEST_F(AtomicFile, AWritePastTheFileSizeLimitFailsAndLeavesTheOldFile) {
    dir.Write("hero.xml", "old");
    const std::string big(64 * 1024, 'x');
    const int status = InChild([&] {
        const rlimit limit{4096, 4096};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
        if (WriteFileAtomically(Path("hero.xml"), big)) return false;
        // The size limit signal is handled as before the save once it is over.
        struct sigaction now {};
        ::sigaction(SIGXFSZ, nullptr, &now);
        return now.sa_handler == SIG_DFL && WriteFileAtomically(Path("small.xml"), "fits");
    });
    EXPECT_EQ(status, 0) << "128 + SIGXFSZ (153) means the signal ended the program";
    EXPECT_EQ(Read("hero.xml"), "old");
    EXPECT_EQ(Read("small.xml"), "fits");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Data", "hero.xml", "small.xml"}));
}

TEST_F(AtomicFile, ReadsOnlyRegularFilesAndNeverWaits) {
    dir.Write("hero.xml", "<HERO/>");
    dir.Write("empty.xml", "");
    fs::create_symlink(Path("hero.xml"), Path("link.xml"));
    EXPECT_EQ(ReadRegularFile(Path("hero.xml")), "<HERO/>");
    EXPECT_EQ(ReadRegularFile(Path("link.xml")), "<HERO/>");
    EXPECT_EQ(ReadRegularFile(Path("empty.xml")), "");
    EXPECT_EQ(ReadRegularFile(Path("hero.xml"), 6), std::nullopt); // one byte too many
    EXPECT_EQ(ReadRegularFile(Path("hero.xml"), 7), "<HERO/>");
    EXPECT_EQ(ReadRegularFile(Path("missing.xml")), std::nullopt);
    EXPECT_EQ(ReadRegularFile(dir.Root()), std::nullopt);
    EXPECT_EQ(ReadRegularFile("/dev/zero"), std::nullopt);

    // A FIFO with no writer would block a plain read for ever; the child has five seconds.
    ASSERT_EQ(::mkfifo(Path("pipe.xml").c_str(), 0644), 0);
    fs::create_symlink(Path("pipe.xml"), Path("pipe-link.xml"));
    const int status = InChild([&] {
        ::alarm(5);
        return !ReadRegularFile(Path("pipe.xml")) && !ReadRegularFile(Path("pipe-link.xml"));
    });
    EXPECT_EQ(status, 0) << "128 + SIGALRM (142) means the read waited";
}

} // namespace
