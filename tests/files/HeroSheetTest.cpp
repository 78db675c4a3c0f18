// The hero sheet, read back with an XML parser: every sheet must parse strictly (each element
// closed, each value escaped), and its blocks, rows and classes are found by XPath.

#include "BuilderTest.h"

#include "files/HeroSheet.h"
#include "files/HeroSheetPdf.h"
#include "gear/Equipment.h"
#include "hero/HeroIdentity.h"
#include "skills/PsionicPurchases.h"
#include "skills/SkillPurchases.h"

#include <libxml/parser.h>
#include <libxml/xpath.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

namespace fs = std::filesystem;

const char* kConfig = R"(<Configuration>
  <Motivation NAME="Debt of Honor" SOURCE="Core"/>
  <Trait NAME="Stubborn" SOURCE="Core"/>
</Configuration>)";

// Terran: plain, one free skill. Dimmer: psionic, but too faint for any psionic energy with a
// profession that lowers it.
const char* kSpecies = R"(<Catalogue>
  <SPECIES ID="1" PSIMULT="1.0"><Name>Terran</Name><Source>Core</Source>
    <FreeSkills Count="1"/><FreeSkill NAME="Vigilance"/></SPECIES>
  <SPECIES ID="2" PSIONIC="TRUE" PSIMULT="0.5"><Name>Dimmer</Name><Source>Core</Source></SPECIES>
</Catalogue>)";

const char* kSkills = R"(<SKILLS>
  <SKILL NAME="Melee" BROADSKILL="Melee" SOURCE="Core" ATTRIB="1" BASEPRICE="3" UNTRAINED="TRUE"/>
  <SKILL NAME="Blades" BROADSKILL="Melee" SOURCE="Core" ATTRIB="1" BASEPRICE="2" COMBATSPEC="True"/>
  <SKILL NAME="Brawl" BROADSKILL="Melee" SOURCE="Core" ATTRIB="1" BASEPRICE="2" UNTRAINED="TRUE"/>
  <SKILL NAME="Athletics" BROADSKILL="Athletics" SOURCE="Core" ATTRIB="1" BASEPRICE="3" UNTRAINED="TRUE"/>
  <SKILL NAME="Climb" BROADSKILL="Athletics" SOURCE="Core" ATTRIB="1" BASEPRICE="2" UNTRAINED="TRUE"/>
  <SKILL NAME="Lore" BROADSKILL="Lore" SOURCE="Core" ATTRIB="4" BASEPRICE="3"/>
  <SKILL NAME="Language" BROADSKILL="Lore" SOURCE="Core" ATTRIB="4" BASEPRICE="2" MULTI="TRUE"/>
  <SKILL NAME="Resolve" BROADSKILL="Resolve" SOURCE="Core" ATTRIB="5" BASEPRICE="3" UNTRAINED="TRUE"/>
  <SKILL NAME="Vigilance" BROADSKILL="Vigilance" SOURCE="Core" ATTRIB="6" BASEPRICE="3" UNTRAINED="TRUE"/>
</SKILLS>)";

const char* kPsionics = R"(<PSIONICS>
  <PSIONIC NAME="Inner Calm" BROADSKILL="Inner Calm" SOURCE="Core" ATTRIB="3" BASEPRICE="5"/>
  <PSIONIC NAME="Slow Pulse" BROADSKILL="Inner Calm" SOURCE="Core" ATTRIB="3" BASEPRICE="2"/>
</PSIONICS>)";

const Strings kBuiltInRules{
    "body        { font-family: Arial, Helvetica, sans-serif; font-size: 9pt}",
    "table.outer { border: 3px solid #555555; width: 650px }",
    "table.light { border: 3px solid #555555; width: 650px; background: #white; }",
    "table.solid { border: 3px solid #555555; width: 650px; background: #DDDDDD; }",
    "table.thick { border: 3px solid #555555; width: 650px }",
    "table.inner { border: 1px solid #555555; width: 100% }",
    "tr.solid    { background: #DDDDDD; }",
    "th          { font-family: Arial, Helvetica, sans-serif; font-size: 9pt}",
    "th.solid    { background: #DDDDDD; }",
    "th.label    { background: #DDDDDD; text-align: right; white-space: nowrap }",
    "td          { font-family: Arial, Helvetica, sans-serif; font-size: 9pt}",
    "td.data     { }",
    "td.broad1   { border-bottom: thin solid; font-weight: bold }",
    "td.broad2   { border-bottom: thin solid; font-weight: bold; color: blue; }",
    "td.broad3   { border-bottom: thin solid; font-weight: bold; color: grey; }",
    "td.spec1    { font-style: italic; }",
    "td.spec2    { font-style: italic; color: blue; }",
    "td.spec3    { font-style: italic; color: grey; }",
    "p.newpage   { page-break-before: always}",
};

