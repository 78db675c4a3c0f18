#pragma once
// tavorn-cli lint-data: checks the catalogues of the data folder and lists, one line each,
// what the program's readers would silently read otherwise than written (lint/DataLint.h).

#include <string>
#include <vector>

// The arguments after the command word: [--appdir DIR]. Prints one line per finding and
// returns 1, or prints a one-line "clean" summary and returns 0; 2 for a usage error.
int RunLintCommand(const std::vector<std::string>& args);
