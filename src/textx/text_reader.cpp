#include "textx/text_reader.hpp"

#include <algorithm>
#include <array>

#include "textx/text_format.hpp"

namespace kestrel::textx {

namespace {

struct Row {
    std::string_view text;
    LineKind kind = LineKind::Tag;
    int index = -1;
    bool numbered = false;
};

constexpr Row numbered(std::string_view stem) { return {stem, LineKind::Tag, -1, true}; }

// A line is what the first of these it contains anywhere says it is, so the
// order is part of the grammar: "#NAME:" before "#NAME(M):" before "#NAME3".
// clang-format off
constexpr std::array kRows{
    Row{kBannerMark, LineKind::Banner},
    Row{"#ID:", LineKind::Id},
    Row{"#NAME:"}, Row{"#NAME(M):", LineKind::Tag, 0}, Row{"#NAME(F):", LineKind::Tag, 1},
    Row{"#DESC:"},
    Row{"#LVL0:", LineKind::Tag, 0}, Row{"#LVL1:", LineKind::Tag, 1}, Row{"#LVL2:", LineKind::Tag, 2},
    Row{"#LVL3:", LineKind::Tag, 3},
    Row{"#LVL10(M):", LineKind::Tag, 9},
    Row{"#LVL1(M):", LineKind::Tag, 0}, Row{"#LVL2(M):", LineKind::Tag, 1}, Row{"#LVL3(M):", LineKind::Tag, 2},
    Row{"#LVL4(M):", LineKind::Tag, 3}, Row{"#LVL5(M):", LineKind::Tag, 4}, Row{"#LVL6(M):", LineKind::Tag, 5},
    Row{"#LVL7(M):", LineKind::Tag, 6}, Row{"#LVL8(M):", LineKind::Tag, 7}, Row{"#LVL9(M):", LineKind::Tag, 8},
    Row{"#LVL10(F):", LineKind::Tag, 9},
    Row{"#LVL1(F):", LineKind::Tag, 0}, Row{"#LVL2(F):", LineKind::Tag, 1}, Row{"#LVL3(F):", LineKind::Tag, 2},
    Row{"#LVL4(F):", LineKind::Tag, 3}, Row{"#LVL5(F):", LineKind::Tag, 4}, Row{"#LVL6(F):", LineKind::Tag, 5},
    Row{"#LVL7(F):", LineKind::Tag, 6}, Row{"#LVL8(F):", LineKind::Tag, 7}, Row{"#LVL9(F):", LineKind::Tag, 8},
    Row{"#GOLD:"},
    numbered("#MON"), numbered("#NAME"), numbered("#DESC"), numbered("#BONUS"), numbered("#RES"),
    Row{"#TXT00:", LineKind::Tag, 0}, Row{"#TXT01:", LineKind::Tag, 1}, Row{"#TXT02:", LineKind::Tag, 2},
    Row{"#TXT03:", LineKind::Tag, 3},
    Row{"#TXT10:", LineKind::Tag, 10}, Row{"#TXT11:", LineKind::Tag, 11}, Row{"#TXT12:", LineKind::Tag, 12},
    Row{"#TXT13:", LineKind::Tag, 13},
};
// clang-format on

// Every tag starts with '#', so looking only where the line has one finds
// the same first match as a search of the whole line, without rescanning it
// some forty times.
constexpr std::size_t kMarks = 8;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Digits right after the stem; none gives -1. Long runs stop growing, so
// they name no record rather than overflow.
int numberAt(std::string_view line, std::size_t at) {
    int value = -1;
    for (; at < line.size() && line[at] >= '0' && line[at] <= '9'; ++at)
        value = value < 0 ? line[at] - '0' : std::min(value * 10 + (line[at] - '0'), 1'000'000);
    return value;
}

std::string_view firstWord(std::string_view line, std::size_t at) {
    while (at < line.size() && isBlank(line[at])) ++at;
    std::size_t end = at;
    while (end < line.size() && !isBlank(line[end])) ++end;
    return line.substr(at, end - at);
}

}  // namespace

Classified classify(std::string_view line) {
    if (line.find(kBannerMark) != std::string_view::npos) return {LineKind::Banner, kBannerMark};
    std::array<std::size_t, kMarks> marks{};
    std::size_t count = 0;
    bool many = false;  // then the line is searched plainly
    for (std::size_t at = line.find('#'); at != std::string_view::npos && !many; at = line.find('#', at + 1)) {
        if (count == kMarks)
            many = true;
        else
            marks[count++] = at;
    }
    if (count == 0) return {};
    for (const Row& row : kRows) {
        if (row.kind == LineKind::Banner) continue;
        std::size_t found = std::string_view::npos;
        if (many) {
            found = line.find(row.text);
        } else {
            // The letter after '#' rules out most rows without a compare.
            for (std::size_t i = 0; i < count && found == std::string_view::npos; ++i)
                if (marks[i] + 1 < line.size() && line[marks[i] + 1] == row.text[1] &&
                    line.substr(marks[i]).starts_with(row.text))
                    found = marks[i];
        }
        if (found == std::string_view::npos) continue;
        const std::size_t after = found + row.text.size();
        if (row.kind == LineKind::Id) return {LineKind::Id, row.text, -1, false, firstWord(line, after)};
        return {row.kind, row.text, row.numbered ? numberAt(line, after) : row.index, row.numbered, {}};
    }
    return {};
}

std::string_view localisationText(std::string_view line) {
    const std::size_t open = line.find('<');
    const std::size_t close = line.rfind('>');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) return {};
    return line.substr(open + 1, close - open - 1);
}

std::string TagLine::spelled() const {
    if (!numbered) return std::string(tag);
    std::string out(tag);
    if (index >= 0) out += std::to_string(index);
    out += ':';
    return out;
}

std::string_view TagLine::stem() const { return numbered || !tag.ends_with(':') ? tag : tag.substr(0, tag.size() - 1); }

std::optional<std::string_view> takeLine(std::string_view& rest) {
    if (rest.empty()) return std::nullopt;
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    // Files passed through more than one text-mode copy end lines in CR CR LF.
    while (line.ends_with('\r')) line.remove_suffix(1);
    return line;
}

std::optional<ReadLine> TextReader::next() {
    while (const auto line = takeLine(rest_)) {
        const Classified c = classify(*line);
        switch (c.kind) {
            case LineKind::Other:
                continue;
            case LineKind::Banner:
                ++section_;
                return ReadLine{LineKind::Banner};
            case LineKind::Id:
                return ReadLine{LineKind::Id, c.path};
            case LineKind::Tag: {
                // The next line is the translator's, whatever it holds.
                const auto loc = takeLine(rest_);
                return ReadLine{LineKind::Tag, {}, {c.tag, c.index, c.numbered, loc ? localisationText(*loc) : ""}};
            }
        }
    }
    return std::nullopt;
}

}  // namespace kestrel::textx
