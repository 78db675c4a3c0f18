#include "app/AtomicFile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// How many links a target may pass through before it names a file (the kernel's own bound).
constexpr int kMaxLinkHops = 40;

// The file a save to `target` replaces: `target` itself, or the file its chain of links
// names. None when a link cannot be read or the chain does not end.
std::optional<fs::path> FollowLinks(fs::path target) {
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0) {
            if (errno == ENOENT) return target; // a new file
            return std::nullopt;
        }
        if (!S_ISLNK(st.st_mode)) return target;
        std::error_code error;
        const fs::path next = fs::read_symlink(target, error);
        if (error) return std::nullopt;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return std::nullopt;
}

// The permission bits a new file gets: 0666 less the umask. The program has one thread, so
// reading the umask by setting it back at once races with nothing.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Ignores one signal for the lifetime of the object, then puts the old handling back.
class IgnoredSignal {
public:
    explicit IgnoredSignal(int signal) : signal_(signal) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        restore_ = ::sigaction(signal_, &ignore, &old_) == 0;
    }
    ~IgnoredSignal() {
        if (restore_) ::sigaction(signal_, &old_, nullptr);
    }
    IgnoredSignal(const IgnoredSignal&) = delete;
    IgnoredSignal& operator=(const IgnoredSignal&) = delete;

private:
    int signal_;
    struct sigaction old_ {};
    bool restore_ = false;
};

bool WriteAll(int fd, std::string_view text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false; // EFBIG past the size limit, ENOSPC on a full disk, ...
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Flushes the folder's entry of a renamed file. A file system that cannot do this for a
// folder has stored the rename all the same, so the answer is not needed.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool WriteFileAtomically(const fs::path& requested, std::string_view text) {
    const std::optional<fs::path> target = FollowLinks(requested);
    if (!target || target->filename().empty()) return false;
    const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");

    struct stat old {};
    const bool replacing = ::stat(target->c_str(), &old) == 0;
    if (replacing) {
        if (!S_ISREG(old.st_mode)) return false;
        // Read-only for everyone: not replaced, even by a user whom the system would let.
        if ((old.st_mode & 0222) == 0) return false;
        if (::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0) return false;
    } else if (errno != ENOENT) {
        return false;
    }

    // mkostemp creates the file with O_CREAT | O_EXCL and mode 0600: never through a link,
    // never a file that was there before, and private until it is complete.
    std::string saving = (folder / (target->filename().string() + ".saving-XXXXXX")).string();
    const int fd = ::mkostemp(saving.data(), O_CLOEXEC);
    if (fd < 0) return false;

    bool ok = true;
    {
        const IgnoredSignal ignoreSizeLimit(SIGXFSZ);
        ok = WriteAll(fd, text);
    }
    if (replacing) {
        if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
            ::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Not everyone may give a file away: the file stays the program's own.
        }
        // The read, write and execute bits; never a set-user or set-group bit.
        if (ok && ::fchmod(fd, old.st_mode & 0777) != 0) ok = false;
    } else if (ok && ::fchmod(fd, NewFileMode()) != 0) {
        ok = false;
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(saving.c_str(), target->c_str()) != 0) ok = false;
    if (!ok) {
        ::unlink(saving.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

std::optional<std::string> ReadRegularFile(const fs::path& file, std::size_t maxBytes) {
    // A look before opening: some devices act on being opened.
    struct stat before {};
    if (::stat(file.c_str(), &before) != 0 || !S_ISREG(before.st_mode)) return std::nullopt;

    // O_NONBLOCK: should the name have been swapped for a FIFO meanwhile, opening it does not
    // wait for a writer; the check below then refuses it.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<unsigned long long>(st.st_size) > maxBytes) {
        ::close(fd);
        return std::nullopt;
    }

    std::string content;
    content.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    bool ok = true;
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0) break;
        if (content.size() + static_cast<std::size_t>(n) > maxBytes) { // grew while read
            ok = false;
            break;
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (!ok) return std::nullopt;
    return content;
}
