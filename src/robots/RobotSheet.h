#pragma once
// The robot sheet: a printable HTML page of the design, its abilities, action check,
// durability with its boxes, the parts it carries and its notes.

#include <string>
#include <vector>

class RobotDesigner;

// The sheet's text with these style rules in its head (values escaped).
std::string RobotSheetText(const RobotDesigner& designer, const std::vector<std::string>& style);
