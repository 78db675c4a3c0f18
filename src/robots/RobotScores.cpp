#include "robots/RobotScores.h"

#include "hero/CheckedArithmetic.h"
#include "hero/StepNotation.h"

#include <cmath>

int RobotWillByPL(int pl) {
    switch (pl) {
    case 6:
        return 3;
    case 7:
        return 5;
    case 8:
        return 7;
    case 9:
        return 9;
    default:
        return 1;
    }
}

int RobotActions(int dexPlusWil) {
    if (dexPlusWil <= 15) return 1;
    if (dexPlusWil <= 23) return 2;
    if (dexPlusWil <= 31) return 3;
    return 4;
}

std::string RobotActionCheck::Text() const {
    return std::to_string(Marginal) + "+/" + std::to_string(Ordinary) + "/" + std::to_string(Good) +
           "/" + std::to_string(Amazing);
}

RobotActionCheck ComputeRobotActionCheck(int dex, int intelligence, int bonus) {
    RobotActionCheck check;
    const long long half = (static_cast<long long>(dex) + intelligence) / 2;
    check.Ordinary = ClampToInt(half + bonus);
    check.Good = check.Ordinary / 2;
    check.Amazing = check.Good / 2;
    check.Marginal = AddClamped(check.Ordinary, 1);
    return check;
}

int RobotMortal(int con) {
    return ClampToInt(std::llround((static_cast<double>(con) + 0.01) / 2));
}

std::string RobotResText(int score) {
    const int modifier = AttMod(score < 1 ? 1 : score);
    return (modifier > 0 ? "+" : "") + std::to_string(modifier);
}
