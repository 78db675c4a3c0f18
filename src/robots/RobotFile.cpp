#include "robots/RobotFile.h"

#include "robots/RobotDesigner.h"
#include "xml/ValueParsing.h"

#include <algorithm>

namespace {

constexpr const char* kEol = "\r\n";

// One element line: its lead ("  " or "  \t"), name and attributes, each attribute after the
// blanks that separate it.
class Element {
public:
    Element(std::string_view lead, std::string_view name) : text_(lead) {
        text_ += '<';
        text_ += name;
    }
    Element& Attr(std::string_view name, std::string_view value, int blanks = 1) {
        text_.append(static_cast<std::size_t>(blanks), ' ');
        text_ += name;
        text_ += "=\"";
        text_ += XmlEscape(value);
        text_ += '"';
        return *this;
    }
    Element& Attr(std::string_view name, int value, int blanks = 1) {
        return Attr(name, std::to_string(value), blanks);
    }
    Element& Attr(std::string_view name, double value, int blanks = 1) {
        return Attr(name, FormatDecimal(value), blanks);
    }
    Element& Attr(std::string_view name, const char* value, int blanks = 1) {
        return Attr(name, std::string_view(value), blanks);
    }
    std::string Empty() const { return text_ + " />"; }
    std::string Open() const { return text_ + ">"; }

private:
    std::string text_;
};

void Line(std::string& out, const std::string& text) {
    out += text;
    out += kEol;
}

constexpr std::string_view kSlotLead = "  ";
constexpr std::string_view kTabLead = "  \t";

// The words a missing part is reported with.
const char* SlotWord(RobotSlot slot) {
    switch (slot) {
    case RobotSlot::Processor:
        return "processor";
    case RobotSlot::Chasis:
        return "chasis";
    case RobotSlot::Material:
        return "material";
    case RobotSlot::Actuator:
        return "actuator";
    case RobotSlot::Casing:
        return "casing";
    case RobotSlot::Propulsion:
        return "propulsion";
    case RobotSlot::AuxPropulsion:
        return "auxiliary propulsion";
    case RobotSlot::Power1:
        return "power source";
    case RobotSlot::Power2:
        return "backup power source";
    }
    return "";
}

const char* ListWord(RobotList list) {
    switch (list) {
    case RobotList::Ports:
        return "port";
    case RobotList::Manipulators:
        return "manipulator";
    case RobotList::Sensors:
        return "sensor";
    case RobotList::Upgrades:
        return "upgrade";
    }
    return "";
}

// The element of each slot and list, upper-cased.
std::optional<RobotSlot> SlotOfElement(const std::string& upper) {
    static const std::pair<const char*, RobotSlot> kSlots[] = {
        {"MATERIAL", RobotSlot::Material},
        {"CHASIS", RobotSlot::Chasis},
        {"PROCESSOR", RobotSlot::Processor},
        {"CASING", RobotSlot::Casing},
        {"ACTUATOR", RobotSlot::Actuator},
        {"PROPULSION", RobotSlot::Propulsion},
        {"AUXPROPULSION", RobotSlot::AuxPropulsion},
        {"POWER1", RobotSlot::Power1},
        {"POWER2", RobotSlot::Power2}};
    for (const auto& [element, slot] : kSlots)
        if (upper == element) return slot;
    return std::nullopt;
}

std::optional<RobotList> ListOfElement(const std::string& upper) {
    if (upper == "PORT") return RobotList::Ports;
    if (upper == "MANIPULATOR") return RobotList::Manipulators;
    if (upper == "SENSOR") return RobotList::Sensors;
    if (upper == "UPGRADE") return RobotList::Upgrades;
    return std::nullopt;
}

// The value of the attribute of exactly this name.
const std::string* AttributeNamed(const XmlAttributes& attributes, std::string_view name) {
    for (const XmlAttribute& attribute : attributes)
        if (attribute.name == name) return &attribute.value;
    return nullptr;
}

} // namespace

