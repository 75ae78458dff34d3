#include "textx/po_reader.hpp"

#include <optional>

#include "textx/text_reader.hpp"

namespace kestrel::textx {

namespace {

struct Entry {
    std::optional<std::string> context;
    std::string text;
    bool translated = false;  // a msgstr line has been read
    bool fuzzy = false;
    bool plural = false;
};

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

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
                for (; digits < 2 && i + 1 < rest.size() && hexDigit(rest[i + 1]) >= 0; ++digits)
                    value = value * 16 + hexDigit(rest[++i]);
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

class PoParser {
public:
    std::vector<PoTranslation> run(std::string_view po) {
        while (const auto line = takeLine(po)) read(*line);
        close();
        return std::move(out_);
    }

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
            if (keyword == "msgctxt") field_ = &entry_.context.emplace(*value);
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
};

}  // namespace

std::vector<PoTranslation> poTranslations(std::string_view po) { return PoParser().run(po); }

std::pair<std::string_view, std::string_view> splitPoContext(std::string_view context) {
    const std::size_t blank = context.find(' ');
    if (blank == std::string_view::npos) return {context, {}};
    return {context.substr(0, blank), context.substr(blank + 1)};
}

}  // namespace kestrel::textx
