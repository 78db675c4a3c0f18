#pragma once
// tavorn-cli sheet: the hero sheet of a hero file, written as "Export" writes it.

#include <string>
#include <vector>

// The arguments after the command word: [--appdir DIR] HERO.xml [-o OUT.html] [--zero-level].
// Without -o the sheet goes beside the hero file ("NAME.xml" gives "NAME.html"); with
// --zero-level the skill tables also list the skills usable untrained that were not bought.
// Prints nothing on success and returns 0; a failure returns 1 and a usage error 2, each with
// a message on standard error.
int RunSheetCommand(const std::vector<std::string>& args);
