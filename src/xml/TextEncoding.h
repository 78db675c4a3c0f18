#pragma once
// Text read from files: UTF-8 as written today, Windows-1252 as older files were written.

#include <string>
#include <string_view>

bool IsValidUtf8(std::string_view bytes);

// Converts Windows-1252 bytes to UTF-8.
std::string Windows1252ToUtf8(std::string_view bytes);

// Returns the bytes unchanged when they are valid UTF-8, else converts them from Windows-1252.
std::string DecodeFileText(std::string_view bytes);
