#pragma once
// The robot file: the designation, the PL and the names of the parts chosen, one element per
// line in a fixed layout, and the notes. Opening it looks every part up again by name in the
// catalogue, so the numbers written beside the names are for the reader's eye only.

#include "xml/XmlEventReader.h"

#include <string>
#include <string_view>

class RobotDesigner;

inline constexpr const char* kHeroNotRobot = "This is a hero xml, not a robot xml";

// The design as a robot file's text (CR LF line ends, values escaped).
std::string RobotFileText(const RobotDesigner& designer);

// Reads a robot file into the designer, replaying the designer's own choices: the PL, each
// slot by the name offered, each list part by its catalogue name, then the notes. Element
// names are compared upper-cased, attribute names ("Name", "PL") exactly. Parts the catalogue
// lacks are reported and skipped.
class RobotFileReader {
public:
    explicit RobotFileReader(RobotDesigner& designer) : designer_(designer) {}
    XmlReadResult Read(std::string_view text, const std::string& fileName);

private:
    void OnTag(const std::string& name, const XmlAttributes& attributes, bool empty);
    void Report(const std::string& message);

    RobotDesigner& designer_;
    bool heroSeen_ = false;
    bool inNote_ = false;
    std::string note_;
};