// A sheet parsed as XML, strictly: a tag left open or a raw "&" or "<" fails the parse.
class ParsedSheet {
public:
    explicit ParsedSheet(const std::string& text)
        : doc_(xmlReadMemory(text.data(), static_cast<int>(text.size()), "sheet.html", "UTF-8",
                             XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
               xmlFreeDoc) {}
    bool WellFormed() const { return doc_ != nullptr; }

    // The text content of every node the expression selects, in document order.
    Strings Texts(const std::string& xpath) const {
        Strings texts;
        if (!doc_) return texts;
        std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)> context(
            xmlXPathNewContext(doc_.get()), xmlXPathFreeContext);
        std::unique_ptr<xmlXPathObject, decltype(&xmlXPathFreeObject)> result(
            xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(xpath.c_str()), context.get()),
            xmlXPathFreeObject);
        EXPECT_TRUE(result) << "bad expression " << xpath;
        if (!result || !result->nodesetval) return texts;
        for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
            xmlChar* content = xmlNodeGetContent(result->nodesetval->nodeTab[i]);
            texts.emplace_back(content ? reinterpret_cast<const char*>(content) : "");
            xmlFree(content);
        }
        return texts;
    }
    std::size_t Count(const std::string& xpath) const { return Texts(xpath).size(); }
    // The texts of the cells of each row the expression selects, one string per row.
    Strings Rows(const std::string& rowsXpath) const {
        Strings rows;
        const std::size_t count = Count(rowsXpath);
        for (std::size_t r = 1; r <= count; ++r) {
            std::string row;
            for (const std::string& cell :
                 Texts("(" + rowsXpath + ")[" + std::to_string(r) + "]/*"))
                row += (row.empty() ? "" : "|") + cell;
            rows.push_back(row);
        }
        return rows;
    }

private:
    std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> doc_;
};

class HeroSheetTest : public BuilderTest {
protected:
    void SetUp() override {
        WriteData(kConfig, kSpecies, kSkills);
        app.Write("Data/psionics.xml", kPsionics);
        Start();
        ChooseSpecies("Terran");
        ChooseProfession("Combat Spec");
        prompter.Clear();
    }

    fs::path Path(const std::string& name) const { return app.Root() / name; }

    // Writes the sheet and reads it back; the test fails when it is not well-formed.
    std::string Write(bool zero = false) {
        EXPECT_TRUE(WriteHeroSheet(*builder, Path("sheet.html"), zero));
        text = app.Read("sheet.html");
        return text;
    }
    ParsedSheet Parsed(bool zero = false) {
        ParsedSheet sheet(Write(zero));
        EXPECT_TRUE(sheet.WellFormed()) << text;
        return sheet;
    }

    // The lines of the style block, between "<!--" and "-->".
    Strings StyleLines() const {
        Strings lines;
        std::istringstream in(text);
        std::string line;
        bool inside = false;
        while (std::getline(in, line)) {
            if (line == "-->") break;
            if (inside) lines.push_back(line);
            if (line == "<!--") inside = true;
        }
        return lines;
    }

    void Carry(const std::string& name, const std::string& category, double mass) {
        TEquipmentItem item;
        item.Name = name;
        item.Category = category;
        item.Subcategory = category == "Armor" ? "Light Armor" : "Gear";
        item.Mass = mass;
        item.Quantity = 1;
        item.Type = "LI/O";
        item.DmgO = "d4";
        item.DmgG = "d4+1";
        item.DmgA = "d6";
        builder->Gear().AddEquipment(item);
    }

    std::string text;
};

