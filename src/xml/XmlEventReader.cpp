#include "xml/XmlEventReader.h"

#include "xml/TextEncoding.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

XmlHandlers
XmlHandlers::ForTags(std::function<void(const std::string&, const XmlAttributes&)> tagHandler) {
    XmlHandlers handlers;
    handlers.startTag = tagHandler;
    handlers.emptyTag = std::move(tagHandler);
    return handlers;
}

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string XmlEscape(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        // Line breaks and tabs survive as references; other control characters cannot be
        // carried by XML and are dropped.
        case '\t':
            out += "&#9;";
            break;
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20) out += c;
        }
    }
    return out;
}

namespace {

bool IsNameStart(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || u >= 0x80;
}

bool IsNameChar(char c) {
    return IsNameStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '.';
}

// True when the text at `pos` (just after an "&") is an entity or character reference.
bool StartsReference(std::string_view text, std::size_t pos) {
    std::size_t i = pos;
    if (i < text.size() && text[i] == '#') {
        ++i;
        bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
        if (hex) ++i;
        const std::size_t digits = i;
        while (i < text.size() && (hex ? std::isxdigit(static_cast<unsigned char>(text[i]))
                                       : std::isdigit(static_cast<unsigned char>(text[i]))))
            ++i;
        return i > digits && i < text.size() && text[i] == ';';
    }
    if (i >= text.size() || !IsNameStart(text[i])) return false;
    while (i < text.size() && IsNameChar(text[i]))
        ++i;
    return i < text.size() && text[i] == ';';
}

// Copies `text` from `pos` up to and including `terminator`, or to the end.
std::size_t CopyThrough(std::string& out, std::string_view text, std::size_t pos,
                        std::string_view terminator) {
    const std::size_t end = text.find(terminator, pos);
    const std::size_t stop = end == std::string_view::npos ? text.size() : end + terminator.size();
    out.append(text.substr(pos, stop - pos));
    return stop;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// True when the quote character just before `pos` closes the attribute value it stands in.
// It does when what follows ends the tag or starts another attribute ("name=", or a bare
// name that ends the tag). Older files hold values written without escaping, such as
// HeroName="Big 7" Jo": a quote followed by anything else is part of the value, as long as
// the value can still close later on the same line; otherwise it closes here and the parser
// reports what follows.
bool QuoteClosesValue(std::string_view text, std::size_t pos, char quote) {
    std::size_t i = pos;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i >= text.size() || text[i] == '>' || text.substr(i).starts_with("/>")) return true;
    if (IsNameStart(text[i])) {
        std::size_t j = i;
        while (j < text.size() && IsNameChar(text[j]))
            ++j;
        while (j < text.size() && IsBlank(text[j]))
            ++j;
        if (j < text.size() && (text[j] == '=' || text[j] == '>')) return true;
        if (text.substr(j).starts_with("/>")) return true;
    }
    const std::size_t next = text.find(quote, pos);
    const std::size_t lineEnd = text.find_first_of("\r\n", pos);
    return next == std::string_view::npos || next > lineEnd;
}

// The character reference that stands for a predefined entity, or nothing.
std::string_view PredefinedAsCharacter(std::string_view reference) {
    if (reference == "&amp;") return "&#38;";
    if (reference == "&lt;") return "&#60;";
    if (reference == "&gt;") return "&#62;";
    if (reference == "&quot;") return "&#34;";
    if (reference == "&apos;") return "&#39;";
    return {};
}

// RepairLooseMarkup, and the form the parser is given. Once libxml2 has met any fault (an
// older file's unclosed start tag is enough), its recovery mode drops every entity
// reference in content, "&amp;" and "&lt;" included, while character references still
// arrive. With `characterReferences` set, "&", "<" and the predefined entities in content
// are written as character references, so the text survives whatever came before it.
std::string Repair(std::string_view text, bool characterReferences) {
    std::string out;
    out.reserve(text.size() + 16);
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const char c = text[i];
        if (c == '&') {
            if (!StartsReference(text, i + 1)) {
                out += characterReferences ? "&#38;" : "&amp;";
                ++i;
                continue;
            }
            if (characterReferences) {
                const std::size_t end = text.find(';', i);
                const std::string_view reference = text.substr(i, end + 1 - i);
                if (const std::string_view replacement = PredefinedAsCharacter(reference);
                    !replacement.empty()) {
                    out += replacement;
                    i = end + 1;
                    continue;
                }
            }
            out += '&';
            ++i;
            continue;
        }
        if (c != '<') {
            // Plain text up to the next markup character, in one piece.
            std::size_t stop = i + 1;
            while (stop < n && text[stop] != '&' && text[stop] != '<')
                ++stop;
            out.append(text.substr(i, stop - i));
            i = stop;
            continue;
        }
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("<!--")) {
            i = CopyThrough(out, text, i, "-->");
        } else if (rest.starts_with("<![CDATA[")) {
            i = CopyThrough(out, text, i, "]]>");
        } else if (rest.starts_with("<?")) {
            i = CopyThrough(out, text, i, "?>");
        } else if (rest.starts_with("<!")) {
            i = CopyThrough(out, text, i, ">");
        } else if (i + 1 < n && (IsNameStart(text[i + 1]) || text[i + 1] == '/')) {
            // A tag: copy it, escaping what a quoted value should not hold raw.
            out += '<';
            ++i;
            char quote = 0;
            while (i < n) {
                const char t = text[i];
                // Runs of characters that need no look are copied in one piece.
                const auto copyRun = [&](auto needsLook) {
                    std::size_t stop = i + 1;
                    while (stop < n && !needsLook(text[stop]))
                        ++stop;
                    out.append(text.substr(i, stop - i));
                    i = stop;
                };
                if (quote) {
                    if (t != quote && t != '<' && t != '&') {
                        copyRun([quote](char x) { return x == quote || x == '<' || x == '&'; });
                        continue;
                    }
                    if (t == quote && QuoteClosesValue(text, i + 1, quote)) {
                        quote = 0;
                        out += t;
                    } else if (t == quote) {
                        out += t == '"' ? "&quot;" : "&apos;";
                    } else if (t == '<') {
                        out += "&lt;";
                    } else if (t == '&' && !StartsReference(text, i + 1)) {
                        out += "&amp;";
                    } else {
                        out += t;
                    }
                    ++i;
                    continue;
                }
                if (t != '"' && t != '\'' && t != '<' && t != '>') {
                    copyRun([](char x) { return x == '"' || x == '\'' || x == '<' || x == '>'; });
                    continue;
                }
                if (t == '"' || t == '\'') quote = t;
                if (t == '<') break; // an unfinished tag; let the parser report it
                out += t;
                ++i;
                if (t == '>') break;
            }
        } else {
            out += characterReferences ? "&#60;" : "&lt;";
            ++i;
        }
    }
    return out;
}

} // namespace

