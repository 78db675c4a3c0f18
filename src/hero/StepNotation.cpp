#include "hero/StepNotation.h"

#include <array>

std::string Step2Die(int step) {
    static const std::array<const char*, 13> kDice{"-d20", "-d12",  "-d8",  "-d6", "-d4",
                                                   "0",    "+d4",   "+d6",  "+d8", "+d12",
                                                   "+d20", "+2d20", "+3d20"};
    constexpr int kLowest = -5;
    const int index = step - kLowest;
    if (index < 0 || index >= static_cast<int>(kDice.size())) return "";
    return kDice[static_cast<std::size_t>(index)];
}

int AttMod(int score) {
    if (score < 1) return -2; // below the table: its lowest row
    if (score <= 4) return -2;
    if (score <= 6) return -1;
    if (score <= 10) return 0;
    if (score <= 12) return 1;
    if (score <= 14) return 2;
    if (score <= 16) return 3;
    if (score <= 18) return 4;
    return 5;
}

std::string SignedText(int value) {
    return (value < 0 ? "" : "+") + std::to_string(value);
}
