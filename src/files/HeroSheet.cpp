#include "files/HeroSheet.h"

#include "app/AtomicFile.h"
#include "app/HeroOperations.h"
#include "files/HeroFileWriter.h"
#include "gear/Cyberware.h"
#include "gear/Equipment.h"
#include "gear/GearViews.h"
#include "gear/LastResortPoints.h"
#include "hero/AttributeScores.h"
#include "hero/HeroDocument.h"
#include "hero/HeroIdentity.h"
#include "hero/ProfessionChoice.h"
#include "hero/SpeciesChoice.h"
#include "robots/PrintedPage.h"
#include "rules/RulesConfiguration.h"
#include "skills/FXCatalogue.h"
#include "skills/FXPurchases.h"
#include "skills/PsionicPurchases.h"
#include "skills/SkillBudget.h"
#include "xml/ValueParsing.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

namespace fs = std::filesystem;

namespace {

constexpr const char* kOpenBox = "&#927;";
constexpr const char* kFilledBox = "&#216;";
// Boxes on the achievement track, and the levels below it.
constexpr int kTrackBoxes = 28;
constexpr int kTrackLevels = 23;
// The most glyphs one run draws (durability, energy): a page stays printable whatever number
// a hand-edited catalogue or file gives it.
constexpr std::int64_t kMaxRun = 200;

// Where the sheet is assembled, with the views it reads.
struct Sheet {
    HeroOperations& builder;
    const ViewData& views;
    const THero& hero;
    std::string out;