TEST_F(HeroSheetTest, HeadCarriesTheBuiltInRulesOrTheStyleSheetOfTheDataFolder) {
    ParsedSheet sheet = Parsed();
    EXPECT_EQ(StyleLines(), kBuiltInRules);
    EXPECT_EQ(sheet.Count("/html/head/meta[contains(@content, 'charset=utf-8')]"), 1u);
    EXPECT_EQ(sheet.Texts("/html/body/p[last()]"), Strings{"Created by: Tavorn"});

    // The style sheet is found whatever the letter case of its name and copied line by line.
    app.Write("Data/CHARACTER.CSS", "body { color: navy }\r\ntd.spec1 { }\n");
    Parsed();
    EXPECT_EQ(StyleLines(), (Strings{"body { color: navy }", "td.spec1 { }"}));
}

TEST_F(HeroSheetTest, UnreadableStyleSheetStopsTheSheetBeforeAnythingIsWritten) {
    fs::create_directories(app.Data() / "character.css"); // there, but no file to read
    EXPECT_FALSE(WriteHeroSheet(*builder, Path("sheet.html"), false));
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{(app.Data() / "character.css").string() +
                                                   " exists but attempts to read failed"});
    EXPECT_FALSE(app.Exists("sheet.html"));
}

TEST_F(HeroSheetTest, SheetThatCannotBeWrittenIsReportedAndLeavesNoFile) {
    const fs::path target = Path("missing folder") / "sheet.html";
    EXPECT_FALSE(WriteHeroSheet(*builder, target, false));
    ASSERT_EQ(prompter.Texts(Kind::Error).size(), 1u);
    EXPECT_NE(prompter.Texts(Kind::Error)[0].find(target.string()), std::string::npos);
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(HeroSheetTest, ValuesAreShownAsTypedWhateverTheyHold) {
    builder->Identity().SetText(IdentityField::HeroName, "<b>\"&");
    builder->Identity().SetText(IdentityField::Player, "Ann & <i>Bo</i>");
    builder->Identity().SetText(IdentityField::FreeNotes, "first <line>\nsecond & last");
    ParsedSheet sheet = Parsed();
    EXPECT_EQ(sheet.Texts("/html/head/title"), Strings{"<b>\"&"});
    EXPECT_EQ(sheet.Texts("//th[.=\"Hero's Name:\"]/following-sibling::td[1]"), Strings{"<b>\"&"});
    EXPECT_EQ(sheet.Texts("//th[.=\"Player's Name:\"]/following-sibling::td[1]"),
              Strings{"Ann & <i>Bo</i>"});
    EXPECT_EQ(sheet.Count("//b[.='\"&']"), 0u); // no markup came from the name
    EXPECT_NE(text.find("<b>NOTES</b><br />first &lt;line&gt;<br />second &amp; last"),
              std::string::npos);
}

TEST_F(HeroSheetTest, IdentityAndScoresShowWhatThePagesShow) {
    builder->Identity().Choose(IdentityChoice::Motivation, 0);
    builder->Identity().Choose(IdentityChoice::Trait1, 0);
    ParsedSheet sheet = Parsed();
    auto value = [&sheet](const std::string& label) {
        const Strings texts = sheet.Texts("//th[.=\"" + label + "\"]/following-sibling::td[1]");
        return texts.size() == 1 ? texts[0] : "<" + std::to_string(texts.size()) + " cells>";
    };
    EXPECT_EQ(value("Species:"), "Terran");
    EXPECT_EQ(value("Profession:"), "Combat Spec");
    EXPECT_EQ(value("Attributes:"), "Debt of Honor, Stubborn");
    EXPECT_EQ(value("Setting:"), Label("Ruleset"));
    EXPECT_EQ(value("Strength"), Label("STR.Total"));
    EXPECT_EQ(value("Will"), Label("WIL.Total"));
    // The achievement track keeps the skill point label up to and including its first blank.
    const std::string points = Label("SkillPoints");
    ASSERT_NE(points.find(' '), std::string::npos);
    EXPECT_EQ(sheet.Texts("//th[starts-with(., 'Stored: ')]"),
              Strings{"Stored: " + points.substr(0, points.find(' ') + 1)});
    EXPECT_EQ(sheet.Texts("//th[.='Dexterity']/following-sibling::td"),
              (Strings{Label("DEX.Total"), Label("DEX.Ut"), Label("DEX.Res")}));
    EXPECT_EQ(sheet.Texts("//th[.='Personality']/following-sibling::td[3]"), Strings{""});
    EXPECT_EQ(value("DIE"), Label("ActionDie"));
    EXPECT_EQ(value("Fly"), Label("Move.Fly"));

    // Each durability value is followed by as many open boxes.
    const std::string stun = Label("Stun");
    ASSERT_GT(std::stoi(stun), 0);
    std::string boxes;
    for (int i = 0; i < std::stoi(stun); ++i)
        boxes += "\u039F";
    EXPECT_EQ(sheet.Texts("//th[.='Stun']/following-sibling::td[position() <= 2]"),
              (Strings{stun, boxes}));
}

TEST_F(HeroSheetTest, ArmorTableOnlyWithArmorAttackFormsAlways) {
    ParsedSheet plain = Parsed();
    EXPECT_EQ(plain.Count("//th[.='ARMOR']"), 0u);
    EXPECT_EQ(plain.Rows("//tr[th='ATTACK FORMS']"),
              Strings{"ATTACK FORMS|Score|Base|Type|Range (S/M/L)|Damage"});

    Carry("Padded Vest", "Armor", 2.5);
    ParsedSheet armored = Parsed();
    const Strings armor = armored.Rows("//table[.//th='ARMOR']/tr");
    ASSERT_EQ(armor.size(), 2u);
    EXPECT_EQ(armor[0], "ARMOR|SCORE|DIE|TYPE|EFFECT|AP|HIDE");
    TableRow shown = builder->Views().Table(kArmorTable)[1];
    std::string expected;
    for (const std::string& cell : shown)
        expected += (expected.empty() ? "" : "|") + cell;
    EXPECT_EQ(armor[1], expected);
}

TEST_F(HeroSheetTest, EquipmentGoesTwoItemsToARow) {
    Carry("Rope", "Gear", 1.5);
    Carry("Lamp", "Gear", 0.5);
    EXPECT_EQ(Parsed().Rows("//table[.//th='EQUIPMENT']/tr[position() > 1]"),
              Strings{"1|Rope|1.5|1|Lamp|0.5"});

    Carry("Flask", "Gear", 0.25);
    const Strings rows = Parsed().Rows("//table[.//th='EQUIPMENT']/tr[position() > 1]");
    EXPECT_EQ(rows, (Strings{"1|Rope|1.5|1|Lamp|0.5", "1|Flask|0.25|||"}));
    EXPECT_EQ(Parsed().Count("//table[.//th='EQUIPMENT']/tr[3]/td"), 6u);
}

TEST_F(HeroSheetTest, ZeroLevelSkillsAddGreyRowsAndASecondPage) {
    ASSERT_TRUE(builder->Skills().AddSkill("Melee", "", 1));
    ASSERT_TRUE(builder->Skills().AddSkill("Blades", "", 2));
    ASSERT_TRUE(builder->Skills().AddSkill("Language", "Trade Cant", 1));
    builder->Attributes().SetScore(attSTR, 12);
    ASSERT_EQ(builder->Hero().Score[attSTR], 12);

    // Bought skills only: one page, STR, DEX, CON and WIL on the left, INT and PER right.
    ParsedSheet bought = Parsed(false);
    EXPECT_EQ(bought.Count("//p[@class='newpage']"), 1u);
    EXPECT_EQ(bought.Texts("//p[@class='newpage']/following-sibling::table[1]/tr/td[1]/table/"
                           "tr[1]/th[1]"),
              (Strings{"STR Skills", "DEX Skills", "CON Skills", "WIL Skills"}));
    EXPECT_EQ(bought.Texts("//p[@class='newpage']/following-sibling::table[1]/tr/td[2]/table/"
                           "tr[1]/th[1]"),
              (Strings{"INT Skills", "PER Skills"}));
    EXPECT_EQ(bought.Rows("//table[tr/th='STR Skills']/tr[position() > 1]"),
              (Strings{"Melee|[|12|/|6|/|3|]|+d4", "Blades|2|[|14|/|7|/|3|]|+d0"}));
    EXPECT_EQ(bought.Texts("//td[@class='broad1']"), (Strings{"Melee", "Vigilance"}));
    EXPECT_EQ(bought.Texts("//td[@class='spec2']"), (Strings{"Blades", "2"}));
    EXPECT_EQ(bought.Count("//td[@class='broad3' or @class='spec3']"), 0u);
    EXPECT_EQ(bought.Rows("//table[tr/th='INT Skills']/tr[position() > 1]"),
              Strings{"Language: Trade Cant|1|[|" +
                      std::to_string(builder->Hero().Score[attINT] + 1) + "|/|" +
                      std::to_string((builder->Hero().Score[attINT] + 1) / 2) + "|/|" +
                      std::to_string((builder->Hero().Score[attINT] + 1) / 4) + "|]|+d0"});

    // With zero level skills: a specialty of the broad skill just shown repeats its scores,
    // any other untrained skill gets the untrained scores (Amazing at least 1).
    ParsedSheet zero = Parsed(true);
    EXPECT_EQ(zero.Rows("//table[tr/th='STR Skills']/tr[position() > 1]"),
              (Strings{"Melee|[|12|/|6|/|3|]|+d4", "Blades|2|[|14|/|7|/|3|]|+d0",
                       "Brawl|0|[|12|/|6|/|3|]|+d4", "Athletics|[|6|/|3|/|1|]|+d4",
                       "Climb|0|[|6|/|3|/|1|]|+d4"}));
    EXPECT_EQ(zero.Texts("//td[@class='broad3']"), (Strings{"Athletics", "Resolve"}));
    EXPECT_EQ(zero.Texts("//td[@class='spec3'][1]"), (Strings{"Brawl", "Climb"}));
    // Lore and Language are not usable untrained: still no row.
    EXPECT_EQ(zero.Count("//td[.='Lore']"), 0u);

    // WIL and PER move to a page of their own.
    EXPECT_EQ(zero.Count("//p[@class='newpage']"), 2u);
    EXPECT_EQ(zero.Texts("//p[@class='newpage'][1]/following-sibling::table[1]//tr[1]/th[1]"),
              (Strings{"STR Skills", "DEX Skills", "CON Skills", "INT Skills"}));
    EXPECT_EQ(zero.Texts("//p[@class='newpage'][2]/following-sibling::table[1]//tr[1]/th[1]"),
              (Strings{"WIL Skills", "PER Skills"}));
}

TEST_F(HeroSheetTest, WeaponSpecializationRollsTheBetterDie) {
    ASSERT_TRUE(builder->Skills().AddSkill("Blades", "", 1));
    ChooseSpecialization("Blades");
    EXPECT_EQ(Parsed().Texts("//tr[td='Blades']/td[last()]"), Strings{"-d4"});
}

TEST_F(HeroSheetTest, PsionicSectionOnlyForAPsionicHeroWithItsEnergy) {
    EXPECT_EQ(Parsed().Count("//th[.='PSIONIC SKILLS']"), 0u);

    builder->Attributes().SetScore(attWIL, 12);
    ChooseProfession("Mindwalker"); // no adjustment: the energy is the WIL score
    ASSERT_TRUE(builder->Psionics().AddPsi("Inner Calm", 1));
    ASSERT_TRUE(builder->Psionics().AddPsi("Slow Pulse", 2));
    ParsedSheet sheet = Parsed();
    const std::string wil = std::to_string(builder->Hero().Score[attWIL]);
    std::string boxes;
    for (int i = 0; i < builder->Hero().Score[attWIL]; ++i)
        boxes += "\u039F";
    EXPECT_EQ(sheet.Texts("//th[.='PSIONIC SKILLS']/following-sibling::th"),
              Strings{"Energy: " + wil + ": " + boxes});
    const int con = builder->Hero().Score[attCON];
    auto scores = [](int ordinary) {
        return "[|" + std::to_string(ordinary) + "|/|" + std::to_string(ordinary / 2) + "|/|" +
               std::to_string(ordinary / 4) + "|]";
    };
    EXPECT_EQ(sheet.Rows("//table[tr/th='CON Skills'][.//td='Inner Calm']/tr[position() > 1]"),
              (Strings{"Inner Calm|" + scores(con) + "|+d4",
                       "Slow Pulse|2|" + scores(con + 2) + "|+d0"}));
}

TEST_F(HeroSheetTest, PsionicHeroWithoutEnergyShowsWhyInAComment) {
    ChooseSpecies("Dimmer");
    ChooseProfession("Free Agent"); // lowers the multiplier by 0.5: nothing is left
    ASSERT_TRUE(builder->Psionics().AddPsi("Inner Calm", 1));
    const int index = builder->Hero().ProfessionIndex;
    Write();
    const std::string wil = std::to_string(builder->Hero().Score[attWIL]);
    const std::string comment = "<!--- WP=" + wil + "; SpeciesMult=0.5; ProfPSiAdj=-0.5; " +
                                "Prof=>Index=" + std::to_string(index) + " --->";
    EXPECT_NE(text.find("Energy: 0" + comment + "</th>"), std::string::npos) << text;
    EXPECT_NE(app.Read("tavorn.log").find("HTMLExport: Dimmer.PsiMult=0.5\n"), std::string::npos);

    // The comment is for the browser; the rest of the sheet is well-formed.
    std::string rest = text;
    rest.erase(rest.find(comment), comment.size());
    EXPECT_TRUE(ParsedSheet(rest).WellFormed());
}

TEST_F(HeroSheetTest, ExportWritesBesideASavedHeroAndOpensIt) {
    prompter.fileAnswers = {Path("Kel.XML")};
    ASSERT_TRUE(Files().SaveAs());
    prompter.Clear();
    prompter.confirmAnswers = {true};
    EXPECT_TRUE(ExportHeroSheet(*builder));
    EXPECT_EQ(prompter.Texts(Kind::Confirm), Strings{"Paint Zero Level Skills?"});
    EXPECT_EQ(prompter.Texts(Kind::SaveFile), Strings{});
    EXPECT_EQ(prompter.Texts(Kind::OpenInViewer), Strings{Path("Kel.html").string()});
    // The answer "Yes" took two pages for the skills.
    EXPECT_EQ(ParsedSheet(app.Read("Kel.html")).Count("//p[@class='newpage']"), 2u);
}

TEST_F(HeroSheetTest, ExportOfAnUnsavedHeroAsksForAPathAndDoesNotOpenIt) {
    prompter.fileAnswers = {std::nullopt}; // cancelled: nothing is asked or written
    EXPECT_FALSE(ExportHeroSheet(*builder));
    EXPECT_EQ(prompter.lastDialog.title, "HTML Export");
    EXPECT_EQ(prompter.lastDialog.filter, "HTML files (*.html)");
    EXPECT_EQ(prompter.lastDialog.defaultExtension, "html");
    EXPECT_EQ(prompter.Texts(Kind::Confirm), Strings{});

    prompter.Clear();
    prompter.fileAnswers = {Path("chosen.html")};
    EXPECT_TRUE(ExportHeroSheet(*builder));
    EXPECT_TRUE(app.Exists("chosen.html"));
    EXPECT_EQ(prompter.Texts(Kind::OpenInViewer), Strings{});
}

// The PDF export hands the same page to the renderer and only then replaces the chosen file.
TEST_F(HeroSheetTest, PdfExportRendersTheSheetAndReplacesTheFileOnlyWhenDrawn) {
    std::string drawn;
    const PdfRenderer draws = [&](const std::string& html, const fs::path& file) {
        drawn = html;
        std::ofstream(file) << "%PDF-1.4 stand-in";
        return true;
    };
    prompter.fileAnswers = {std::nullopt};
    EXPECT_FALSE(ExportHeroSheetPdf(*builder, draws));
    EXPECT_EQ(prompter.lastDialog.title, "PDF Export");
    EXPECT_EQ(prompter.lastDialog.filter, "PDF files (*.pdf)");
    EXPECT_TRUE(drawn.empty());

    prompter.fileAnswers = {Path("kel.pdf")};
    EXPECT_TRUE(ExportHeroSheetPdf(*builder, draws));
    EXPECT_EQ(app.Read("kel.pdf"), "%PDF-1.4 stand-in");
    EXPECT_TRUE(ParsedSheet(drawn).WellFormed());
    EXPECT_EQ(ParsedSheet(drawn).Count("//p[@class='newpage']"), 1u); // "No" to zero level

    // A renderer that fails half-way leaves the earlier PDF and no partial file.
    prompter.Clear();
    prompter.fileAnswers = {Path("kel.pdf")};
    const PdfRenderer fails = [](const std::string&, const fs::path& file) {
        std::ofstream(file) << "%PDF-1.4 torn";
        return false;
    };
    EXPECT_FALSE(ExportHeroSheetPdf(*builder, fails));
    EXPECT_EQ(app.Read("kel.pdf"), "%PDF-1.4 stand-in");
    EXPECT_FALSE(app.Exists("kel.pdf.partial"));
    EXPECT_EQ(prompter.Texts(Kind::Error).size(), 1u);
}

// FX of one type; Ward works by itself and may be always active, with two benefit steps.
const char* kFX = R"(<FXCatalogue>
  <Skill NAME="Glyphs" SOURCE="Core" FXT="Runes" BROADSKILL="Glyphs" ATTRIB="4" COST="5" ENERGY="1" />
  <Skill NAME="Ward" SOURCE="Core" FXT="Runes" BROADSKILL="Glyphs" ATTRIB="0" COST="2" CANBEACTIVE="1" ENERGY="2" />
  <Skill NAME="Ember" SOURCE="Core" FXT="Runes" BROADSKILL="Glyphs" ATTRIB="4" COST="3" ENERGY="1" />
  <FXBenefit NAME="Ward" RANK="1" NOTE="Runes blunt &lt;blows&gt;" />
  <FXBenefit NAME="Ward" RANK="3" NOTE="Runes turn blades" />
</FXCatalogue>)";

