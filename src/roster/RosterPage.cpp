#include "roster/RosterPage.h"

#include "robots/PrintedPage.h"
#include "roster/Roster.h"
#include "xml/ValueParsing.h"

#include <algorithm>

namespace {

// A cell's text with "|" as line breaks, or a blank when it is empty.
std::string ListCell(const std::string& text) {
    if (text.empty()) return "&nbsp";
    std::string cell;
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = text.find('|', start);
        cell += HtmlText(text.substr(start, bar - start));
        if (bar == std::string::npos) break;
        cell += "<BR>";
        start = bar + 1;
    }
    return cell;
}

// A resistance modifier in red when it is negative, else in blue.
std::string Modifier(const std::string& text) {
    const char* colour = !text.empty() && text.front() == '-' ? "red" : "blue";
    return std::string("<font color=") + colour + ">" + HtmlText(text) + "</font> step";
}

} // namespace

std::string DurabilityBoxes(const std::string& number) {
    const int count = std::clamp(ParseInteger(number).value_or(0), 0, kMaxBoxes);
    if (count <= 14) return Boxes(count);
    const int first = (count + 1) / 2;
    return Boxes(first) + "<BR>" + Boxes(count - first);
}

std::string RosterPageText(const std::string& rosterName, const TableView& rows,
                           const std::vector<std::string>& style) {
    std::string out = PageHead(rosterName, style);
    out += "<body bgcolor=white text=black>\n<table width=100% border=1>\n";
    out += "<tr bgcolor=\"#BBBBBB\"><td colspan=7 align=center><font size=\"+2\">" +
           HtmlText(rosterName) + "</font></td></tr>\n";
    out += "<tr bgcolor=\"#BBBBBB\"><th>Name</th><th>Misc</th><th>Armor</th><th>Durability</th>"
           "<th>Attack</th></tr>\n";
    for (TableRow row : rows) {
        row.resize(kRosterHeaders.size());
        out += "<tr valign=top>\n";
        out += "<td bgcolor=\"#dddddd\"><b>" + HtmlText(row[kRosterName]) + "</b><br>\n";
        out += "&nbsp;&nbsp;Str Res: " + Modifier(row[kRosterStrRes]) + "<br>\n";
        out += "&nbsp;&nbsp;Dex Res: " + Modifier(row[kRosterDexRes]) + "</td>\n";
        out += "<td>Mv: " + HtmlText(row[kRosterMove]) +
               "<br>\nAC: " + HtmlText(row[kRosterActionCheck]) +
               "<br>\nActions: " + HtmlText(row[kRosterActions]) + "</td>\n";
        out += "<td nowrap>" + ListCell(row[kRosterArmor]) + "</td>\n";
        out += "<td align=right>S: " + DurabilityBoxes(row[kRosterStun]) +
               "<br>\nW: " + DurabilityBoxes(row[kRosterWound]) +
               "<br>\nM: " + DurabilityBoxes(row[kRosterMortal]) + "</td>\n";
        out += "<td>" + ListCell(row[kRosterAttacks]) + "</td>\n";
        out += "</tr>\n<tr><td colspan=5>&nbsp;<br>&nbsp;</td></tr>\n";
    }
    out += "</table>\n";
    out += PageFooter();
    out += "</body>\n</html>\n";
    return out;
}
