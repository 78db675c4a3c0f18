#include "xml/XmlEventReader.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// Every event of a text as one line: "S name a=v ...", "E name ...", "C text", "/ name".
struct EventLog {
    Lines lines;
    XmlReadResult result;

    explicit EventLog(const std::string& text) {
        XmlHandlers handlers;
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

} // namespace