    void Line(const std::string& text) {
        out += text;
        out += '\n';
    }
    const std::string& Label(LabelName name) const { return views.Label(name).text; }
};

std::string Text(std::string_view value) {
    return HtmlText(value);
}

// `glyph` `count` times (none for 0 or less, at most kMaxRun).
std::string Run(const char* glyph, std::int64_t count) {
    std::string run;
    for (std::int64_t i = 0; i < std::min(count, kMaxRun); ++i)
        run += glyph;
    return run;
}

std::string Cell(const std::string& markup, const std::string& attributes = {}) {
    return "<td" + (attributes.empty() ? std::string() : " " + attributes) + ">" + markup + "</td>";
}

std::string Header(const std::string& markup, const std::string& attributes = {}) {
    return "<th" + (attributes.empty() ? std::string() : " " + attributes) + ">" + markup + "</th>";
}

// A label in a header cell of class label, its value in a cell of class data.
std::string LabelAndValue(const char* label, const std::string& value,
                          const std::string& valueAttributes = {}) {
    return Header(label, "class=\"label\"") +
           Cell(Text(value), "class=\"data\"" +
                                 (valueAttributes.empty() ? std::string() : " " + valueAttributes));
}

// The hero's score of attribute number 1 (STR) to 6 (PER); 4 for any other number.
int AttributeScore(const THero& hero, int attributeNumber) {
    if (attributeNumber >= 1 && attributeNumber <= kAttributeCount)
        return hero.Score[static_cast<std::size_t>(attributeNumber - 1)];
    return 4;
}

// A shown number; 0 when the text holds none.
int ShownNumber(const std::string& text) {
    return ParseInteger(text).value_or(0);
}

// "[", Ordinary, "/", Good, "/", Amazing, "]" in seven cells: the numbers bold and blue, the
// slashes red (or everything grey).
std::string ScoreCells(int ordinary, int good, int amazing, bool grey = false) {
    const std::string bracketStyle = grey ? "color: grey" : "";
    const std::string numberStyle = grey ? "color: grey" : "color: blue; font-weight: bold";
    const std::string slashStyle = grey ? "color: grey" : "color: red";
    auto styled = [](const std::string& style, const std::string& text) {
        return style.empty() ? Cell(text) : Cell(text, "style=\"" + style + "\"");
    };
    return styled(bracketStyle, "[") + styled(numberStyle, std::to_string(ordinary)) +
           styled(slashStyle, "/") + styled(numberStyle, std::to_string(good)) +
           styled(slashStyle, "/") + styled(numberStyle, std::to_string(amazing)) +
           styled(bracketStyle, "]");
}

// Good and Amazing follow from Ordinary by halving, each halving truncating its own result.
std::string ScoreCells(int ordinary, bool grey = false) {
    const int good = ordinary / 2;
    return ScoreCells(ordinary, good, good / 2, grey);
}

// --- 1. the head ---------------------------------------------------------------------------

void WriteHead(Sheet& sheet, const std::vector<std::string>& style) {
    sheet.Line("<html>");
    sheet.Line("<head>");
    sheet.Line("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />");
    sheet.Line("<title>" + Text(sheet.hero.HeroName) + "</title>");
    sheet.Line("<style type=\"text/css\">");
    sheet.Line("<!--");
    for (const std::string& line : style)
        sheet.Line(line);
    sheet.Line("-->");
    sheet.Line("</style>");
    sheet.Line("</head>");
    sheet.Line("<body>");
}

// --- 2. identity ---------------------------------------------------------------------------

void WriteIdentity(Sheet& sheet) {
    const ViewData& v = sheet.views;
    std::string attitudes;
    for (ChoiceName choice :
         {kMotivationChoice, kMoralAttitudeChoice, kTrait1Choice, kTrait2Choice}) {
        const std::string& chosen = v.Choice(choice).Chosen();
        if (chosen.empty()) continue;
        attitudes += (attitudes.empty() ? "" : ", ") + chosen;
    }
    sheet.Line("<table class=\"outer\" cellspacing=\"0\" cellpadding=\"3\" border=\"1\">");
    sheet.Line("<tr>" +
               LabelAndValue("Hero's Name:", sheet.Label(kHeroNameLabel), "colspan=\"3\"") +
               LabelAndValue("Player's Name:", sheet.Label(kPlayerNameLabel)) + "</tr>");
    sheet.Line("<tr>" + LabelAndValue("Species:", sheet.Label(kSpeciesLabel), "colspan=\"3\"") +
               LabelAndValue("Profession:", sheet.Label(kProfessionLabel)) + "</tr>");
    sheet.Line("<tr>" +
               LabelAndValue("Gender:", v.Choice(kGenderChoice).Chosen(), "colspan=\"3\"") +
               LabelAndValue("Career:", sheet.Label(kCareerLabel)) + "</tr>");
    sheet.Line("<tr>" + LabelAndValue("Attributes:", attitudes, "colspan=\"3\"") +
               LabelAndValue("Last Resorts:", sheet.Label(kLastResortPointsLabel)) + "</tr>");
    sheet.Line("<tr>" + LabelAndValue("Setting:", sheet.Label(kRulesetLabel)) +
               LabelAndValue("GameMaster:", sheet.Label(kGameMasterLabel)) +
               LabelAndValue("Last Resort Cost:", sheet.Label(kLastResortCostLabel)) + "</tr>");
    sheet.Line("</table>");
}

// --- 3. scores -----------------------------------------------------------------------------

void WriteAbilities(Sheet& sheet) {
    static const std::array<const char*, kAttributeCount> kNames{
        "Strength", "Dexterity", "Constitution", "Intelligence", "Will", "Personality"};
    sheet.Line("<table class=\"inner\">");
    sheet.Line("<tr>" + Header("ABILITY") + Header("Score") + Header("Untrained") +
               Header("Res Mod") + "</tr>");
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        const std::string res = ShowsResistanceModifier(attribute)
                                    ? sheet.Label(AttributeLabel(attribute, AttributeColumn::Res))
                                    : std::string();
        sheet.Line("<tr>" + Header(kNames[static_cast<std::size_t>(attribute)], "align=\"left\"") +
                   Cell(Text(sheet.Label(AttributeLabel(attribute, AttributeColumn::Total))),
                        "align=\"center\"") +
                   Cell(Text(sheet.Label(AttributeLabel(attribute, AttributeColumn::Ut))),
                        "align=\"center\"") +
                   Cell(Text(res), "align=\"center\"") + "</tr>");
    }
    sheet.Line("</table>");
}

