// Edges of reading text: signs of integers, an ampersand that only looks like a reference,
// and the letters Windows-1252 keeps in the bytes 0x80 to 0x9F.

#include "xml/TextEncoding.h"
#include "xml/ValueParsing.h"
#include "xml/XmlEventReader.h"

#include <gtest/gtest.h>

namespace {

TEST(TextEdges, AnIntegerTakesOneSignAtMost) {
    for (const char* text : {"+-1", "++1", "-+1", "--1", "+", "-", " + 1"}) {
        EXPECT_FALSE(ParseInteger(text).has_value()) << text;
        EXPECT_FALSE(ParseInteger64(text).has_value()) << text;
    }
    EXPECT_EQ(ParseInteger("+1"), 1);
    EXPECT_EQ(ParseInteger("-1"), -1);
}

TEST(TextEdges, AnAmpersandWithAnEmptyCharacterReferenceReadsBackAsText) {
    std::vector<std::string> events;
    XmlHandlers handlers;
    handlers.startTag = [&](const std::string&, const XmlAttributes& attributes) {
        for (const XmlAttribute& attribute : attributes)
            events.push_back(attribute.name + "=" + attribute.value);
    };
    handlers.content = [&](const std::string& text) { events.push_back(text); };
    const XmlReadResult result =
        ReadXmlText(R"(<Hero Name="a &#; b" Other="c &#x; d">a &#; b</Hero>)", handlers);
    EXPECT_TRUE(result.errors.empty());
    EXPECT_EQ(events, (std::vector<std::string>{"Name=a &#; b", "Other=c &#x; d", "a &#; b"}));
}

TEST(TextEdges, Windows1252BytesBetween80And9FDecodeToTheirCharacters) {
    const std::pair<const char*, const char*> bytes[] = {
        {"\x80", "\u20AC"}, // euro sign, the first of the block
        {"\x8A", "\u0160"}, // S with caron
        {"\x96", "\u2013"}, // en dash
        {"\x9E", "\u017E"}, // z with caron
        {"\x9F", "\u0178"}, // Y with diaeresis, the last of the block
        {"\x81", "\u0081"}, // undefined: kept as the control character of that number
        {"\xA0", "\u00A0"}, // above the block: Latin-1
        {"\xFF", "\u00FF"},
    };
    for (const auto& [byte, utf8] : bytes)
        EXPECT_EQ(Windows1252ToUtf8(byte), utf8) << static_cast<int>(byte[0] & 0xFF);

    // A file holding it is taken as Windows-1252.
    EXPECT_EQ(DecodeFileText("Zo\x9F"), "Zo\u0178");
    std::string content;
    XmlHandlers handlers;
    handlers.content = [&](const std::string& text) { content = text; };
    ReadXmlText("<Note>\x9F</Note>", handlers);
    EXPECT_EQ(content, "\u0178");
}

} // namespace
