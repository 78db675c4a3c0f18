#include "xml/XmlEventReader.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Lines = std::vector<std::string>;

// Every event of a text as one line: "S name a=v ...", "E name ...", "C text", "/ name".
struct EventLog {
    Lines lines;
    XmlReadResult result;

    explicit EventLog(const std::string& text, bool keepWhitespace = false) {
        XmlHandlers handlers;
        handlers.keepWhitespace = keepWhitespace;
        handlers.startTag = [this](const std::string& name, const XmlAttributes& attributes) {
            lines.push_back("S " + name + Join(attributes));
        };
        handlers.emptyTag = [this](const std::string& name, const XmlAttributes& attributes) {
            lines.push_back("E " + name + Join(attributes));
        };
        handlers.content = [this](const std::string& text) { lines.push_back("C " + text); };
        handlers.endTag = [this](const std::string& name) { lines.push_back("/ " + name); };
        result = ReadXmlText(text, handlers, "hero.xml");
    }
    static std::string Join(const XmlAttributes& attributes) {
        std::string out;
        for (const auto& attribute : attributes)
            out += " " + attribute.name + "=" + attribute.value;
        return out;
    }
};

TEST(XmlEventReader, TellsEmptyElementsFromStartTagsAndKeepsAttributeOrder) {
    const EventLog log("<?xml version=\"1.0\"?><Root z=\"1\" a=\"2\" M=\"3\"><a/><b x='y'></b>"
                       "<c /></Root>");
    EXPECT_TRUE(log.result.ok());
    EXPECT_EQ(log.lines, (Lines{"S Root z=1 a=2 M=3", "E a", "S b x=y", "/ b", "E c", "/ Root"}));

    // Only the installed handlers see events.
    Lines empties;
    XmlHandlers handlers;
    handlers.emptyTag = [&](const std::string& name, const XmlAttributes&) {
        empties.push_back(name);
    };
    ReadXmlText("<list><skill n='a'/><skill n='b'></skill><skill n='c'/></list>", handlers);
    EXPECT_EQ(empties, (Lines{"skill", "skill"}));
}

TEST(XmlEventReader, NormalisesWhitespaceInContentAndDecodesEntities) {
    const EventLog log(
        "<r><a>\n   Kel  &amp;\t&quot;Vey&quot;\r\n  </a><b>   </b><c>x&#233;</c></r>");
    EXPECT_EQ(log.lines, (Lines{"S r", "S a", "C Kel & \"Vey\"", "/ a", "S b", "/ b", "S c",
                                "C x\xC3\xA9", "/ c", "/ r"}));
}

TEST(XmlEventReader, GoesOnPastAnUnclosedStartTagAndReportsIt) {
    // Older hero files leave some start tags open; what follows must still be read.
    const EventLog log("<Hero>\n<Skills>\n<CashedOutSkill Name=\"Sidearm\">\n</Skills>\n"
                       "<Perks>\n<Perk Name=\"Lucky\"/>\n<Notes>later</Notes>\n</Hero>\n");
    ASSERT_FALSE(log.result.errors.empty());
    EXPECT_EQ(log.result.errors.front().file, "hero.xml");
    EXPECT_GT(log.result.errors.front().line, 0);
    EXPECT_EQ(log.lines,
              (Lines{"S Hero", "S Skills", "S CashedOutSkill Name=Sidearm", "/ Skills", "S Perks",
                     "E Perk Name=Lucky", "S Notes", "C later", "/ Notes", "/ Hero"}));
}

TEST(XmlEventReader, ReportsAMismatchedEndTagAndATruncation) {
    const EventLog mismatched("<a><b>text</c><d/></a>");
    EXPECT_FALSE(mismatched.result.errors.empty());
    EXPECT_EQ(mismatched.lines, (Lines{"S a", "S b", "C text", "/ c", "E d", "/ a"}));

    const EventLog truncated("<a><b k=\"1\"/><c>some text</c><d k=\"");
    EXPECT_FALSE(truncated.result.errors.empty());
    ASSERT_GE(truncated.lines.size(), 5u);
    EXPECT_EQ(Lines(truncated.lines.begin(), truncated.lines.begin() + 5),
              (Lines{"S a", "E b k=1", "S c", "C some text", "/ c"}));
}