void WriteActionCheckAndMovement(Sheet& sheet) {
    auto value = [&sheet](LabelName name) {
        return Cell(Text(sheet.Label(name)), "align=\"center\"");
    };
    sheet.Line("<table class=\"inner\">");
    sheet.Line("<tr>" + Header("ACTION CHECK SCORE", "colspan=\"4\"") + "</tr>");
    sheet.Line("<tr>" + Header("Marginal") + Header("Ordinary") + Header("Good") +
               Header("Amazing") + "</tr>");
    sheet.Line("<tr>" + value(kActionMarginalLabel) + value(kActionOrdinaryLabel) +
               value(kActionGoodLabel) + value(kActionAmazingLabel) + "</tr>");
    sheet.Line("<tr>" + Header("DIE") + value(kActionDieLabel) + Header("Actions Per Round") +
               value(kActionsLabel) + "</tr>");
    sheet.Line("</table>");

    sheet.Line("<table class=\"inner\">");
    sheet.Line("<tr>" + Header("COMBAT MOVEMENT RATES", "colspan=\"8\"") + "</tr>");
    sheet.Line("<tr>" + Header("Sprint") + value(kSprintLabel) + Header("Run") + value(kRunLabel) +
               Header("Walk") + value(kWalkLabel) + "</tr>");
    sheet.Line("<tr>" + Header("Easy Swim") + value(kEasySwimLabel) + Header("Swim") +
               value(kSwimLabel) + Header("Glide") + value(kGlideLabel) + Header("Fly") +
               value(kFlyLabel) + "</tr>");
    sheet.Line("</table>");
}

void WriteDurability(Sheet& sheet) {
    auto entry = [&sheet](const char* caption, LabelName name) {
        const std::string& shown = sheet.Label(name);
        return Header(caption, "align=\"left\"") + Cell(Text(shown), "align=\"center\"") +
               Cell(Run(kOpenBox, ShownNumber(shown)));
    };
    sheet.Line("<table class=\"inner\">");
    sheet.Line("<tr>" + Header("DURABILITY", "colspan=\"6\"") + "</tr>");
    sheet.Line("<tr>" + entry("Stun", kStunLabel) + entry("Fatigue", kFatigueLabel) + "</tr>");
    sheet.Line("<tr>" + entry("Wound", kWoundLabel) + entry("Mortal", kMortalLabel) + "</tr>");
    sheet.Line("</table>");
}

void WriteScores(Sheet& sheet) {
    sheet.Line("<table class=\"solid\" cellpadding=\"3\">");
    sheet.Line("<tr valign=\"top\"><td>");
    WriteAbilities(sheet);
    sheet.Line("</td><td>");
    WriteActionCheckAndMovement(sheet);
    sheet.Line("</td></tr>");
    sheet.Line("<tr><td colspan=\"2\">");
    WriteDurability(sheet);
    sheet.Line("</td></tr>");
    sheet.Line("</table>");
}

// --- 4. and 5. the combat tables -----------------------------------------------------------

void WriteCombatTable(Sheet& sheet, const std::vector<const char*>& headers,
                      const TableView& table) {
    std::string header;
    for (const char* caption : headers)
        header += Header(caption);
    sheet.Line("<table class=\"outer\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\">");
    sheet.Line("<tr class=\"solid\">" + header + "</tr>");
    for (std::size_t r = 1; r < table.size(); ++r) {
        TableRow row = table[r];
        row.resize(headers.size());
        std::string cells;
        for (const std::string& cell : row)
            cells += Cell(Text(cell));
        sheet.Line("<tr>" + cells + "</tr>");
    }
    sheet.Line("</table>");
}

void WriteArmorAndWeapons(Sheet& sheet) {
    const TableView& armor = sheet.views.Table(kArmorTable);
    if (armor.size() > 1)
        WriteCombatTable(sheet, {"ARMOR", "SCORE", "DIE", "TYPE", "EFFECT", "AP", "HIDE"}, armor);
    WriteCombatTable(sheet, {"ATTACK FORMS", "Score", "Base", "Type", "Range (S/M/L)", "Damage"},
                     sheet.views.Table(kWeaponsTable));
}

// --- 6. perks and flaws --------------------------------------------------------------------

void WritePerkFlawColumn(Sheet& sheet, const char* heading,
                         const std::vector<PerkFlawItem>& items) {
    sheet.Line("<table class=\"inner\">");
    sheet.Line("<tr class=\"solid\">" + Header(heading) + Header("Cost") + "</tr>");
    for (const PerkFlawItem& item : items)
        if (item.Selected)
            sheet.Line("<tr>" + Cell(Text(item.Name)) +
                       Cell(std::to_string(item.Cost), "align=\"right\"") + "</tr>");
    sheet.Line("</table>");
}

