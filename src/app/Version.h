#pragma once
// The program's name and the version label shown in the about box; the main log starts
// with the label.

inline constexpr const char* kProgramName = "Tavorn";
inline constexpr const char* kVersionLabel = "v0.8.1 -  1/15/14";
