#pragma once
// The dice of starting money: a roll of one die with a number of sides, answered by a
// generator seeded once from the system's entropy. Tests put fixed rolls in its place.

#include <functional>

// A uniform integer from 1 to `sides`.
using DieRoll = std::function<int(int sides)>;

// A die roll backed by its own std::mt19937, seeded from std::random_device.
DieRoll SeededDieRoll();