void WritePerksAndFlaws(Sheet& sheet) {
    sheet.Line("<table class=\"outer\" cellpadding=\"2\">");
    sheet.Line("<tr valign=\"top\"><td width=\"50%\">");
    WritePerkFlawColumn(sheet, "PERKS", sheet.hero.Perks);
    sheet.Line("</td><td width=\"50%\">");
    WritePerkFlawColumn(sheet, "FLAWS", sheet.hero.Flaws);
    sheet.Line("</td></tr>");
    sheet.Line("</table>");
}

// --- 7. cyberware --------------------------------------------------------------------------

// The tolerance track with boxes: "q" free, "x" used, "s" between the tiers.
std::string ToleranceBoxes(const std::string& track) {
    std::string boxes;
    for (char c : track) {
        if (c == 'q')
            boxes += kOpenBox;
        else if (c == 'x')
            boxes += kFilledBox;
        else if (c == 's')
            boxes += '*';
        else
            boxes += Text(std::string(1, c));
    }
    return boxes;
}

void WriteCyberware(Sheet& sheet) {
    if (sheet.hero.Cyberware.empty()) return;
    sheet.Line("<table class=\"outer\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\">");
    sheet.Line("<tr class=\"solid\">" + Header("CYBERWARE", "align=\"left\"") +
               Header("Tolerance: " + ToleranceBoxes(sheet.Label(kCyberToleranceLabel)),
                      "align=\"left\"") +
               "</tr>");
    for (const TCyberTech& item : sheet.hero.Cyberware)
        sheet.Line("<tr>" + Cell(Text(item.Name)) + Cell(Text(item.Note)) + "</tr>");
    sheet.Line("</table>");
}

// --- 8. mutations --------------------------------------------------------------------------

void WriteMutations(Sheet& sheet) {
    const THero& hero = sheet.hero;
    if (hero.Advantages.empty() && hero.Drawbacks.empty()) return;
    sheet.Line("<table class=\"outer\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\">");
    sheet.Line("<tr class=\"solid\">" + Header("Mutations", "colspan=\"2\"") + "</tr>");
    for (const auto* list : {&hero.Advantages, &hero.Drawbacks})
        for (const TMutation& mutation : *list)
            sheet.Line("<tr>" + Cell(Text(mutation.Name)) + Cell(Text(mutation.Note)) + "</tr>");
    sheet.Line("</table>");
}

// --- 9. FX ---------------------------------------------------------------------------------

void WriteFX(Sheet& sheet) {
    const TableView& table = sheet.views.Table(kFXTable);
    if (table.size() < 2) return;
    const THero& hero = sheet.hero;
    std::int64_t used = 0;
    for (const TFX& fx : hero.FXSkills)
        if (fx.Selected && fx.Active) used += 3 * static_cast<std::int64_t>(fx.Energy);
    const std::int64_t left = sheet.builder.Rules().RuleSet().FXPoints - used;
    std::string energy = "Energy: " + Run("x", used);
    energy += left < 0 ? "<span style=\"color: red; font-weight: bold\">OVERSPENT</span>"
                       : Run(kOpenBox, left);

    const std::vector<TFXBenefit>& steps = sheet.builder.FX().Catalogue().benefits;
    sheet.Line("<table class=\"outer\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\">");
    sheet.Line("<tr class=\"solid\">" + Header("FX", "colspan=\"2\" align=\"left\"") +
               Header(energy, "colspan=\"9\" align=\"left\"") + "</tr>");
    for (const TFX& fx : hero.FXSkills) {
        if (!fx.Selected || IsFXTypeNode(fx)) continue;
        const bool broad = IsBroadFX(fx);
        std::string row = "<tr>";
        if (broad)
            row += Cell("<b>" + Text(fx.Name) + "</b>", "colspan=\"2\"");
        else if (fx.Active)
            row += Cell("<span style=\"color: blue\">" + Text(fx.Name) + " (a)</span>") +
                   Cell(std::to_string(fx.Rank));
        else
            row += Cell("<i>" + Text(fx.Name) + "</i>") + Cell(std::to_string(fx.Rank));
        if (fx.Attrib == 0)
            row += Cell("<span style=\"color: grey\">[</span>AUTO<span style=\"color: "
                        "grey\">]</span>",
                        "colspan=\"7\" align=\"center\"");
        else
            row += ScoreCells(AttributeScore(hero, fx.Attrib) + fx.Rank);
        row += Cell(broad ? "+d4" : "+d0");
        const TFXBenefit* step = FXBenefitStep(steps, fx.Name, fx.Rank);
        row += Cell(step ? Text(step->Note) : std::string());
        sheet.Line(row + "</tr>");
    }
    sheet.Line("</table>");
}