std::string RepairLooseMarkup(std::string_view text) {
    return Repair(text, false);
}

std::string CollapseWhitespace(std::string_view text) {
    std::string out;
    bool pendingBlank = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank) out += ' ';
        pendingBlank = false;
        out += c;
    }
    return out;
}

namespace {

// Without entity substitution libxml2 hands an escaped "&" inside an attribute value back as
// "&#38;"; every other reference arrives decoded.
std::string DecodeKeptAmpersands(std::string value) {
    for (std::size_t at = value.find("&#38;"); at != std::string::npos;
         at = value.find("&#38;", at + 1))
        value.replace(at, 5, "&");
    return value;
}

class SaxSession {
public:
    SaxSession(const XmlHandlers& handlers, std::string fileName)
        : handlers_(handlers), fileName_(std::move(fileName)) {}

    XmlReadResult Run(std::string_view text) {
        XmlReadResult result;
        result.opened = true;

        xmlSAXHandler sax{};
        sax.startElement = &SaxSession::OnStart;
        sax.endElement = &SaxSession::OnEnd;
        sax.characters = &SaxSession::OnCharacters;
        sax.cdataBlock = &SaxSession::OnCharacters;
        sax.error = &SaxSession::OnError;
        sax.fatalError = &SaxSession::OnError;
        sax.warning = nullptr;

        ctxt_ = xmlCreatePushParserCtxt(&sax, this, nullptr, 0, fileName_.c_str());
        if (!ctxt_) {
            result.opened = false;
            errors_.push_back({fileName_, 0, "The XML parser could not be created"});
            result.errors = std::move(errors_);
            return result;
        }
        xmlCtxtUseOptions(ctxt_, XML_PARSE_RECOVER | XML_PARSE_NONET | XML_PARSE_IGNORE_ENC |
                                     XML_PARSE_NOWARNING);
        // libxml2 takes the chunk length as an int; catalogues and heroes are far smaller.
        const int length = static_cast<int>(std::min<std::size_t>(text.size(), 0x7fffffff));
        xmlParseChunk(ctxt_, text.data(), length, 1);
        FlushContent();
        // An entity declaration makes libxml2 build a document to hold it, even for a SAX
        // reader; it is ours to free.
        if (ctxt_->myDoc) {
            xmlFreeDoc(ctxt_->myDoc);
            ctxt_->myDoc = nullptr;
        }
        xmlFreeParserCtxt(ctxt_);
        ctxt_ = nullptr;
        result.errors = std::move(errors_);
        return result;
    }

private:
    static SaxSession& Self(void* userData) { return *static_cast<SaxSession*>(userData); }

