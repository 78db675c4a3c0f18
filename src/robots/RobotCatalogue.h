#pragma once
// The robot parts catalogue, "robots.xml" of the data folder: eleven lists in file order, one
// per kind of part, and the three lists made from them with a "None" entry first (casings,
// auxiliary propulsion, backup power).

#include "robots/RobotTypes.h"
#include "xml/XmlEventReader.h"

#include <filesystem>
#include <string>
#include <vector>

// The name of the entry that stands for no part.
inline constexpr const char* kNoPart = "None";

struct RobotCatalogue {
    std::vector<TRobotProcessor> Processors;
    std::vector<TRobotChasis> Chasis;
    std::vector<TRobotMaterial> Materials;
    std::vector<TRobotCasing> Casings; // "None" first
    std::vector<TRobotActuator> Actuators;
    std::vector<TRobotPropulsion> Propulsions;
    std::vector<TRobotPropulsion> AuxPropulsions; // "None", then every propulsion
    std::vector<TRobotPower> Powers;
    std::vector<TRobotPower> BackupPowers; // "None", then every power source
    std::vector<TRobotPort> Ports;
    std::vector<TRobotManipulator> Manipulators;
    std::vector<TRobotSensor> Sensors;
    std::vector<TRobotUpgrade> Upgrades;

    // What the reader met: `opened` is false for a missing or unreadable file.
    XmlReadResult ReadResult;
};

// Reads the catalogue. Element and attribute names are compared upper-cased; an integer
// that does not parse leaves its field at 0, a decimal is read with "." (or ","). A missing
// or damaged file gives the lists read so far, and the three "None" entries in any case.
RobotCatalogue ReadRobotCatalogue(const std::filesystem::path& file);