std::string RobotFileText(const RobotDesigner& designer) {
    const TRobot& r = designer.Robot();
    std::string out;
    Line(out, "<?xml version=\"1.0\" standalone=\"yes\"?>");
    Line(out, Element("", "Robot")
                  .Attr("Name", designer.Designation())
                  .Attr("PL", std::to_string(designer.PL()))
                  .Open());

    const TRobotMaterial& m = r.Material;
    Line(out, Element(kSlotLead, "Material")
                      .Attr("Name", m.Name)
                      .Attr("PL", m.PL, 2)
                      .Attr("Tech", m.Tech)
                      .Attr("Class", m.Class)
                      .Attr("CostX", m.CostX)
                      .Attr("WeightX", m.WeightX, 2)
                      .Attr("Source", m.Source, 2)
                      .Empty() +
                  " ");
    const TRobotChasis& ch = r.Chasis;
    Line(out, Element(kSlotLead, "Chasis")
                  .Attr("Name", ch.Name)
                  .Attr("PL", ch.PL)
                  .Attr("Tech", ch.Tech)
                  .Attr("SIZE", ch.Size)
                  .Attr("COST", ch.Cost)
                  .Attr("WEIGHT", ch.Weight, 2)
                  .Attr("CON", ch.CON)
                  .Attr("Source", ch.Source, 2)
                  .Empty());
    const TRobotCasing& ca = r.Casing;
    Line(out, Element(kSlotLead, "Casing")
                  .Attr("Name", ca.Name)
                  .Attr("PL", ca.PL)
                  .Attr("Tech", ca.Tech)
                  .Attr("COSTX", ca.CostX)
                  .Attr("WEIGHTX", ca.WeightX)
                  .Attr("ARMOR", ca.Armor)
                  .Attr("Source", ca.Source)
                  .Empty());
    const TRobotProcessor& p = r.Processor;
    Line(out, Element(kSlotLead, "Processor")
                  .Attr("Name", p.Name)
                  .Attr("PL", p.PL)
                  .Attr("Source", p.Source)
                  .Attr("AM", p.AM)
                  .Attr("MaxRank", p.MaxRank)
                  .Attr("StepMod", p.StepMod)
                  .Attr("INT", p.INT)
                  .Attr("COST", p.Cost)
                  .Empty());
    const TRobotActuator& a = r.Actuator;
    Line(out, Element(kSlotLead, "Actuator")
                  .Attr("Name", a.Name)
                  .Attr("PL", a.PL)
                  .Attr("Tech", a.Tech)
                  .Attr("CostX", a.CostX)
                  .Attr("WeightX", a.WeightX)
                  .Attr("STR", a.STR, 2)
                  .Attr("DEX", a.DEX)
                  .Attr("Source", a.Source)
                  .Empty());
    for (const auto& [name, part] :
         {std::pair<const char*, const TRobotPropulsion*>{"Propulsion", &r.Propulsion},
          {"AuxPropulsion", &r.AuxPropulsion}})
        Line(out, Element(kTabLead, name)
                      .Attr("Name", part->Name)
                      .Attr("PL", part->PL)
                      .Attr("Tech", part->Tech)
                      .Attr("COSTX", part->CostX)
                      .Attr("Source", part->Source)
                      .Empty());
    for (const auto& [name, part] :
         {std::pair<const char*, const TRobotPower*>{"Power1", &r.Power1}, {"Power2", &r.Power2}})
        Line(out, Element(kTabLead, name)
                      .Attr("Name", part->Name)
                      .Attr("PL", part->PL)
                      .Attr("Tech", part->Tech)
                      .Attr("COST", part->Cost)
                      .Attr("Source", part->Source)
                      .Empty());

    for (const TRobotPort& port : r.Ports)
        Line(out, Element(kSlotLead, "Port")
                      .Attr("Name", port.Name)
                      .Attr("PL", port.PL)
                      .Attr("COST", port.Cost)
                      .Attr("WEIGHT", port.Weight)
                      .Attr("Source", port.Source)
                      .Attr("Note", port.Note)
                      .Empty());
    for (const TRobotManipulator& manipulator : r.Manipulators)
        Line(out, Element(kSlotLead, "Manipulator")
                      .Attr("Name", manipulator.Name)
                      .Attr("PL", manipulator.PL)
                      .Attr("COST", manipulator.Cost)
                      .Attr("WEIGHT", manipulator.Weight, 2)
                      .Attr("Source", manipulator.Source)
                      .Empty());
    for (const TRobotSensor& sensor : r.Sensors)
        Line(out, Element(kSlotLead, "Sensor")
                      .Attr("Name", sensor.Name)
                      .Attr("PL", sensor.PL)
                      .Attr("COST", sensor.Cost)
                      .Attr("WEIGHT", sensor.Weight, 3)
                      .Attr("Source", sensor.Source)
                      .Attr("Note", sensor.Note)
                      .Empty());
    for (const TRobotUpgrade& upgrade : r.Upgrades)
        Line(out, Element(kSlotLead, "Upgrade")
                      .Attr("Name", upgrade.Name)
                      .Attr("PL", upgrade.PL, 2)
                      .Attr("AC", upgrade.AC)
                      .Attr("COST", upgrade.Cost)
                      .Attr("DEX", upgrade.DEX)
                      .Attr("PER", upgrade.PER)
                      .Attr("WIL", upgrade.WIL)
                      .Attr("LIFTX", upgrade.LiftX)
                      .Attr("CLASS", upgrade.Class)
                      .Attr("Source", upgrade.Source, 2)
                      .Attr("Note", upgrade.Note)
                      .Empty());

    for (const std::string& note : designer.Notes())
        Line(out, "<Note>" + XmlEscape(note) + "</Note>");
    Line(out, "</Robot>");
    return out;
}

