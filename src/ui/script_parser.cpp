#include <array>
#include <cctype>
#include <sstream>

#include "core/cp1252.hpp"
#include "core/escaped_text.hpp"
#include "ui/script_player.hpp"

namespace kestrel::ui {

namespace {

using Kind = ScriptToken::Kind;

struct Grammar {
    std::string_view verb;
    std::array<std::string_view, 11> shapes;  // N number, S text, # index, S* texts, other: that word
};

// Every line form, once.
constexpr std::array<Grammar, 14> kGrammar{{
    {"click", {"N"}},
    {"type", {"N S"}},
    {"select", {"N S", "N #", "N none"}},
    {"dblclick", {"N S", "N #"}},
    {"check", {"N on", "N off"}},
    {"radio", {"N"}},
    {"spin", {"N up", "N down"}},
    {"mouse", {"left N N", "right N N", "move N N", "release N N"}},
    {"key", {"escape", "enter", "f1"}},
    {"menu", {"N"}},
    {"file", {"S", "cancel"}},
    {"expect",
     {"caption S", "text N S", "checked N on", "checked N off", "selected N S", "selected N none", "items N S*",
      "message S S", "no-message", "open N", "open none"}},
    {"dump", {""}},
    {"snapshot", {"S"}},
}};

bool matchesShape(const std::vector<ScriptToken>& tokens, std::string_view shape) {
    std::istringstream parts{std::string(shape)};
    std::size_t i = 1;
    for (std::string part; parts >> part; ++i) {
        if (part == "S*") {
            for (; i < tokens.size(); ++i)
                if (tokens[i].kind != Kind::Text) return false;
            return true;
        }
        if (i >= tokens.size()) return false;
        const ScriptToken& t = tokens[i];
        const bool ok = part == "N"   ? t.kind == Kind::Number
                        : part == "S" ? t.kind == Kind::Text
                        : part == "#" ? t.kind == Kind::Index
                                      : t.kind == Kind::Word && t.text == part;
        if (!ok) return false;
    }
    return i == tokens.size();
}

bool isWellFormed(const std::vector<ScriptToken>& tokens) {
    if (tokens.empty() || tokens[0].kind != Kind::Word) return false;
    for (const auto& g : kGrammar) {
        if (g.verb != tokens[0].text) continue;
        for (const auto shape : g.shapes)
            if ((!shape.empty() || g.verb == "dump") && matchesShape(tokens, shape)) return true;
    }
    return false;
}

// Their texts name host files, whose names stay as written.
constexpr std::array<std::string_view, 2> kHostPathVerbs{"file", "snapshot"};

// Scripts are UTF-8; the game's texts are 8-bit, and texts that are not UTF-8
// are taken byte for byte.
void toCodePage(std::vector<ScriptToken>& tokens) {
    for (const auto verb : kHostPathVerbs)
        if (tokens[0].text == verb) return;
    for (auto& t : tokens)
        if (t.kind == Kind::Text) t.text = core::utf8ToCp1252(t.text).value_or(t.text);
}

bool readNumber(std::string_view word, int& value) {
    std::size_t i = word.size() > 1 && word[0] == '-' ? 1 : 0;
    if (i == word.size() || word.size() - i > 9) return false;
    long v = 0;
    for (std::size_t k = i; k < word.size(); ++k) {
        if (!std::isdigit(static_cast<unsigned char>(word[k]))) return false;
        v = v * 10 + (word[k] - '0');
    }
    value = static_cast<int>(i ? -v : v);
    return true;
}

// Appends what an escape stands for: \" \\ \t \n, or \xHH for the code page's
// byte HH (in UTF-8, as the rest of the line), as transcripts write them.
bool readEscape(std::string_view line, std::size_t& i, std::string& raw) {
    if (++i >= line.size()) return false;
    const char c = line[i];
    if (c == '"' || c == '\\' || c == 't' || c == 'n') {
        raw += c == 't' ? '\t' : c == 'n' ? '\n' : c;
        return true;
    }
    if (c != 'x' || i + 2 >= line.size()) return false;
    const int high = core::hexDigitValue(line[i + 1]), low = core::hexDigitValue(line[i + 2]);
    if (high < 0 || low < 0) return false;
    i += 2;
    raw += core::cp1252ToUtf8(std::string(1, static_cast<char>(high * 16 + low)));
    return true;
}

bool readText(std::string_view line, std::size_t& i, std::string& out) {
    std::string raw;
    for (++i; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            ++i;
            out = std::move(raw);
            return true;
        }
        if (c != '\\')
            raw.push_back(c);
        else if (!readEscape(line, i, raw))
            return false;
    }
    return false;
}

std::optional<std::vector<ScriptToken>> tokenize(std::string_view line) {
    std::vector<ScriptToken> tokens;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        if (i >= line.size()) break;
        ScriptToken t;
        if (line[i] == '"') {
            t.kind = Kind::Text;
            if (!readText(line, i, t.text)) return std::nullopt;
            if (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) return std::nullopt;
        } else {
            const std::size_t start = i;
            while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
            const std::string_view word = line.substr(start, i - start);
            if (word[0] == '#') {
                if (word.size() == 1 || !std::isdigit(static_cast<unsigned char>(word[1]))) break;  // comment
                t.kind = Kind::Index;
                if (!readNumber(word.substr(1), t.value)) return std::nullopt;
            } else if (readNumber(word, t.value)) {
                t.kind = Kind::Number;
            } else {
                t.text = std::string(word);
            }
        }
        tokens.push_back(std::move(t));
    }
    return tokens;
}

}  // namespace

std::optional<std::vector<ScriptLine>> parseScript(std::string_view text, int& badLine) {
    std::vector<ScriptLine> lines;
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        start = end + 1;
        ++number;
        auto tokens = tokenize(raw);
        if (tokens && tokens->empty()) continue;
        if (!tokens || !isWellFormed(*tokens)) {
            badLine = number;
            return std::nullopt;
        }
        toCodePage(*tokens);
        lines.push_back({number, std::move(*tokens)});
    }
    return lines;
}

}  // namespace kestrel::ui
