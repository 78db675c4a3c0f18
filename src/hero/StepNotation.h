#pragma once
// The step notation that shows a signed die step as a die expression, the attribute
// modifier table, and the signed number text both are shown with.

#include <string>

// Die expression of a signed step: -5 "-d20" .. 0 "0" .. +7 "+3d20". A step outside
// -5..+7 has no expression and gives the empty text.
std::string Step2Die(int step);

// Attribute modifier of a score: 1-4 -2, 5-6 -1, 7-10 +0, 11-12 +1, 13-14 +2, 15-16 +3,
// 17-18 +4, 19 and more +5. The table has no row below 1; such a score answers +5, as its
// last row does (the attribute minimums keep scores from going there).
int AttMod(int score);

// A number with its sign, a plus sign also for zero: "-1", "+0", "+2".
std::string SignedText(int value);