// --- 10. achievement track -----------------------------------------------------------------

void WriteAchievementTrack(Sheet& sheet) {
    const std::string& points = sheet.Label(kSkillPointsLabel);
    const std::size_t blank = points.find(' ');
    const std::string stored = blank == std::string::npos ? points : points.substr(0, blank + 1);
    const int level = ShownNumber(sheet.Label(kLevelLabel));
    const int needed = ShownNumber(sheet.Label(kPointsNeededLabel));
    const int filled = static_cast<int>(std::clamp<std::int64_t>(
        static_cast<std::int64_t>(level) + 6 - (static_cast<std::int64_t>(needed) + 1), 0,
        kTrackBoxes));

    // Columns of one width: the boxes and the levels line up.
    sheet.Line("<table class=\"solid\" cellspacing=\"0\" cellpadding=\"1\" "
               "style=\"table-layout: fixed\">");
    sheet.Line("<tr>" + Header("ACHIEVEMENT TRACK", "colspan=\"20\" align=\"left\"") +
               Header("Stored: " + Text(stored), "colspan=\"8\" align=\"left\"") + "</tr>");
    std::string boxes;
    for (int i = 0; i < kTrackBoxes; ++i)
        boxes += Cell(i < filled ? kFilledBox : kOpenBox, "align=\"center\"");
    sheet.Line("<tr>" + boxes + "</tr>");
    std::string levels = Header("Hero's Level", "colspan=\"5\" align=\"left\"");
    for (int l = 1; l <= kTrackLevels; ++l)
        levels += Cell(std::to_string(l),
                       l == level ? "align=\"center\" style=\"color: white; background: black\""
                                  : "align=\"center\"");
    sheet.Line("<tr>" + levels + "</tr>");
    sheet.Line("</table>");
}

// --- 11. die step scale --------------------------------------------------------------------

void WriteDieSteps(Sheet& sheet) {
    static const std::array<const char*, 13> kDice{"-d20", "-d12",  "-d8",  "-d6", "-d4",
                                                   "+d0",  "+d4",   "+d6",  "+d8", "+d12",
                                                   "+d20", "+2d20", "+3d20"};
    sheet.Line("<table class=\"outer\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\" "
               "style=\"table-layout: fixed\">");
    sheet.Line("<tr class=\"solid\">" + Header("Bonus", "colspan=\"4\" align=\"left\"") +
               Header("SITUATION DIE STEPS SCALE", "colspan=\"5\"") +
               Header("Penalty", "colspan=\"4\" align=\"right\"") + "</tr>");
    std::string steps, dice;
    for (int step = -5; step <= 7; ++step) {
        steps +=
            Cell(step > 0 ? "+" + std::to_string(step) : std::to_string(step), "align=\"center\"");
        dice += Cell(kDice[static_cast<std::size_t>(step + 5)], "align=\"center\"");
    }
    sheet.Line("<tr>" + steps + "</tr>");
    sheet.Line("<tr>" + dice + "</tr>");
    sheet.Line("</table>");
}

// --- 12. skills ----------------------------------------------------------------------------

std::string ClassedCell(const char* cssClass, const std::string& markup,
                        const std::string& more = {}) {
    return Cell(markup,
                std::string("class=\"") + cssClass + "\"" + (more.empty() ? "" : " " + more));
}

// The header row of a skill or psionic table.
std::string SkillTableHeader(int attribute) {
    return "<tr class=\"solid\">" +
           Header(kAttributeNames[static_cast<std::size_t>(attribute - 1)] + " Skills",
                  "align=\"left\"") +
           Header("Rank") + Header("Score", "colspan=\"7\"") + Header("Die") + "</tr>";
}

