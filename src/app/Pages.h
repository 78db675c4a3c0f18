#pragma once
// The pages of the hero builder, in the order of their buttons.

#include <array>
#include <string_view>

inline constexpr std::array<std::string_view, 12> kPageCaptions{
    "Main", "Notes",    "Skills", "Perks/Flaws", "CyberTech",    "Campaign",
    "FX",   "Psionics", "Combat", "Equipment",   "Achievements", "Mutations"};

#include "app/ViewData.h"

// The page the main window shows, by its button caption.
inline constexpr LabelName kPageLabel{"Page"};
