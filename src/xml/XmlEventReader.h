#pragma once
// The one XML reader of the program. Every catalogue, the defaults file, hero files and
// robot files are read as a stream of events: start tags, empty-element tags, character
// content and end tags. The reader goes on past malformed places (unclosed start tags,
// mismatched end tags, raw "&", "<" and quotes in values that older files hold) and hands
// every problem back to the caller, which keeps whatever was read.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct XmlAttribute {
    std::string name;
    std::string value;
};
using XmlAttributes = std::vector<XmlAttribute>;

// A problem met while reading: the file, the line it was found on and what it was.
struct XmlError {
    std::string file;
    int line = 0;
    std::string message;
};

// The handlers a reader installs. A handler left empty ignores its events: a reader that
// installs only `emptyTag` sees nothing of elements written as start tags.
struct XmlHandlers {
    std::function<void(const std::string& name, const XmlAttributes& attributes)> startTag;
    std::function<void(const std::string& name, const XmlAttributes& attributes)> emptyTag;
    std::function<void(const std::string& text)> content;
    std::function<void(const std::string& name)> endTag;

    // Content as written: white space is neither collapsed nor trimmed, and white space
    // between tags arrives too. Left false, content is collapsed (CollapseWhitespace) and
    // content of white space alone is not delivered.
    bool keepWhitespace = false;

    // The usual set-up of a catalogue reader: one handler for both kinds of tag.
    static XmlHandlers
    ForTags(std::function<void(const std::string&, const XmlAttributes&)> tagHandler);
};

struct XmlReadResult {
    bool opened = false; // false when the file could not be read at all
    std::vector<XmlError> errors;
    bool ok() const { return opened && errors.empty(); }
};

// Reads a whole file. A file that is not valid UTF-8 is taken as Windows-1252.
XmlReadResult ReadXmlFile(const std::filesystem::path& file, const XmlHandlers& handlers);

// Reads text held in memory; `fileName` only names it in the errors.
XmlReadResult ReadXmlText(std::string_view text, const XmlHandlers& handlers,
                          const std::string& fileName = "");

// Escapes a value for an attribute or for element content: the four markup characters as
// entities, tabs and line breaks as character references, other control characters dropped.
std::string XmlEscape(std::string_view value);

// Turns the raw "&" and "<" that older files carry inside values into their entities, so that
// the parser sees text where the writer meant text; so too a raw double quote inside a quoted
// attribute value when what follows it neither ends the tag nor starts another attribute
// (Name="Big 7" Jo"). Well-formed input comes back unchanged.
std::string RepairLooseMarkup(std::string_view text);

// Collapses runs of white space into one blank and trims both ends: content as catalogue
// readers receive it.
std::string CollapseWhitespace(std::string_view text);

// Upper-cases ASCII letters; element and attribute names are compared this way.
std::string UpperCase(std::string_view text);