void WriteSkillTable(Sheet& sheet, int attribute, bool zero) {
    const THero& hero = sheet.hero;
    const int s = AttributeScore(hero, attribute);
    const std::string weaponSpecialization =
        hero.ProfessionIndex == 0 ? sheet.builder.Professions().ChosenSpecialization()
                                  : std::string();
    // The broad skill written last, with its three scores.
    std::string lastBroad;
    std::array<int, 3> broadScores{0, 0, 0};

    sheet.Line("<table class=\"inner\" cellspacing=\"0\">");
    sheet.Line(SkillTableHeader(attribute));
    for (const TSkillItem& skill : hero.Skills) {
        if (skill.Attrib != attribute) continue;
        const bool broad = skill.Name == skill.BroadSkill;
        if (skill.Selected && broad) {
            const int good = s / 2;
            lastBroad = skill.Name;
            broadScores = {s, good, good / 2};
            sheet.Line("<tr>" +
                       ClassedCell(skill.Untrained ? "broad1" : "broad2", Text(skill.Name),
                                   "colspan=\"2\"") +
                       ScoreCells(s) + Cell("+d4") + "</tr>");
        } else if (skill.Selected && !skill.Multi) {
            const char* cssClass = skill.Untrained ? "spec1" : "spec2";
            const bool specialization =
                !weaponSpecialization.empty() && weaponSpecialization == skill.Name;
            sheet.Line("<tr>" + ClassedCell(cssClass, Text(skill.Name)) +
                       ClassedCell(cssClass, std::to_string(skill.Rank)) +
                       ScoreCells(s + skill.Rank) + Cell(specialization ? "-d4" : "+d0") + "</tr>");
        } else if (skill.Selected) {
            for (const TSkillItem& instance : hero.SkillInstances) {
                if (!instance.Selected || instance.Name != skill.Name) continue;
                sheet.Line(
                    "<tr>" +
                    Cell("<i>" + Text(instance.Name) + ": " + Text(instance.Detail) + "</i>") +
                    Cell("<i>" + std::to_string(instance.Rank) + "</i>") +
                    ScoreCells(s + instance.Rank) + Cell("+d0") + "</tr>");
            }
        } else if (skill.Untrained && zero) {
            std::array<int, 3> scores;
            if (!broad && !lastBroad.empty() && skill.BroadSkill == lastBroad) {
                scores = broadScores;
            } else {
                const int ordinary = s / 2;
                const int good = ordinary / 2;
                scores = {ordinary, good, std::max(good / 2, 1)};
            }
            const std::string cells = ScoreCells(scores[0], scores[1], scores[2]) + Cell("+d4");
            if (broad)
                sheet.Line("<tr>" + ClassedCell("broad3", Text(skill.Name), "colspan=\"2\"") +
                           cells + "</tr>");
            else
                sheet.Line("<tr>" + ClassedCell("spec3", Text(skill.Name)) +
                           ClassedCell("spec3", "0") + cells + "</tr>");
        }
    }
    sheet.Line("</table>");
}

// Two columns, each a run of tables, on a new page.
template <class WriteTable>
void WriteColumns(Sheet& sheet, const std::vector<int>& left, const std::vector<int>& right,
                  WriteTable writeTable) {
    sheet.Line("<table class=\"outer\" cellpadding=\"2\">");
    sheet.Line("<tr valign=\"top\"><td width=\"50%\">");
    for (int attribute : left)
        writeTable(attribute);
    sheet.Line("</td><td width=\"50%\">");
    for (int attribute : right)
        writeTable(attribute);
    sheet.Line("</td></tr>");
    sheet.Line("</table>");
}

void NewPage(Sheet& sheet) {
    sheet.Line("<p class=\"newpage\"></p>");
}

void WriteSkills(Sheet& sheet, bool zero) {
    auto table = [&sheet, zero](int attribute) { WriteSkillTable(sheet, attribute, zero); };
    NewPage(sheet);
    if (zero) {
        WriteColumns(sheet, {1, 2, 3}, {4}, table);
        NewPage(sheet);
        WriteColumns(sheet, {5}, {6}, table);
    } else {
        WriteColumns(sheet, {1, 2, 3, 5}, {4, 6}, table);
    }
}