    void FlushContent() {
        if (contentBuffer_.empty()) return;
        std::string text = handlers_.keepWhitespace ? std::move(contentBuffer_)
                                                    : CollapseWhitespace(contentBuffer_);
        contentBuffer_.clear();
        if (!text.empty() && handlers_.content) handlers_.content(text);
    }

    // The parser stands on "/>" when the start callback runs for an empty-element tag.
    bool AtEmptyElementEnd() const {
        if (!ctxt_ || !ctxt_->input || !ctxt_->input->cur) return false;
        const xmlChar* cur = ctxt_->input->cur;
        const xmlChar* end = ctxt_->input->end;
        return end - cur >= 2 && cur[0] == '/' && cur[1] == '>';
    }

    // The end tag's name as written: libxml2 reports the open element's name instead when
    // the two differ, so read it back from the input just consumed.
    std::string EndTagNameAsWritten(const char* reported) const {
        if (ctxt_ && ctxt_->input && ctxt_->input->cur && ctxt_->input->base) {
            const xmlChar* base = ctxt_->input->base;
            const xmlChar* cur = ctxt_->input->cur;
            if (cur > base && cur[-1] == '>') {
                const xmlChar* p = cur - 1;
                while (p > base && !(p[-1] == '<' && p[0] == '/'))
                    --p;
                if (p > base && p[0] == '/' && cur - p < 1024) {
                    std::string name;
                    for (const xmlChar* q = p + 1; q < cur - 1 && IsNameChar(static_cast<char>(*q));
                         ++q)
                        name += static_cast<char>(*q);
                    if (!name.empty()) return name;
                }
            }
        }
        return reported ? reported : "";
    }

    static void OnStart(void* userData, const xmlChar* name, const xmlChar** atts) {
        SaxSession& self = Self(userData);
        self.FlushContent();
        XmlAttributes attributes;
        if (atts) {
            for (int i = 0; atts[i]; i += 2) {
                const char* value = reinterpret_cast<const char*>(atts[i + 1]);
                attributes.push_back({reinterpret_cast<const char*>(atts[i]),
                                      DecodeKeptAmpersands(value ? value : "")});
            }
        }
        const std::string elementName = reinterpret_cast<const char*>(name);
        if (self.AtEmptyElementEnd()) {
            ++self.emptyEndsToSkip_;
            if (self.handlers_.emptyTag) self.handlers_.emptyTag(elementName, attributes);
        } else if (self.handlers_.startTag) {
            self.handlers_.startTag(elementName, attributes);
        }
    }

    static void OnEnd(void* userData, const xmlChar* name) {
        SaxSession& self = Self(userData);
        self.FlushContent();
        if (self.emptyEndsToSkip_ > 0) {
            // libxml2 closes an empty element at once; the program sees one event for it.
            --self.emptyEndsToSkip_;
            return;
        }
        if (self.handlers_.endTag)
            self.handlers_.endTag(self.EndTagNameAsWritten(reinterpret_cast<const char*>(name)));
    }

    static void OnCharacters(void* userData, const xmlChar* text, int length) {
        Self(userData).contentBuffer_.append(reinterpret_cast<const char*>(text),
                                             static_cast<std::size_t>(length));
    }

    static void OnError(void* userData, const char* format, ...) {
        SaxSession& self = Self(userData);
        char buffer[512];
        va_list args;
        va_start(args, format);
        std::vsnprintf(buffer, sizeof buffer, format, args);
        va_end(args);
        std::string message = buffer;
        while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
            message.pop_back();
        const int line = self.ctxt_ && self.ctxt_->input ? self.ctxt_->input->line : 0;
        // libxml2 may report the same fault more than once at one place.
        if (!self.errors_.empty() && self.errors_.back().line == line &&
            self.errors_.back().message == message)
            return;
        self.errors_.push_back({self.fileName_, line, message});
    }

