// Fuzzes the readers of translated files. The tagged reader: every line it
// gives lies within the input, sections only grow, and CR LF line ends read
// like LF. The PO reader: every translation has a context and a text, and a
// context and text quoted the way the export quotes them read back unchanged.
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.hpp"
#include "textx/po_file.hpp"
#include "textx/po_reader.hpp"
#include "textx/text_reader.hpp"

namespace {

using namespace kestrel::textx;
using kestrel::fuzz::check;

struct Seen {
    LineKind kind;
    std::string path, tag, text;
    int index;
    int section;
};

bool within(std::string_view part, std::string_view whole) {
    return part.empty() || (part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size());
}

std::vector<Seen> readTagged(std::string_view text) {
    std::vector<Seen> seen;
    TextReader reader(text);
    int section = 0;
    while (const auto line = reader.next()) {
        check(line->kind != LineKind::Other, "a line of no kind was given");
        check(within(line->path, text) && within(line->tag.text, text), "a line outside the input");
        check(reader.section() >= section, "the section went back");
        section = reader.section();
        seen.push_back({line->kind, std::string(line->path), line->tag.spelled(), std::string(line->tag.text),
                        line->tag.index, section});
    }
    return seen;
}

bool same(const std::vector<Seen>& a, const std::vector<Seen>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].kind != b[i].kind || a[i].path != b[i].path || a[i].tag != b[i].tag || a[i].text != b[i].text ||
            a[i].index != b[i].index || a[i].section != b[i].section)
            return false;
    return true;
}

void checkPo(std::string_view po) {
    for (const PoTranslation& entry : poTranslations(po)) {
        check(!entry.context.empty() && !entry.text.empty(), "a translation without context or text");
        const std::string again =
            "msgctxt " + poQuoted(entry.context) + "\nmsgid \"x\"\nmsgstr " + poQuoted(entry.text) + "\n";
        const auto back = poTranslations(again);
        check(back.size() == 1 && back[0].context == entry.context && back[0].text == entry.text,
              "a quoted translation reads back otherwise");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto lines = readTagged(text);
    if (text.find('\r') == std::string_view::npos) {
        std::string crlf;
        for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        check(same(lines, readTagged(crlf)), "CR LF line ends read otherwise than LF");
    }
    checkPo(text);
    // The charset the header names: converted texts are UTF-8 like any other.
    if (const auto converted = poFileTranslations(text))
        for (const PoTranslation& entry : *converted)
            check(!entry.context.empty() && !entry.text.empty(), "a converted translation without context or text");
    return 0;
}
