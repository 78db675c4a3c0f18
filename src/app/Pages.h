#pragma once
// The pages of the hero builder, in the order of their buttons.

#include <array>
#include <string_view>

inline constexpr std::array<std::string_view, 12> kPageCaptions{
    "Main", "Notes",    "Skills", "Perks/Flaws", "CyberTech",    "Campaign",
    "FX",   "Psionics", "Combat", "Equipment",   "Achievements", "Mutations"};
