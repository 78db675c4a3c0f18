#include "robots/RobotSheet.h"

#include "robots/PrintedPage.h"
#include "robots/RobotCatalogue.h"
#include "robots/RobotDesigner.h"

#include "hero/StepNotation.h"

namespace {

std::string LabelCell(const std::string& label) {
    return "<th class=label width=\"10%\">" + label + "</th>";
}

std::string DataCell(const std::string& markup) {
    return "<td class=data width=\"23%\">" + markup + "</td>";
}

std::string Cell(const std::string& markup) {
    return "<td>" + markup + "</td>";
}

// One row of the ability table; `res` is the Res cell's markup, none for no cell.
std::string AbilityRow(const char* name, int score, const char* resCell) {
    return std::string("<tr><th>") + name + "</th>" + Cell(std::to_string(score)) + resCell +
           "</tr>\n";
}

std::string ResCell(int score) {
    return Cell(RobotResText(score));
}

// A durability value with its row of boxes below.
std::string DurabilityCell(int value) {
    return "<td>" + std::to_string(value) + "<br>" + Boxes(value) + "</td>";
}

} // namespace

std::string RobotSheetText(const RobotDesigner& designer, const std::vector<std::string>& style) {
    const TRobot& r = designer.Robot();
    const std::string name = HtmlText(designer.Designation());
    std::string out = PageHead(designer.Designation(), style);
    out += "<body bgcolor=white>\n";

    out += "<table cellspacing=0 cellpadding=3 border=1 class=outer>\n";
    out += "<tr>" + LabelCell("Name:") + DataCell(name) + LabelCell("Processor:") +
           DataCell(HtmlText(r.Processor.Name)) + LabelCell("Actuators:") +
           DataCell(HtmlText(r.Actuator.Name)) + "</tr>\n";
    std::string propulsion = HtmlText(r.Propulsion.Name);
    if (r.AuxPropulsion.Name != kNoPart) propulsion += "<BR>" + HtmlText(r.AuxPropulsion.Name);
    out += "<tr>" + LabelCell("Chasis:") +
           DataCell(HtmlText(r.Material.Name) + "<br>" + HtmlText(r.Chasis.Name)) +
           LabelCell("Casing:") + DataCell(HtmlText(r.Casing.Name)) + LabelCell("Propulsion:") +
           DataCell(propulsion) + "</tr>\n";
    out += "</table>\n";

    out += "<table cellpadding=5 class=solid>\n<tr valign=top><td>\n";
    out += "<table class=inner>\n<tr><th>ABILITY</th><th>Score</th><th>Res</th></tr>\n";
    out += AbilityRow("STR", r.STR, ResCell(r.STR).c_str());
    out += AbilityRow("DEX", r.DEX, ResCell(r.DEX).c_str());
    out += AbilityRow("CON", r.CON, "");
    out += AbilityRow("INT", r.INT, ResCell(r.INT).c_str());
    out += AbilityRow("WIL", r.WIL, ResCell(r.WIL).c_str());
    out += AbilityRow("PER", r.PER, "<td></td>");
    out += "</table>\n</td><td>\n";

    const RobotActionCheck check = designer.ActionCheck();
    out += "<table class=inner>\n<tr><th colspan=6>ACTION CHECK SCORE</th></tr>\n";
    out += "<tr><th>Marginal</th><th>Ordinary</th><th>Good</th><th>Amazing</th><th>DIE</th>"
           "<th>Actions Per Round</th></tr>\n";
    out += "<tr>" + Cell(std::to_string(check.Marginal) + "+") +
           Cell(std::to_string(check.Ordinary)) + Cell(std::to_string(check.Good)) +
           Cell(std::to_string(check.Amazing)) + Cell(Step2Die(r.Processor.StepMod)) +
           Cell(std::to_string(r.Actions)) + "</tr>\n</table>\n";

    out += "<table class=inner>\n<tr><th colspan=4>DURABILITY</th></tr>\n";
    out += "<tr><th>Stun</th><th>Wound</th><th>Mortal</th><th>ARMOR</th></tr>\n";
    out += "<tr valign=top>" + DurabilityCell(r.CON) + DurabilityCell(r.CON) +
           DurabilityCell(RobotMortal(r.CON)) + Cell(HtmlText(r.Casing.Armor)) + "</tr>\n";
    out += "</table>\n";

    out += "<table class=inner>\n<tr><th colspan=7>COMBAT MOVEMENT RATES</th></tr>\n<tr>";
    for (const char* rate : {"Sprint", "Run", "Walk", "Easy Swim", "Swim", "Glide", "Fly"})
        out += std::string("<th>") + rate + "</th>";
    out += "</tr>\n<tr>";
    for (int i = 0; i < 7; ++i)
        out += Cell("?");
    out += "</tr>\n</table>\n";
    out += "</td></tr>\n</table>\n";

    std::string parts;
    auto partRow = [&parts](const char* kind, const std::string& partName,
                            const std::string& note) {
        parts += std::string("<tr><td class=solid bgcolor=\"#DDDDDD\"><b>") + kind + "</b></td>" +
                 Cell(HtmlText(partName)) + Cell(HtmlText(note)) + "</tr>\n";
    };
    for (const TRobotPort& port : r.Ports)
        partRow("Port", port.Name, port.Note);
    for (const TRobotSensor& sensor : r.Sensors)
        partRow("Sensor", sensor.Name, sensor.Note);
    for (const TRobotUpgrade& upgrade : r.Upgrades)
        partRow("Upgrade", upgrade.Name, upgrade.Note);
    if (!parts.empty()) out += "<table cellpadding=3 class=outer>\n" + parts + "</table>\n";

    out += "<p><b>NOTES</b><br>\n";
    for (const std::string& line : designer.Notes())
        out += HtmlText(line) + "<br>\n";
    out += "</p>\n";
    out += PageFooter();
    out += "</body>\n</html>\n";
    return out;
}
