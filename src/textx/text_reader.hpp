// Reading a text exchange file back: lines of any length, each classified by
// the first tag it holds, and the translator's text cut from the line after it.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel::textx {

enum class LineKind { Banner, Id, Tag, Other };

// One line as the reader sees it. Tags are named as the reader's table
// lists them: "#NAME:", "#LVL10(M):", or the stem of a numbered tag ("#MON").
struct Classified {
    LineKind kind = LineKind::Other;
    std::string_view tag;
    int index = -1;         // from the table or the number after a stem; -1: none
    bool numbered = false;  // the index follows the stem in the line
    std::string_view path;  // of an "#ID:" line: its first word
};

Classified classify(std::string_view line);

// Everything after the first "<" up to the last ">"; empty without both.
std::string_view localisationText(std::string_view line);

// A tag line with the text the translator typed on the line after it.
struct TagLine {
    std::string_view tag;
    int index = -1;
    bool numbered = false;
    std::string_view text;

    // The tag as an exported line spells it, without blanks: "#MON3:", "#NAME(F):".
    std::string spelled() const;
    // The tag without its number and ':': "#MON", "#NAME(F)".
    std::string_view stem() const;
};

struct ReadLine {
    LineKind kind = LineKind::Other;  // never Other: those lines are skipped
    std::string_view path;            // Id
    TagLine tag;                      // Tag
};

// The next line of `rest`, taken off it; nothing at its end. Lines end at LF
// with every CR before it, and a line is read whole however long it is.
std::optional<std::string_view> takeLine(std::string_view& rest);

// Walks a whole file held in memory, line by line as takeLine cuts them.
class TextReader {
public:
    explicit TextReader(std::string_view file) : rest_(file) {}

    // The next banner, "#ID:" or tag line; nothing at the end of the file.
    std::optional<ReadLine> next();
    // Banners read so far: 1 in the first section.
    int section() const { return section_; }

private:
    std::string_view rest_;
    int section_ = 0;
};

}  // namespace kestrel::textx
