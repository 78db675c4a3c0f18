#include "app/AtomicFile.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

fs::path SavingPathFor(const fs::path& target) {
    fs::path saving = target;
    saving += ".saving";
    return saving;
}

bool WriteFileAtomically(const fs::path& target, std::string_view text) {
    const fs::path saving = SavingPathFor(target);
    const int fd = ::open(saving.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = true;
    std::size_t written = 0;
    while (ok && written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n <= 0)
            ok = false;
        else
            written += static_cast<std::size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(saving.c_str(), target.c_str()) != 0) ok = false;
    if (!ok) ::unlink(saving.c_str());
    return ok;
}
