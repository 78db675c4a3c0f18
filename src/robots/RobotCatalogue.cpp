#include "robots/RobotCatalogue.h"

#include "xml/ValueParsing.h"

#include <functional>

namespace {

// Integer fields keep their value when the text is not an integer.
void SetInteger(int& field, const std::string& text) {
    if (const auto value = ParseInteger(text)) field = *value;
}

void SetDecimal(double& field, const std::string& text) {
    if (const auto value = ParseDecimal(text)) field = *value;
}

// Calls `set` with each attribute's upper-cased name and its value.
void EachAttribute(const XmlAttributes& attributes,
                   const std::function<void(const std::string&, const std::string&)>& set) {
    for (const XmlAttribute& attribute : attributes)
        set(UpperCase(attribute.name), attribute.value);
}

// The fields every part has.
template <class Part>
bool SetCommon(Part& part, const std::string& name, const std::string& value) {
    if (name == "NAME") {
        part.Name = value;
    } else if (name == "SOURCE") {
        part.Source = value;
    } else if (name == "PL") {
        SetInteger(part.PL, value);
    } else {
        return false;
    }
    return true;
}

class CatalogueReader {
public:
    explicit CatalogueReader(RobotCatalogue& catalogue) : c_(catalogue) {}

    void OnTag(const std::string& element, const XmlAttributes& attributes) {
        const std::string kind = UpperCase(element);
        if (kind == "PROCESSOR") {
            TRobotProcessor& part = c_.Processors.emplace_back();
            EachAttribute(attributes, [&](const std::string& n, const std::string& v) {
                if (SetCommon(part, n, v)) return;
                if (n == "AM") SetInteger(part.AM, v);
                if (n == "MAXRANK") SetInteger(part.MaxRank, v);
                if (n == "STEPMOD") SetInteger(part.StepMod, v);
                if (n == "INT") SetInteger(part.INT, v);
                if (n == "COST") SetInteger(part.Cost, v);
            });
        } else if (kind == "CHASIS") {
            TRobotChasis& part = c_.Chasis.emplace_back();
            EachAttribute(attributes, [&](const std::string& n, const std::string& v) {
                if (SetCommon(part, n, v)) return;
                if (n == "TECH") part.Tech = v;
                if (n == "WEIGHT") SetDecimal(part.Weight, v);
                if (n == "COST") SetInteger(part.Cost, v);
                if (n == "SIZE") SetInteger(part.Size, v);
                if (n == "CON") SetInteger(part.CON, v);
            });
        } else if (kind == "MATERIAL") {
            TRobotMaterial& part = c_.Materials.emplace_back();
            EachAttribute(attributes, [&](const std::string& n, const std::string& v) {
                if (SetCommon(part, n, v)) return;
                if (n == "CLASS") part.Class = v;
                if (n == "TECH") part.Tech = v;
                if (n == "WEIGHTX") SetDecimal(part.WeightX, v);
                if (n == "COSTX") SetDecimal(part.CostX, v);
            });
        } else if (kind == "CASING") {
            TRobotCasing& part = c_.Casings.emplace_back();
            EachAttribute(attributes, [&](const std::string& n, const std::string& v) {
                if (SetCommon(part, n, v)) return;
                if (n == "TECH") part.Tech = v;
                if (n == "NOTE") part.Note = v;
                if (n == "ARMOR") part.Armor = v;
                if (n == "WEIGHTX") SetDecimal(part.WeightX, v);
                if (n == "COSTX") SetDecimal(part.CostX, v);
            });
        } else if (kind == "ACTUATOR") {
            TRobotActuator& part = c_.Actuators.emplace_back();
            EachAttribute(attributes, [&](const std::string& n, const std::string& v) {
                if (SetCommon(part, n, v)) return;
                if (n == "WEIGHTX") SetDecimal(part.WeightX, v);
                if (n == "COSTX") SetDecimal(part.CostX, v);
                if (n == "STR") SetInteger(part.STR, v);
                if (n == "DEX") SetInteger(part.DEX, v);
            });
        } else if (kind == "PROPULSION") {
            TRobotPropulsion& part = c_.Propulsions.emplace_back();
            EachAttribute(attributes, [&](const std::string& n, const std::string& v) {
                if (SetCommon(part, n, v)) return;
                if (n == "TECH") part.Tech = v;
                if (n == "WEIGHTX") SetInteger(part.WeightX, v);
                if (n == "COSTX") SetInteger(part.CostX, v);
            });
        } else if (kind == "POWER") {
            TRobotPower& part = c_.Powers.emplace_back();
            EachAttribute(attributes, [&](const std::string& n, const std::string& v) {
                if (SetCommon(part, n, v)) return;
                if (n == "TECH") part.Tech = v;
            });
        } else if (kind == "PORT") {
            TRobotPort& part = c_.Ports.emplace_back();
            EachAttribute(attributes, [&](const std::string& n, const std::string& v) {
                if (SetCommon(part, n, v)) return;
                if (n == "NOTE") part.Note = v;
                if (n == "WEIGHT") SetInteger(part.Weight, v);
                if (n == "COST") SetInteger(part.Cost, v);
            });
        } else if (kind == "MANIPULATOR") {
            TRobotManipulator& part = c_.Manipulators.emplace_back();
            EachAttribute(attributes, [&](const std::string& n, const std::string& v) {
                if (SetCommon(part, n, v)) return;
                if (n == "WEIGHT") SetInteger(part.Weight, v);
                if (n == "COST") SetInteger(part.Cost, v);
                if (n == "COSTSP") SetInteger(part.CostSP, v);
            });
        } else if (kind == "SENSOR") {
            TRobotSensor& part = c_.Sensors.emplace_back();
            EachAttribute(attributes, [&](const std::string& n, const std::string& v) {
                if (SetCommon(part, n, v)) return;
                if (n == "NOTE") part.Note = v;
                if (n == "WEIGHT") SetInteger(part.Weight, v);
                if (n == "COST") SetInteger(part.Cost, v);
                if (n == "COSTSP") SetInteger(part.CostSP, v);
            });
        } else if (kind == "UPGRADE") {
            TRobotUpgrade& part = c_.Upgrades.emplace_back();
            EachAttribute(attributes, [&](const std::string& n, const std::string& v) {
                if (SetCommon(part, n, v)) return;
                if (n == "NOTE") part.Note = v;
                if (n == "CLASS") part.Class = v;
                if (n == "DEX") SetInteger(part.DEX, v);
                if (n == "PER") SetInteger(part.PER, v);
                if (n == "WIL") SetInteger(part.WIL, v);
                if (n == "LIFTX") SetInteger(part.LiftX, v);
                if (n == "AC") SetInteger(part.AC, v);
                if (n == "ACTIONS") SetInteger(part.Actions, v);
                if (n == "COST") SetInteger(part.Cost, v);
            });
        }
    }

private:
    RobotCatalogue& c_;
};

// The lists that begin with "None".
void AddNoneEntries(RobotCatalogue& catalogue) {
    TRobotCasing noCasing;
    noCasing.Name = kNoPart;
    catalogue.Casings.insert(catalogue.Casings.begin(), noCasing);

    TRobotPropulsion noPropulsion;
    noPropulsion.Name = kNoPart;
    catalogue.AuxPropulsions.assign(1, noPropulsion);
    catalogue.AuxPropulsions.insert(catalogue.AuxPropulsions.end(), catalogue.Propulsions.begin(),
                                    catalogue.Propulsions.end());

    TRobotPower noPower;
    noPower.Name = kNoPart;
    catalogue.BackupPowers.assign(1, noPower);
    catalogue.BackupPowers.insert(catalogue.BackupPowers.end(), catalogue.Powers.begin(),
                                  catalogue.Powers.end());
}

} // namespace

RobotCatalogue ReadRobotCatalogue(const std::filesystem::path& file) {
    RobotCatalogue catalogue;
    CatalogueReader reader(catalogue);
    catalogue.ReadResult = ReadXmlFile(
        file,
        XmlHandlers::ForTags([&reader](const std::string& name, const XmlAttributes& attributes) {
            reader.OnTag(name, attributes);
        }));
    AddNoneEntries(catalogue);
    return catalogue;
}
