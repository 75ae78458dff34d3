// Fuzzes the script reader. Lines are read one by one, so: a script that
// reads gives lines of known verbs that, written out again, read the same;
// one that does not names a line of the text, every line before it reads,
// and that line alone fails. CRLF line ends read like LF.
#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <string_view>

#include "core/cp1252.hpp"
#include "fuzz_check.hpp"
#include "ui/script_player.hpp"

namespace {

using namespace kestrel::ui;
using kestrel::fuzz::fail;
using Kind = ScriptToken::Kind;

constexpr std::array<std::string_view, 14> kVerbs{"click", "type", "select", "dblclick", "check",  "radio", "spin",
                                                  "mouse", "key",  "menu",   "file",     "expect", "dump",  "snapshot"};

int lineCount(std::string_view text) {
    const auto breaks = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    return breaks + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

// Where line `number` (from 1) starts.
std::size_t lineStart(std::string_view text, int number) {
    std::size_t at = 0;
    for (int n = 1; n < number; ++n) at = text.find('\n', at) + 1;
    return at;
}

bool sameTokens(const std::vector<ScriptToken>& a, const std::vector<ScriptToken>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const ScriptToken& x, const ScriptToken& y) {
        return x.kind == y.kind && x.text == y.text && x.value == y.value;
    });
}

bool sameLines(const std::vector<ScriptLine>& a, const std::vector<ScriptLine>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const ScriptLine& x, const ScriptLine& y) {
        return x.number == y.number && sameTokens(x.tokens, y.tokens);
    });
}

void checkToken(const ScriptToken& t) {
    switch (t.kind) {
        case Kind::Word:
            if (t.text.empty() || t.text[0] == '#' || t.text[0] == '"') fail("a word that is empty, a comment or a text");
            for (const char c : t.text)
                if (std::isspace(static_cast<unsigned char>(c))) fail("a word holds white space");
            break;
        case Kind::Number:
            if (t.value < -999'999'999 || t.value > 999'999'999) fail("a number of more than nine digits");
            break;
        case Kind::Index:
            if (t.value < 0) fail("a negative #index");
            break;
        case Kind::Text: break;
    }
}

bool isHostPathLine(const ScriptLine& line) {
    return line.tokens[0].text == "file" || line.tokens[0].text == "snapshot";
}

// The first text of a line that reads starts at its first quote (no word of
// a line form holds one). What stands between the quotes, unescaped: \t and
// \n, \xHH the code page's byte HH in UTF-8, any other the character itself.
std::string firstTextAsWritten(std::string_view line) {
    std::string out;
    for (std::size_t i = line.find('"') + 1; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] != '\\') {
            out += line[i];
        } else if (line[++i] == 'x') {
            const auto byte = static_cast<char>(std::stoi(std::string(line.substr(i + 1, 2)), nullptr, 16));
            out += kestrel::core::cp1252ToUtf8(std::string(1, byte));
            i += 2;
        } else {
            out += line[i] == 't' ? '\t' : line[i] == 'n' ? '\n' : line[i];
        }
    }
    return out;
}

// A text between quotes as a script writes it: ASCII controls escaped.
void appendEscaped(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\t' || c == '\n') {
            out += c == '\t' ? "\\t" : "\\n";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
}

// The lines as a script again, blank lines keeping the numbers. Texts are
// written in UTF-8, but host paths stay as they were read.
std::string written(const std::vector<ScriptLine>& lines) {
    std::string out;
    int number = 1;
    for (const ScriptLine& line : lines) {
        for (; number < line.number; ++number) out += '\n';
        const bool hostPath = isHostPathLine(line);
        for (const ScriptToken& t : line.tokens) {
            if (&t != &line.tokens.front()) out += ' ';
            switch (t.kind) {
                case Kind::Word: out += t.text; break;
                case Kind::Number: out += std::to_string(t.value); break;
                case Kind::Index: out += '#' + std::to_string(t.value); break;
                case Kind::Text:
                    out += '"';
                    appendEscaped(out, hostPath ? t.text : kestrel::core::cp1252ToUtf8(t.text));
                    out += '"';
                    break;
            }
        }
        out += '\n';
        ++number;
    }
    return out;
}

void checkRead(std::string_view text, const std::vector<ScriptLine>& lines, int count) {
    int previous = 0;
    for (const ScriptLine& line : lines) {
        if (line.number <= previous || line.number > count) fail("line numbers not rising within the text");
        previous = line.number;
        if (line.tokens.empty() || line.tokens[0].kind != Kind::Word) fail("a line without a verb");
        if (std::find(kVerbs.begin(), kVerbs.end(), line.tokens[0].text) == kVerbs.end()) fail("an unknown verb");
        for (const ScriptToken& t : line.tokens) checkToken(t);
        // Texts are taken from UTF-8 when they are UTF-8; host paths never change.
        const auto first = std::find_if(line.tokens.begin(), line.tokens.end(),
                                        [](const ScriptToken& t) { return t.kind == Kind::Text; });
        if (first == line.tokens.end()) continue;
        const std::size_t start = lineStart(text, line.number);
        const std::string raw = firstTextAsWritten(text.substr(start, text.find('\n', start) - start));
        const std::string expected = isHostPathLine(line) ? raw : kestrel::core::utf8ToCp1252(raw).value_or(raw);
        if (first->text != expected) fail("a text is not what stands between its quotes");
    }
    int bad = 0;
    const auto again = parseScript(written(lines), bad);
    if (!again) fail("the lines read, written out again, do not read");
    if (!sameLines(*again, lines)) fail("the lines read, written out again, read otherwise");
}

void checkRefused(std::string_view text, int bad, int count) {
    if (bad < 1 || bad > count) fail("the bad line is not a line of the text");
    const std::size_t start = lineStart(text, bad);
    int other = 0;
    if (!parseScript(text.substr(0, start), other)) fail("a line before the bad one does not read");
    const std::string_view alone = text.substr(start, text.find('\n', start) - start);
    other = 0;
    if (parseScript(alone, other) || other != 1) fail("the bad line reads on its own");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int count = lineCount(text);
    int bad = 0;
    const auto lines = parseScript(text, bad);
    if (lines)
        checkRead(text, *lines, count);
    else
        checkRefused(text, bad, count);

    std::string crlf;
    for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    int crlfBad = 0;
    const auto crlfLines = parseScript(crlf, crlfBad);
    if (lines.has_value() != crlfLines.has_value() || (lines && !sameLines(*lines, *crlfLines)) ||
        (!lines && bad != crlfBad))
        fail("CRLF line ends read otherwise than LF");
    return 0;
}