    const XmlHandlers& handlers_;
    std::string fileName_;
    xmlParserCtxtPtr ctxt_ = nullptr;
    std::string contentBuffer_;
    int emptyEndsToSkip_ = 0;
    std::vector<XmlError> errors_;
};

} // namespace

XmlReadResult ReadXmlText(std::string_view text, const XmlHandlers& handlers,
                          const std::string& fileName) {
    const std::string repaired = Repair(DecodeFileText(text), true);
    SaxSession session(handlers, fileName);
    return session.Run(repaired);
}

namespace {

// The events of one file as the parser gave them, content kept with its white space, so that
// a catalogue read again unchanged is replayed instead of parsed (the catalogues are read
// again at every change of sources and by hero files that name other sources).
struct RecordedEvent {
    enum class Kind { Start, Empty, Content, End } kind;
    std::string name; // the element, or the content
    XmlAttributes attributes;
    std::string collapsed; // content as readers without keepWhitespace receive it
};

struct RecordedFile {
    std::string bytes;
    std::vector<RecordedEvent> events;
    XmlReadResult result;
};

// Files larger than this are parsed every time; the cache holds a few catalogues.
constexpr std::size_t kLargestRecordedFile = 16u << 20;
constexpr std::size_t kRecordedFiles = 32;

std::map<std::string, RecordedFile>& RecordedFiles() {
    static std::map<std::string, RecordedFile> files;
    return files;
}

XmlReadResult Replay(const RecordedFile& recorded, const XmlHandlers& handlers) {
    for (const RecordedEvent& event : recorded.events) {
        switch (event.kind) {
        case RecordedEvent::Kind::Start:
            if (handlers.startTag) handlers.startTag(event.name, event.attributes);
            break;
        case RecordedEvent::Kind::Empty:
            if (handlers.emptyTag) handlers.emptyTag(event.name, event.attributes);
            break;
        case RecordedEvent::Kind::End:
            if (handlers.endTag) handlers.endTag(event.name);
            break;
        case RecordedEvent::Kind::Content:
            if (!handlers.content) break;
            if (handlers.keepWhitespace) {
                handlers.content(event.name);
            } else if (!event.collapsed.empty()) {
                handlers.content(event.collapsed);
            }
            break;
        }
    }
    return recorded.result;
}

} // namespace

namespace {
// The whole stream, in blocks (a catalogue is read at every load).
std::string ReadAll(std::ifstream& in) {
    std::string bytes;
    char block[64 * 1024];
    while (in.read(block, sizeof block) || in.gcount() > 0)
        bytes.append(block, static_cast<std::size_t>(in.gcount()));
    return bytes;
}
} // namespace

XmlReadResult ReadXmlFile(const std::filesystem::path& file, const XmlHandlers& handlers) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        XmlReadResult result;
        result.errors.push_back({file.string(), 0, "The file could not be opened"});
        return result;
    }
    std::string bytes = ReadAll(in);
    auto& files = RecordedFiles();
    const std::string key = file.string();
    if (const auto found = files.find(key); found != files.end() && found->second.bytes == bytes)
        return Replay(found->second, handlers);
    if (bytes.size() > kLargestRecordedFile) return ReadXmlText(bytes, handlers, key);

    RecordedFile recorded;
    XmlHandlers recorder;
    recorder.keepWhitespace = true;
    recorder.startTag = [&recorded](const std::string& name, const XmlAttributes& attributes) {
        recorded.events.push_back({RecordedEvent::Kind::Start, name, attributes, {}});
    };
    recorder.emptyTag = [&recorded](const std::string& name, const XmlAttributes& attributes) {
        recorded.events.push_back({RecordedEvent::Kind::Empty, name, attributes, {}});
    };
    recorder.endTag = [&recorded](const std::string& name) {
        recorded.events.push_back({RecordedEvent::Kind::End, name, {}, {}});
    };
    recorder.content = [&recorded](const std::string& text) {
        recorded.events.push_back(
            {RecordedEvent::Kind::Content, text, {}, CollapseWhitespace(text)});
    };
    recorded.result = ReadXmlText(bytes, recorder, key);
    recorded.bytes = std::move(bytes);
    if (files.size() >= kRecordedFiles) files.erase(files.begin());
    const RecordedFile& kept = files.insert_or_assign(key, std::move(recorded)).first->second;
    return Replay(kept, handlers);
}
