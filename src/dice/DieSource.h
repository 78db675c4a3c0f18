#pragma once
// Where the dice get their faces. Everything that rolls is handed one of these, so the program
// rolls fairly and a test can say exactly which faces come up.

#include <functional>

// Rolls one die of `faces` faces: a number from 1 to `faces`, each equally likely.
using RollDie = std::function<int(int faces)>;

// The program's dice: one generator seeded once from the system's random device and kept for
// every roll after it (never reseeded per roll, so two rolls in quick succession differ).
RollDie SystemDice();
// The same dice from a fixed seed: the same faces in the same order on every run.
RollDie SeededDice(unsigned seed);
