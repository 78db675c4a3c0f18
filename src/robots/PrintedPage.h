#pragma once
// What the printed pages share (the robot sheet, the roster page): the head with the style
// rules of the character sheet, values escaped as HTML text, rows of check boxes and the
// footer naming the program.

#include "app/Paths.h"
#include "app/Prompter.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The style rules: the lines of "character.css" in the data folder when that file is there,
// otherwise the built-in rules. None, after the message "PATH exists but attempts to read
// failed", when the file is there but cannot be read.
std::optional<std::vector<std::string>> ReadSheetStyle(const AppPaths& paths, Prompter& prompter);

// "<html>", "<head>", the content type, the title, the style block and "</head>", one line
// each, "\n" after each.
std::string PageHead(std::string_view title, const std::vector<std::string>& styleLines);

// A value as HTML text: "&", "<", ">" and '"' as entities.
std::string HtmlText(std::string_view value);

// An empty check box, drawn as U+2610.
inline constexpr const char* kEmptyBox = "\u2610";
// The most boxes a row draws: a page stays printable whatever number it is given.
inline constexpr int kMaxBoxes = 200;
// `count` empty boxes (none for 0 or less, at most kMaxBoxes).
std::string Boxes(int count);

// The last paragraph: "Created by: " and a link to the program's home page.
std::string PageFooter();

// The message shown when a page or file cannot be written to `path`.
std::string CouldNotWriteMessage(const std::string& path);