// --- 13. psionics --------------------------------------------------------------------------

void WritePsionicTable(Sheet& sheet, int attribute) {
    const THero& hero = sheet.hero;
    const int s = AttributeScore(hero, attribute);
    const ChoiceView& specialization = sheet.views.Choice(kSpecializationChoice);
    sheet.Line("<table class=\"inner\" cellspacing=\"0\">");
    sheet.Line(SkillTableHeader(attribute));
    for (const TSkillItem& psionic : hero.Psionics) {
        if (!psionic.Selected || psionic.Attrib != attribute) continue;
        const bool broad = psionic.Name == psionic.BroadSkill;
        const bool specialized = specialization.visible && !specialization.Chosen().empty() &&
                                 specialization.Chosen() == psionic.BroadSkill;
        const char* die = broad ? (specialized ? "+d0" : "+d4") : (specialized ? "-d4" : "+d0");
        if (broad)
            sheet.Line("<tr>" + Cell("<b>" + Text(psionic.Name) + "</b>", "colspan=\"2\"") +
                       ScoreCells(s, true) + Cell(die) + "</tr>");
        else
            sheet.Line("<tr>" + Cell("<i>" + Text(psionic.Name) + "</i>") +
                       Cell(std::to_string(psionic.Rank)) + ScoreCells(s + psionic.Rank, true) +
                       Cell(die) + "</tr>");
    }
    sheet.Line("</table>");
}

void WritePsionics(Sheet& sheet) {
    const TableView& table = sheet.views.Table(kPsionicTable);
    if (table.size() < 2 || table[1].empty() || table[1][0].empty()) return;
    const THero& hero = sheet.hero;
    const TProfData* profession = sheet.builder.Professions().Chosen();
    const double adjustment = profession ? profession->PsiAdj : 0.0;
    const double multiplier = hero.CurrentSpecies.PsiMult;
    sheet.builder.Document().logs.Log("HTMLExport: " + hero.CurrentSpecies.Name +
                                      ".PsiMult=" + FormatDecimal(multiplier));

    const int energy = sheet.builder.Psionics().Energy();
    std::string heading = "Energy: ";
    if (energy == 0)
        heading += "0<!--- WP=" + std::to_string(hero.Score[attWIL]) +
                   "; SpeciesMult=" + FormatDecimal(multiplier) +
                   "; ProfPSiAdj=" + FormatDecimal(adjustment) +
                   "; Prof=>Index=" + std::to_string(hero.ProfessionIndex) + " --->";
    else
        heading += std::to_string(energy) + ": " + Run(kOpenBox, energy);

    sheet.Line("<table class=\"outer\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\">");
    sheet.Line("<tr class=\"solid\">" + Header("PSIONIC SKILLS", "align=\"left\"") +
               Header(heading, "align=\"left\"") + "</tr>");
    sheet.Line("<tr valign=\"top\"><td width=\"50%\">");
    WritePsionicTable(sheet, attCON + 1);
    WritePsionicTable(sheet, attINT + 1);
    sheet.Line("</td><td width=\"50%\">");
    WritePsionicTable(sheet, attWIL + 1);
    WritePsionicTable(sheet, attPER + 1);
    sheet.Line("</td></tr>");
    sheet.Line("</table>");
}

// --- 14. equipment -------------------------------------------------------------------------

void WriteEquipment(Sheet& sheet) {
    const TableView& carried = sheet.views.Table(kCarriedEquipmentTable);
    sheet.Line("<table class=\"outer\" cellpadding=\"2\"><tr><td>");
    sheet.Line("<table class=\"inner\" cellspacing=\"0\">");
    sheet.Line("<tr class=\"solid\">" + Header("Qty") + Header("EQUIPMENT") + Header("Mass") +
               Header("Qty") + Header("EQUIPMENT") + Header("Mass") + "</tr>");
    // The carried grid: {"Equipment", "Qty", "Mass", ...}.
    auto item = [](TableRow row) {
        row.resize(3);
        return Cell(Text(row[1]), "align=\"right\"") + Cell(Text(row[0])) +
               Cell(Text(row[2]), "align=\"right\"");
    };
    for (std::size_t r = 1; r < carried.size(); r += 2) {
        std::string cells = item(carried[r]);
        cells += r + 1 < carried.size() ? item(carried[r + 1]) : Cell("") + Cell("") + Cell("");
        sheet.Line("<tr>" + cells + "</tr>");
    }
    sheet.Line("</table>");
    sheet.Line("</td></tr></table>");
}

