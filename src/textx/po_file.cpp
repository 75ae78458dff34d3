#include "textx/po_file.hpp"

#include "core/cp1252.hpp"
#include "textx/text_format.hpp"

namespace kestrel::textx {

std::string poContext(std::string_view recordPath, std::string_view writtenTag) {
    std::string context(recordPath);
    context += ' ';
    context += tagName(writtenTag);
    return context;
}

std::string poQuoted(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    const auto u = static_cast<unsigned char>(c);
                    out += '\\';
                    out += static_cast<char>('0' + (u >> 6));
                    out += static_cast<char>('0' + ((u >> 3) & 7));
                    out += static_cast<char>('0' + (u & 7));
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

PoWriter::PoWriter(std::string_view project) {
    out_ += "msgid \"\"\nmsgstr \"\"\n";
    out_ += "\"Project-Id-Version: " + std::string(project) + "\\n\"\n";
    // Left for the translator's tool to fill, as in a fresh template.
    out_ +=
        "\"PO-Revision-Date: YEAR-MO-DA HO:MI+ZONE\\n\"\n"
        "\"Last-Translator: FULL NAME <EMAIL@ADDRESS>\\n\"\n"
        "\"Language-Team: LANGUAGE <LL@li.org>\\n\"\n"
        "\"Language: \\n\"\n"
        "\"MIME-Version: 1.0\\n\"\n"
        "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
        "\"Content-Transfer-Encoding: 8bit\\n\"\n";
}

void PoWriter::entry(std::string_view context, std::string_view text, std::size_t limit) {
    if (text.empty()) return;
    out_ += "\n#. at most " + std::to_string(limit) + " characters\n";
    out_ += "msgctxt " + poQuoted(core::cp1252ToUtf8(context)) + '\n';
    out_ += "msgid " + poQuoted(core::cp1252ToUtf8(text)) + '\n';
    out_ += "msgstr \"\"\n";
}

}  // namespace kestrel::textx
