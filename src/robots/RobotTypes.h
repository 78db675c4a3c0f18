#pragma once
// The records of the robot designer: one record per kind of catalogue part, and the design
// (TRobot) that holds copies of the parts chosen and the abilities they give.

#include <string>
#include <vector>

struct TRobotProcessor {
    std::string Name, Source;
    int PL = 0;
    int AM = 0; // memory
    int MaxRank = 0;
    int StepMod = 0; // the action die step
    int INT = 0;
    int Cost = 0;
};

struct TRobotChasis {
    std::string Name, Source, Tech;
    int PL = 0;
    double Weight = 0;
    int Cost = 0;
    int Size = 0;
    int CON = 0;
};

struct TRobotMaterial {
    std::string Name, Source, Class, Tech;
    int PL = 0;
    double WeightX = 0;
    double CostX = 0;
};

struct TRobotCasing {
    std::string Name, Source, Tech, Note;
    std::string Armor; // as the catalogue writes it, e.g. "d4/d4/d4-1"
    int PL = 0;
    double WeightX = 0;
    double CostX = 0;
};

struct TRobotActuator {
    std::string Name, Source, Tech;
    int PL = 0;
    double WeightX = 0;
    double CostX = 0;
    int STR = 0;
    int DEX = 0;
};

struct TRobotPropulsion {
    std::string Name, Source, Tech;
    int PL = 0;
    int CostX = 0;
    int WeightX = 0;
};

struct TRobotPower {
    std::string Name, Source, Tech;
    int PL = 0;
    int Cost = 0; // the catalogue has no cost for power sources
};

struct TRobotPort {
    std::string Name, Source, Note;
    int PL = 0;
    int Cost = 0;
    int Weight = 0;
};

struct TRobotManipulator {
    std::string Name, Source;
    int PL = 0;
    int Weight = 0;
    int Cost = 0;
    int CostSP = 0;
};

struct TRobotSensor {
    std::string Name, Source, Note;
    int PL = 0;
    int CostSP = 0;
    int Cost = 0;
    int Weight = 0;
};

struct TRobotUpgrade {
    std::string Name, Source, Class, Note;
    int PL = 0;
    int Cost = 0;
    int DEX = 0;
    int PER = 0;
    int WIL = 0;
    int AC = 0;      // action check bonus
    int Actions = 0; // listed; the actions per round do not use it
    int LiftX = 0;
};

// The robot being designed.
struct TRobot {
    int STR = 0, DEX = 0, CON = 0, INT = 0, WIL = 0, PER = 0;
    int ACBonus = 0; // action check bonus of the upgrades
    int Actions = 0; // actions per round
    TRobotProcessor Processor;
    TRobotChasis Chasis;
    TRobotActuator Actuator;
    TRobotCasing Casing;
    TRobotMaterial Material;
    TRobotPropulsion Propulsion;
    TRobotPropulsion AuxPropulsion;
    TRobotPower Power1;
    TRobotPower Power2;
    std::vector<TRobotPort> Ports;
    std::vector<TRobotManipulator> Manipulators;
    std::vector<TRobotSensor> Sensors;
    std::vector<TRobotUpgrade> Upgrades;
};
