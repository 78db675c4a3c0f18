#include "xml/XmlEventReader.h"

#include <gtest/gtest.h>

namespace {

// Records every event as one line: "S name a=v ...", "E name ...", "C text", "/ name".
struct EventLog {
    std::vector<std::string> lines;

    XmlHandlers All() {
        XmlHandlers handlers;
        handlers.startTag = [this](const std::string& name, const XmlAttributes& attributes) {
            lines.push_back("S " + name + Join(attributes));
        };
        handlers.emptyTag = [this](const std::string& name, const XmlAttributes& attributes) {
            lines.push_back("E " + name + Join(attributes));
        };
        handlers.content = [this](const std::string& text) { lines.push_back("C " + text); };
        handlers.endTag = [this](const std::string& name) { lines.push_back("/ " + name); };
        return handlers;
    }

    static std::string Join(const XmlAttributes& attributes) {
        std::string out;
        for (const auto& attribute : attributes)
            out += " " + attribute.name + "=" + attribute.value;
        return out;
    }
};

using Lines = std::vector<std::string>;

TEST(XmlEventReader, TellsEmptyElementsFromStartTagsAndKeepsAttributeOrder) {
    EventLog log;
    const auto result = ReadXmlText(
        "<?xml version=\"1.0\"?><Root z=\"1\" a=\"2\" M=\"3\"><a/><b x='y'></b><c /></Root>",
        log.All());
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(log.lines, (Lines{"S Root z=1 a=2 M=3", "E a", "S b x=y", "/ b", "E c", "/ Root"}));
}

TEST(XmlEventReader, NormalisesWhitespaceInContentAndDecodesEntities) {
    EventLog log;
    ReadXmlText("<r><a>\n   Kel  &amp;\t&quot;Vey&quot;\r\n  </a><b>   </b><c>x&#233;</c></r>",
                log.All());
    EXPECT_EQ(log.lines, (Lines{"S r", "S a", "C Kel & \"Vey\"", "/ a", "S b", "/ b", "S c",
                                "C x\xC3\xA9", "/ c", "/ r"}));
}

TEST(XmlEventReader, OnlyInstalledHandlersSeeEvents) {
    std::vector<std::string> empties;
    XmlHandlers handlers;
    handlers.emptyTag = [&](const std::string& name, const XmlAttributes&) {
        empties.push_back(name);
    };
    ReadXmlText("<list><skill n='a'/><skill n='b'></skill><skill n='c'/></list>", handlers);
    EXPECT_EQ(empties, (Lines{"skill", "skill"}));
}

TEST(XmlEventReader, GoesOnPastAnUnclosedStartTagAndReportsIt) {
    // Older hero files leave some start tags open; what follows must still be read.
    EventLog log;
    const auto result = ReadXmlText("<Hero>\n<Skills>\n<CashedOutSkill Name=\"Sidearm\">\n"
                                    "</Skills>\n<Perks>\n<Perk Name=\"Lucky\"/>\n"
                                    "<Notes>later</Notes>\n</Hero>\n",
                                    log.All(), "hero.xml");
    EXPECT_FALSE(result.errors.empty());
    EXPECT_EQ(result.errors.front().file, "hero.xml");
    EXPECT_GT(result.errors.front().line, 0);
    const Lines expected{"S Hero",  "S Skills",       "S CashedOutSkill Name=Sidearm",
                         "/ Skills", "S Perks",       "E Perk Name=Lucky",
                         "S Notes",  "C later",       "/ Notes",
                         "/ Hero"};
    EXPECT_EQ(log.lines, expected);
}

TEST(XmlEventReader, ReportsAMismatchedEndTagWithTheNameAsWritten) {
    EventLog log;
    const auto result = ReadXmlText("<a><b>text</c><d/></a>", log.All());
    ASSERT_FALSE(result.errors.empty());
    EXPECT_EQ(log.lines, (Lines{"S a", "S b", "C text", "/ c", "E d", "/ a"}));
}

TEST(XmlEventReader, DeliversEverythingBeforeATruncation) {
    EventLog log;
    const auto result = ReadXmlText("<a><b k=\"1\"/><c>some text</c><d k=\"", log.All());
    EXPECT_FALSE(result.errors.empty());
    ASSERT_GE(log.lines.size(), 5u);
    EXPECT_EQ((Lines(log.lines.begin(), log.lines.begin() + 5)),
              (Lines{"S a", "E b k=1", "S c", "C some text", "/ c"}));
}

TEST(XmlEventReader, TakesRawAmpersandsAndAnglesInValuesAsText) {
    EventLog log;
    const auto result =
        ReadXmlText("<h Name=\"Kel <Vey> & Co\" Ok=\"a &amp; b\">R&D < 5</h>", log.All());
    EXPECT_TRUE(result.errors.empty());
    EXPECT_EQ(log.lines, (Lines{"S h Name=Kel <Vey> & Co Ok=a & b", "C R&D < 5", "/ h"}));
}

TEST(XmlEventReader, EscapedValuesReadBackWhole) {
    const std::string value = "Kel \"Two-Knives\" <Vey> & Co\tline\nnext\x01";
    EventLog log;
    ReadXmlText("<h Name=\"" + XmlEscape(value) + "\">" + XmlEscape("a < b & c") + "</h>",
                log.All());
    // Attribute values normalise tabs and line breaks written raw, not those written as
    // references; the control character XML cannot carry is dropped.
    EXPECT_EQ(log.lines, (Lines{"S h Name=Kel \"Two-Knives\" <Vey> & Co\tline\nnext",
                                "C a < b & c", "/ h"}));
}

TEST(XmlEventReader, ReadsWindows1252FilesAsText) {
    EventLog log;
    // "Zoë" and "Ærin" in Windows-1252, with a declaration that says nothing of it.
    ReadXmlText("<?xml version=\"1.0\"?><a n=\"Zo\xEB\">\xC6rin \x80</a>", log.All());
    EXPECT_EQ(log.lines,
              (Lines{"S a n=Zo\xC3\xAB", "C \xC3\x86rin \xE2\x82\xAC", "/ a"}));
}

TEST(XmlEventReader, DoesNotLoadExternalEntities) {
    EventLog log;
    const auto result = ReadXmlText("<!DOCTYPE a [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
                                    "<a>&x;</a>",
                                    log.All());
    for (const auto& line : log.lines)
        EXPECT_EQ(line.find("root"), std::string::npos) << line;
}

TEST(XmlEventReader, MissingFileIsReportedNotThrown) {
    EventLog log;
    const auto result = ReadXmlFile("/nonexistent/folder/config.xml", log.All());
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(result.errors.size(), 1u);
    EXPECT_TRUE(log.lines.empty());
}

} // namespace