TEST(XmlEventReader, RawAmpersandsAnglesAndWindows1252AreText) {
    const EventLog raw("<h Name=\"Kel <Vey> & Co\" Ok=\"a &amp; b\">R&D < 5</h>");
    EXPECT_TRUE(raw.result.errors.empty());
    EXPECT_EQ(raw.lines, (Lines{"S h Name=Kel <Vey> & Co Ok=a & b", "C R&D < 5", "/ h"}));

    // "Zoë" and "Ærin €" in Windows-1252, with a declaration that says nothing of it.
    const EventLog latin("<?xml version=\"1.0\"?><a n=\"Zo\xEB\">\xC6rin \x80</a>");
    EXPECT_EQ(latin.lines, (Lines{"S a n=Zo\xC3\xAB", "C \xC3\x86rin \xE2\x82\xAC", "/ a"}));
}

TEST(XmlEventReader, EscapedValuesReadBackWhole) {
    const std::string value = "Kel \"Two-Knives\" <Vey> & Co\tline\nnext\x01";
    const EventLog log("<h Name=\"" + XmlEscape(value) + "\">" + XmlEscape("a < b & c") + "</h>");
    // Tabs and line breaks written as references survive; the control character XML cannot
    // carry is dropped.
    EXPECT_EQ(log.lines,
              (Lines{"S h Name=Kel \"Two-Knives\" <Vey> & Co\tline\nnext", "C a < b & c", "/ h"}));
}

TEST(XmlEventReader, NeitherExternalEntitiesNorMissingFilesAreRead) {
    const EventLog log("<!DOCTYPE a [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><a>&x;</a>");
    for (const auto& line : log.lines)
        EXPECT_EQ(line.find("root"), std::string::npos) << line;

    const auto missing = ReadXmlFile("/nonexistent/folder/config.xml", XmlHandlers{});
    EXPECT_FALSE(missing.opened);
    EXPECT_EQ(missing.errors.size(), 1u);
}

TEST(XmlEventReader, TextAfterAnUnclosedStartTagKeepsEntitiesAndRepairedMarkup) {
    // The three start tags that older hero files never close, in the sections that hold them.
    const char* const sections[] = {
        "<Skills StartingPoints=\"71\">\r\n<CashedOutSkill Name=\"Artistry\">\r\n"
        "<Skill Level=\"1\" Name=\"Tumbling\" Cost=\"1\" Source=\"Core\" >"
        "<Ability>DEX</Ability></Skill>\r\n</Skills>\r\n",
        "<Perks>\r\n<Perk cost=\"2\" Name=\"Lucky\">Lucky</Perk>\r\n<Flaws>\r\n</Flaws>\r\n",
        "<SpecialItems>\r\n<Primitive ReducePenalty=\"True\">\r\n</SpecialItems>\r\n"};
    for (const char* section : sections) {
        SCOPED_TRACE(section);
        const EventLog log(std::string("<HeroData>\r\n<Hero HeroName=\"Kel\">\r\n") + section +
                           "<Notes>\r\n<Note>Rock & roll, 3 < 4 > 2</Note>\r\n"
                           "<Note>&quot;Kel&quot; &amp; &lt;Vey&gt; &apos;&#233;&#x41;</Note>\r\n"
                           "<Note Tag=\"R&D &amp; &lt;ops&gt;\">x</Note>\r\n</Notes>\r\n"
                           "</Hero>\r\n</HeroData>\r\n");
        EXPECT_FALSE(log.result.errors.empty());
        const auto notes = std::find(log.lines.begin(), log.lines.end(), "S Notes");
        EXPECT_EQ(Lines(notes, log.lines.end()),
                  (Lines{"S Notes", "S Note", "C Rock & roll, 3 < 4 > 2", "/ Note", "S Note",
                         "C \"Kel\" & <Vey> '\xC3\xA9"
                         "A",
                         "/ Note", "S Note Tag=R&D & <ops>", "C x", "/ Note", "/ Notes", "/ Hero",
                         "/ HeroData"}));
    }
}

