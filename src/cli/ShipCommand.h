#pragma once
// tavorn-cli ship: a starship designed from the command line, as a person designs it in the
// starship designer, printed as JSON.

#include <string>
#include <vector>

// The arguments after the command word:
//   [--appdir DIR] --hull NAME [--armor NAME] [--power NAME:HP]... [--engine NAME:HP]...
//   [--ftl NAME:HP]... [--support NAME:HP]... [--pl N]... [--tech LETTER]...
// Prints {"labels", "tables"}; returns 0, or 2 with a message on standard error.
int RunShipCommand(const std::vector<std::string>& args);
