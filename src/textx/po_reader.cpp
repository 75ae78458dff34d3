#include "textx/po_reader.hpp"

#include <iconv.h>

#include <cerrno>
#include <optional>

#include "core/escaped_text.hpp"
#include "core/text_case.hpp"
#include "textx/text_reader.hpp"

namespace kestrel::textx {

namespace {

struct Entry {
    std::optional<std::string> context;
    std::string id;
    std::string text;
    bool translated = false;  // a msgstr line has been read
    bool fuzzy = false;
    bool plural = false;
};

// The quoted string at the start of `rest`, unescaped; nothing when it is
// not one.
std::optional<std::string> quoted(std::string_view rest) {
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    if (rest.empty() || rest.front() != '"') return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        char c = rest[i];
        if (c == '"') return out;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == rest.size()) break;
        c = rest[i];
        switch (c) {
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case 'a':
                out += '\a';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'v':
                out += '\v';
                break;
            case 'x': {
                int value = 0, digits = 0;
                for (; digits < 2 && i + 1 < rest.size() && core::hexDigitValue(rest[i + 1]) >= 0; ++digits)
                    value = value * 16 + core::hexDigitValue(rest[++i]);
                out += static_cast<char>(value);
                break;
            }
            default:
                if (c >= '0' && c <= '7') {
                    int value = c - '0';
                    for (int digits = 1; digits < 3 && i + 1 < rest.size() && rest[i + 1] >= '0' && rest[i + 1] <= '7';
                         ++digits)
                        value = value * 8 + (rest[++i] - '0');
                    out += static_cast<char>(value);
                } else {
                    out += c;  // \" and \\ and anything else stand for themselves
                }
        }
    }
    return std::nullopt;  // no closing quote
}

constexpr std::string_view kCharsetKey = "charset=";
constexpr std::size_t kLongestName = 64;

// Only plain names reach iconv: "UTF-8//IGNORE" would change what a failed
// conversion means.
bool isPlainCharsetName(std::string_view charset) {
    if (charset.empty() || charset.size() > kLongestName) return false;
    for (const char c : charset)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
              c == '.' || c == ':'))
            return false;
    return true;
}

// "ISO-8859-1" of the header's "Content-Type: text/plain; charset=ISO-8859-1";
// empty when the header names none.
std::string charsetOf(std::string_view header) {
    const std::size_t at = header.find(kCharsetKey);
    if (at == std::string_view::npos) return {};
    const std::string_view rest = header.substr(at + kCharsetKey.size());
    return std::string(rest.substr(0, rest.find_first_of(" \t\r\n;\"")));
}

// UTF-8 in any spelling, or no charset at all (a fresh template's "CHARSET"):
// the texts need no conversion.
bool isUtf8Charset(std::string_view charset) {
    return charset.empty() || charset == "CHARSET" || core::equalsNoCase(charset, "UTF-8") ||
           core::equalsNoCase(charset, "UTF8");
}

// `text` in UTF-8; nothing when the charset is unknown or the text is not
// written in it.
std::optional<std::string> toUtf8(std::string_view text, std::string_view charset) {
    if (!isPlainCharsetName(charset)) return std::nullopt;
    const iconv_t cd = ::iconv_open("UTF-8", std::string(charset).c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(text.size() + 16, '\0');
    std::size_t used = 0;
    char* in = const_cast<char*>(text.data());
    std::size_t left = text.size();
    bool flushing = false;  // all read: what a stateful charset still holds
    bool ok = false;
    while (true) {
        char* to = out.data() + used;
        std::size_t room = out.size() - used;
        const std::size_t done =
            flushing ? ::iconv(cd, nullptr, nullptr, &to, &room) : ::iconv(cd, &in, &left, &to, &room);
        used = out.size() - room;
        if (done == static_cast<std::size_t>(-1)) {
            if (errno != E2BIG) break;  // a byte sequence the charset does not have
            out.resize(out.size() * 2);
        } else if (flushing) {
            ok = true;
            break;
        } else {
            flushing = true;
        }
    }
    ::iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(used);
    return out;
}

class PoParser {
public:
    std::vector<PoTranslation> run(std::string_view po) {
        while (const auto line = takeLine(po)) read(*line);
        close();
        return std::move(out_);
    }
    // The header entry's msgstr, once run.
    const std::string& header() const { return header_; }

private:
    void read(std::string_view line) {
        if (line.empty()) return close();
        if (line.front() == '"') {
            if (const auto more = quoted(line); more && field_) *field_ += *more;
            return;
        }
        if (line.front() == '#') {
            // Comments belong to the entry that follows; obsolete ones ("#~") only to themselves.
            if (entry_.translated) close();
            if (line.starts_with("#,") && line.find("fuzzy") != std::string_view::npos) entry_.fuzzy = true;
            field_ = nullptr;
            return;
        }
        const std::size_t space = line.find_first_of(" \t");
        const std::string_view keyword = line.substr(0, space);
        const auto value = quoted(space == std::string_view::npos ? std::string_view() : line.substr(space));
        field_ = nullptr;
        if (!value) return;
        if (keyword == "msgctxt" || keyword == "msgid") {
            if (entry_.translated) close();
            field_ = keyword == "msgctxt" ? &entry_.context.emplace(*value) : &(entry_.id = *value);
        } else if (keyword == "msgid_plural" || keyword.starts_with("msgstr[")) {
            entry_.plural = true;
            entry_.translated = true;
        } else if (keyword == "msgstr") {
            entry_.text = *value;
            entry_.translated = true;
            field_ = &entry_.text;
        }
    }

    void close() {
        // The header is the first entry of an empty msgid without a context; a template marks it fuzzy.
        if (entry_.translated && !entry_.context && entry_.id.empty() && !headerRead_) {
            header_ = entry_.text;
            headerRead_ = true;
        }
        // An empty context names no record file.
        const bool plain = entry_.translated && !entry_.fuzzy && !entry_.plural;
        if (plain && entry_.context && !entry_.context->empty() && !entry_.text.empty())
            out_.push_back({std::move(*entry_.context), std::move(entry_.text)});
        entry_ = {};
        field_ = nullptr;
    }

    Entry entry_;
    std::string* field_ = nullptr;  // where a continued string goes
    std::vector<PoTranslation> out_;
    std::string header_;  // its msgstr
    bool headerRead_ = false;
};

}  // namespace

std::vector<PoTranslation> poTranslations(std::string_view po) { return PoParser().run(po); }

std::optional<std::vector<PoTranslation>> poFileTranslations(std::string_view po) {
    PoParser parser;
    auto translations = parser.run(po);
    const std::string charset = charsetOf(parser.header());
    if (isUtf8Charset(charset)) return translations;
    // Read again once in UTF-8: in some charsets a '\\' or '"' byte is part of a character.
    const auto utf8 = toUtf8(po, charset);
    if (!utf8) return std::nullopt;
    return PoParser().run(*utf8);
}

std::string poCharset(std::string_view po) {
    PoParser parser;
    parser.run(po);
    return charsetOf(parser.header());
}

std::pair<std::string_view, std::string_view> splitPoContext(std::string_view context) {
    const std::size_t blank = context.find(' ');
    if (blank == std::string_view::npos) return {context, {}};
    return {context.substr(0, blank), context.substr(blank + 1)};
}

}  // namespace kestrel::textx