// --- 15. to 17. notes and the footer -------------------------------------------------------

void WriteNotes(Sheet& sheet) {
    const THero& hero = sheet.hero;
    std::string notes = "<b>CHARACTER NOTES</b>";
    for (const TableRow& line : sheet.views.Table(kFixedNotesTable))
        notes += "<br />" + Text(line.empty() ? std::string() : line[0]);
    for (const std::string& name : hero.CashedOutSkills)
        notes += "<br />Free Skill Cashed out: " + Text(name);
    for (const TBenefit& benefit : hero.Benefits)
        notes += "<br />Achievement Benefit: " + Text(benefit.Name);
    for (const TSkillPointAdjustment& adjustment : hero.SkillPointAdjustments)
        notes += "<br />Skill Pt Adj: [" + std::to_string(adjustment.Points) + "] " +
                 Text(adjustment.Description);
    sheet.Line("<table class=\"outer\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
    sheet.Line("<tr>" + Cell(notes) + "</tr>");
    std::string free = "<b>NOTES</b>";
    for (const std::string& line : TextLines(hero.FreeNotes))
        free += "<br />" + Text(line);
    sheet.Line("<tr>" + Cell(free) + "</tr>");
    sheet.Line("</table>");
}

} // namespace

std::string HeroSheetText(HeroOperations& builder, const std::vector<std::string>& style,
                          bool zeroLevelSkills) {
    const HeroDocument& document = builder.Document();
    Sheet sheet{builder, document.Views, document.Hero, {}};
    WriteHead(sheet, style);
    WriteIdentity(sheet);
    WriteScores(sheet);
    WriteArmorAndWeapons(sheet);
    WritePerksAndFlaws(sheet);
    WriteCyberware(sheet);
    WriteMutations(sheet);
    WriteFX(sheet);
    WriteAchievementTrack(sheet);
    WriteDieSteps(sheet);
    WriteSkills(sheet, zeroLevelSkills);
    WritePsionics(sheet);
    WriteEquipment(sheet);
    WriteNotes(sheet);
    sheet.out += PageFooter();
    sheet.Line("</body>");
    sheet.Line("</html>");
    return std::move(sheet.out);
}

bool WriteHeroSheet(HeroOperations& builder, const fs::path& path, bool zeroLevelSkills) {
    Prompter& prompter = builder.Document().prompter;
    const auto style = ReadSheetStyle(builder.Document().paths, prompter);
    if (!style) return false;
    if (!WriteFileAtomically(path, HeroSheetText(builder, *style, zeroLevelSkills))) {
        prompter.error(CouldNotWriteMessage(path.string()));
        return false;
    }
    return true;
}

std::optional<fs::path> SheetPathBeside(const std::string& heroFile) {
    if (heroFile.size() <= 3) return std::nullopt;
    std::string ending = heroFile.substr(heroFile.size() - 3);
    for (char& c : ending)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (ending != "XML") return std::nullopt;
    return fs::path(heroFile.substr(0, heroFile.size() - 3) + "html");
}

bool ExportHeroSheet(HeroOperations& builder) {
    Prompter& prompter = builder.Document().prompter;
    const std::optional<fs::path> beside = SheetPathBeside(builder.Document().Hero.FileName);
    fs::path path;
    if (beside) {
        path = *beside;
    } else {
        FileDialogRequest request;
        request.title = "HTML Export";
        request.filter = "HTML files (*.html)";
        request.defaultExtension = "html";
        request.initialName = "*.html";
        const std::optional<fs::path> chosen = prompter.saveFile(request);
        if (!chosen) return false;
        path = *chosen;
    }
    const bool zero = prompter.confirm(kZeroLevelQuestion);
    if (!WriteHeroSheet(builder, path, zero)) return false;
    if (beside && !prompter.openInViewer(path))
        prompter.info("No viewer could open " + path.string());
    return true;
}
