#include "core/escaped_text.hpp"

#include "core/cp1252.hpp"

namespace kestrel::core {

namespace {

bool isControl(unsigned char byte) {
    const char32_t cp = cp1252ToCodePoint(byte);
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
}

// In UTF-8 the bytes above 0x7F belong to characters of several bytes.
bool isUtf8Control(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

template <bool (*Control)(unsigned char)>
std::string escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (Control(byte)) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string escapeControls(std::string_view text) { return escaped<isControl>(text); }

std::string escapeUtf8Controls(std::string_view text) { return escaped<isUtf8Control>(text); }

}  // namespace kestrel::core
