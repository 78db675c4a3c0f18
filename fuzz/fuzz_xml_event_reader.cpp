// libFuzzer target: the XML event reader on any bytes. Every handler is installed, so every
// event kind is delivered; the reader must neither crash nor hand out broken text.

#include "xml/XmlEventReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t events = 0;
    std::size_t bytes = 0;
    XmlHandlers handlers;
    handlers.startTag = [&](const std::string& name, const XmlAttributes& attributes) {
        ++events;
        bytes += name.size();
        for (const XmlAttribute& attribute : attributes)
            bytes += attribute.name.size() + attribute.value.size();
    };
    handlers.emptyTag = handlers.startTag;
    handlers.content = [&](const std::string& text) {
        ++events;
        bytes += text.size();
    };
    handlers.endTag = [&](const std::string& name) {
        ++events;
        bytes += name.size();
    };
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ReadXmlText(text, handlers, "fuzz.xml");
    // Well-formed text passes the repair pass unchanged.
    const std::string escaped = XmlEscape(text);
    if (RepairLooseMarkup(escaped) != escaped) __builtin_trap();
    (void)events;
    (void)bytes;
    return 0;
}
