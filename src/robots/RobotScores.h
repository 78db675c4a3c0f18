#pragma once
// The numbers a robot's parts give: WIL and PER by Progress Level, actions per round, the
// action check, durability and the resistance modifier text. Pure functions, shared by the
// designer, the robot sheet and the roster.

#include <string>

// WIL and PER of a robot without upgrades: PL 6 gives 3, 7 gives 5, 8 gives 7, 9 gives 9,
// any other PL 1.
int RobotWillByPL(int pl);

// Actions per round by DEX + WIL: up to 15 one (also for totals of 0 and below), 16 to 23
// two, 24 to 31 three, 32 and more four.
int RobotActions(int dexPlusWil);

struct RobotActionCheck {
    int Marginal = 0;
    int Ordinary = 0;
    int Good = 0;
    int Amazing = 0;
    // "13+/12/6/3"
    std::string Text() const;
};

// Ordinary = Trunc((DEX + INT) / 2) + the upgrades' bonus; Good half of it, Amazing half of
// Good (toward zero); Marginal one more than Ordinary.
RobotActionCheck ComputeRobotActionCheck(int dex, int intelligence, int bonus);

// Mortal durability: CON / 2 rounded half up (7 and 8 both give 4).
int RobotMortal(int con);

// The resistance modifier of a score as the sheet and the roster show it: "+" before a
// positive modifier, none before 0. A score below 1 has the lowest modifier, -2.
std::string RobotResText(int score);