// --- reading ------------------------------------------------------------------------------

XmlReadResult RobotFileReader::Read(std::string_view text, const std::string& fileName) {
    XmlHandlers handlers;
    handlers.keepWhitespace = true; // note lines keep their blanks
    handlers.startTag = [this](const std::string& name, const XmlAttributes& attributes) {
        OnTag(name, attributes, false);
    };
    handlers.emptyTag = [this](const std::string& name, const XmlAttributes& attributes) {
        OnTag(name, attributes, true);
    };
    handlers.content = [this](const std::string& content) {
        if (inNote_) note_ += content;
    };
    handlers.endTag = [this](const std::string& name) {
        if (!inNote_ || UpperCase(name) != "NOTE") return;
        inNote_ = false;
        designer_.notes_.push_back(note_);
    };
    return ReadXmlText(RepairLooseMarkup(text), handlers, fileName);
}

void RobotFileReader::Report(const std::string& message) {
    designer_.importErrors_.push_back(message);
    designer_.prompter_.error(message);
}

void RobotFileReader::OnTag(const std::string& name, const XmlAttributes& attributes, bool empty) {
    if (heroSeen_) return;
    const std::string element = UpperCase(name);
    const std::string* partName = AttributeNamed(attributes, "Name");

    if (element == "HERO") {
        heroSeen_ = true;
        Report(kHeroNotRobot);
    } else if (element == "ROBOT") {
        if (partName) designer_.designation_ = *partName;
        if (const std::string* pl = AttributeNamed(attributes, "PL")) {
            const ChoiceView& choice = designer_.views_.Choice(kRobotPLChoice);
            if (std::find(choice.items.begin(), choice.items.end(), *pl) != choice.items.end())
                designer_.ApplyPL(*ParseInteger(*pl));
        }
    } else if (const auto slot = SlotOfElement(element)) {
        if (!partName || partName->empty()) return;
        const ChoiceView& choice = designer_.views_.Choice(SlotChoice(*slot));
        if (std::find(choice.items.begin(), choice.items.end(), *partName) != choice.items.end())
            designer_.ChoosePart(*slot, *partName);
        else
            Report(*partName + " is not a valid " + SlotWord(*slot));
    } else if (const auto list = ListOfElement(element)) {
        const std::string wanted = partName ? *partName : std::string();
        if (!designer_.AppendPart(*list, wanted))
            Report(wanted + " is not a valid " + ListWord(*list));
    } else if (element == "NOTE") {
        if (empty) {
            designer_.notes_.emplace_back();
        } else {
            inNote_ = true;
            note_.clear();
        }
    }
}
