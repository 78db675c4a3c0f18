#pragma once
// Files the program writes are saved atomically: the text goes to a temporary file beside
// the target, which replaces the target only when everything was written. A failure leaves
// the old file exactly as it was.

#include <filesystem>
#include <string_view>

// The temporary file used while `target` is being written.
std::filesystem::path SavingPathFor(const std::filesystem::path& target);

// True when `text` now stands in `target`.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view text);
