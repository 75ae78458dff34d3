#include "textx/text_format.hpp"

namespace kestrel::textx {

std::string_view bareTag(std::string_view written) {
    const std::size_t end = written.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : written.substr(0, end + 1);
}

std::string_view tagName(std::string_view written) {
    std::string_view name = bareTag(written);
    if (name.starts_with('#')) name.remove_prefix(1);
    if (name.ends_with(':')) name.remove_suffix(1);
    return name;
}

void TextWriter::line(std::string_view text) {
    out_ += text;
    end();
}

void TextWriter::indented(std::string_view indent, std::string_view text) {
    out_ += indent;
    line(text);
}

void TextWriter::blank(int count) {
    for (int i = 0; i < count; ++i) end();
}

void TextWriter::banner(std::string_view title) {
    blank(2);
    out_ += kBannerSide;
    out_ += ' ';
    out_ += title;
    out_ += ' ';
    out_ += kBannerSide;
    end();
    blank(2);
}

void TextWriter::tag(std::string_view indent, std::string_view written, std::string_view text, std::string_view loc) {
    out_ += indent;
    out_ += written;
    out_ += '<';
    out_ += text;
    out_ += '>';
    end();
    out_ += indent;
    out_ += loc;
    out_ += "<>";
    end();
}

}  // namespace kestrel::textx
