#pragma once
// Files the program writes are saved atomically: the text goes to a temporary file beside
// the target, which replaces the target only when everything was written and flushed. A
// failure leaves the old file exactly as it was and removes the temporary file.
//
// - The temporary file is always created anew under a name nobody can foresee, is never
//   opened through a link or over a file someone placed there, and is readable by its owner
//   only until it takes the target's place.
// - A target that is a symbolic link is followed: the file it names is replaced and the link
//   stays as it is.
// - An existing target keeps its permission bits (and its owner and group, where the program
//   may set them); a new file gets 0666 less the umask.
// - A target that is read-only (no write bit at all, or one the program may not write), or
//   that is not a regular file, is not replaced; nor is one in a folder that refuses new
//   files.
// - A write that runs past the file size limit or fills the disk fails like any other: the
//   size limit signal is ignored while the file is written, and every write, the flush to
//   disk and the close are checked.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// True when `text` now stands in `target` (or, for a link, in the file it names).
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view text);

// The largest file ReadRegularFile takes unless told otherwise.
inline constexpr std::size_t kMaxReadBytes = 64u * 1024u * 1024u;

// The whole content of `file` when it is a regular file (links are followed) of at most
// `maxBytes`. None for a missing or unreadable file, a file that is too large, and for a
// FIFO, device, socket or folder, which are refused at once: they are never read, and a FIFO
// without a writer does not make the caller wait.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& file,
                                           std::size_t maxBytes = kMaxReadBytes);
