#pragma once
// The roster page: one block per roster row with its resistance modifiers, movement, action
// check, armor, durability boxes and attacks.

#include "app/ViewData.h"

#include <string>
#include <vector>

// The page's text for the roster's data rows (values escaped).
std::string RosterPageText(const std::string& rosterName, const TableView& rows,
                           const std::vector<std::string>& style);

// One row of durability boxes for the number shown: none for a text that is not a number, a
// break after the first half (rounded up) when there are more than 14.
std::string DurabilityBoxes(const std::string& number);
