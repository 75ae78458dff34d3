// The grammar shared by every text exchange file: 8-bit lines ending in CR LF,
// banners between sections, and tag lines each followed by the line that the
// translator fills in.
#pragma once
#include <string>
#include <string_view>

namespace kestrel::textx {

// A line holding this many asterisks is a banner to the reader; the writer
// puts 15 on each side of the title.
inline constexpr std::string_view kBannerMark = "***********";
inline constexpr std::string_view kBannerSide = "***************";

// The tag itself, without the blanks written after it: "#LVL0:  " gives "#LVL0:".
std::string_view bareTag(std::string_view written);
// The tag as a name, without '#' and ':': "#NAME(M): " gives "NAME(M)".
std::string_view tagName(std::string_view written);

class TextWriter {
public:
    void line(std::string_view text);
    void indented(std::string_view indent, std::string_view text);
    void blank(int count = 1);
    // Two empty lines, the title between its asterisks, two empty lines.
    void banner(std::string_view title);
    // The tag line with the current text in angle brackets, then the empty
    // localisation line; texts are written as they stand.
    void tag(std::string_view indent, std::string_view written, std::string_view text, std::string_view loc);

    const std::string& text() const { return out_; }
    std::string take() { return std::move(out_); }

private:
    void end() { out_ += "\r\n"; }
    std::string out_;
};

}  // namespace kestrel::textx