class HeroSheetFXTest : public HeroSheetTest {
protected:
    void SetUp() override {
        app.Write("Data/fx.xml", kFX);
        app.Write("Data/rulesets.xml",
                  R"(<RuleSets><RULESET NAME="Arcane" FXPoints="5" /></RuleSets>)");
        HeroSheetTest::SetUp();
        ChooseRules("Arcane");
    }
};

TEST_F(HeroSheetFXTest, FXRowsWithTheirScoresBenefitsAndTheEnergySpent) {
    EXPECT_EQ(Parsed().Count("//th[.='FX']"), 0u);

    ASSERT_TRUE(builder->FX().AddFX("Glyphs", 1, false));
    ASSERT_TRUE(builder->FX().AddFX("Ward", 2, false));
    ASSERT_TRUE(builder->FX().AddFX("Ember", 3, false));
    const int in = builder->Hero().Score[attINT];
    auto scores = [](int ordinary) {
        return "[|" + std::to_string(ordinary) + "|/|" + std::to_string(ordinary / 2) + "|/|" +
               std::to_string(ordinary / 4) + "|]";
    };
    ParsedSheet idle = Parsed();
    EXPECT_EQ(
        idle.Rows("//table[tr/th='FX']/tr"),
        (Strings{"FX|Energy: \u039F\u039F\u039F\u039F\u039F", "Glyphs|" + scores(in) + "|+d4|",
                 "Ward|2|[AUTO]|+d0|Runes blunt <blows>", "Ember|3|" + scores(in + 3) + "|+d0|"}));
    EXPECT_EQ(idle.Count("//td/i[.='Ward']"), 1u);

    // Always active, Ward spends 3 x 2 of the 5 points the rule set grants.
    builder->FX().RaiseFXRank("Ward");
    builder->FX().MakeAlwaysActive(2);
    ParsedSheet active = Parsed();
    EXPECT_EQ(active.Texts("//table[tr/th='FX']/tr[1]/th[2]"), Strings{"Energy: xxxxxxOVERSPENT"});
    EXPECT_EQ(active.Texts("//table[tr/th='FX']/tr[3]/td[1]"), Strings{"Ward (a)"});
    EXPECT_EQ(active.Texts("//table[tr/th='FX']/tr[3]/td[last()]"), Strings{"Runes turn blades"});
}

TEST(SheetPath, OnlyAnXmlEndingInAnyCaseBecomesHtml) {
    EXPECT_EQ(SheetPathBeside("/h/kel.xml"), fs::path("/h/kel.html"));
    EXPECT_EQ(SheetPathBeside("/h/kel.XmL"), fs::path("/h/kel.html"));
    EXPECT_EQ(SheetPathBeside("kelxml"), fs::path("kelhtml"));
    EXPECT_EQ(SheetPathBeside("xml"), std::nullopt);
    EXPECT_EQ(SheetPathBeside(""), std::nullopt);
    EXPECT_EQ(SheetPathBeside("/h/kel.xml.bak"), std::nullopt);
}

} // namespace