TEST(XmlEventReader, RawQuoteInsideAnAttributeValueIsPartOfTheValue) {
    // As the older writer stored them: one element per line, values unescaped.
    const EventLog log(
        "<HeroData>\r\n<Hero HeroName=\"Big 7\" Jo\" PlayerName=\"Sam\" Career=\"\">\r\n"
        "<Skill Level=\"1\" Name=\"Gunnery\" Detail=\"Gauge 12\" dialect\" Cost=\"3\" "
        "Source=\"Core\" ><Ability>DEX</Ability></Skill>\r\n"
        "<EquipmentItem Name=\"Rifle \"Old Sal\"\" Mass=\"4.5\" />\r\n"
        "<Note>after</Note>\r\n</Hero>\r\n</HeroData>\r\n");
    EXPECT_TRUE(log.result.errors.empty());
    EXPECT_EQ(log.lines,
              (Lines{"S HeroData", "S Hero HeroName=Big 7\" Jo PlayerName=Sam Career=",
                     "S Skill Level=1 Name=Gunnery Detail=Gauge 12\" dialect Cost=3 Source=Core",
                     "S Ability", "C DEX", "/ Ability", "/ Skill",
                     "E EquipmentItem Name=Rifle \"Old Sal\" Mass=4.5", "S Note", "C after",
                     "/ Note", "/ Hero", "/ HeroData"}));

    // A quote before a bare name that ends the tag, or with nothing on its line that could
    // close the value, closes the value; the parser reports the rest and reading goes on.
    const EventLog bare("<r><a x=\"q\" y><b k=\"1\"/></r>");
    EXPECT_FALSE(bare.result.errors.empty());
    EXPECT_EQ(bare.lines.at(1), "S a x=q");
    EXPECT_EQ(bare.lines.at(2), "E b k=1");
    const EventLog lineEnd("<r>\n<a x=\"q\" y z\n w=\"1\"/>\n<b k=\"1\"/>\n</r>");
    EXPECT_FALSE(lineEnd.result.errors.empty());
    EXPECT_EQ(lineEnd.lines, (Lines{"S r", "E a x=q w=1", "E b k=1", "/ r"}));

    // Well-formed tags pass the repair untouched, whatever their quotes hold.
    for (const std::string wellFormed : {"<a x='say \"hi\"' y=\"it's\" z = \"1\"\n w=\"\"/>",
                                         "<a x=\"1\">\"q\" y</a>", "<a\tx=\"&quot;&amp;\"></a>"})
        EXPECT_EQ(RepairLooseMarkup(wellFormed), wellFormed);
}

TEST(XmlEventReader, KeepsWhitespaceOfContentWhenAsked) {
    const std::string notes = "<Notes><Note>  indented</Note><Note>\ta\tb  c</Note>"
                              "<Note>&#9;tab&#13;&#10;  </Note><Note>   </Note></Notes>";
    const EventLog kept(notes, true);
    EXPECT_EQ(kept.lines, (Lines{"S Notes", "S Note", "C   indented", "/ Note", "S Note",
                                 "C \ta\tb  c", "/ Note", "S Note", "C \ttab\r\n  ", "/ Note",
                                 "S Note", "C    ", "/ Note", "/ Notes"}));

    // Also past an unclosed start tag, and the line breaks between tags arrive as well.
    const EventLog older("<Hero>\n<Perks>\n<Notes>\n<Note>  two  &amp; three</Note>\n</Notes>",
                         true);
    EXPECT_EQ(older.lines, (Lines{"S Hero", "C \n", "S Perks", "C \n", "S Notes", "C \n", "S Note",
                                  "C   two  & three", "/ Note", "C \n", "/ Notes"}));

    // Catalogue readers keep their trimmed, collapsed content.
    const EventLog trimmed(notes);
    EXPECT_EQ(trimmed.lines.at(2), "C indented");
    EXPECT_EQ(trimmed.lines.at(5), "C a b c");
}

TEST(XmlEventReader, AnInternalEntityDeclarationIsReadAndFreed) {
    // libxml2 keeps the declaration in a document of its own; under the sanitizers a read
    // that did not free it fails here.
    for (int read = 0; read < 3; ++read) {
        const EventLog log("<!DOCTYPE a [<!ENTITY x \"y\">]><a>text</a>");
        EXPECT_TRUE(log.result.errors.empty());
        EXPECT_EQ(log.lines, (Lines{"S a", "C text", "/ a"}));
    }
}

} // namespace
