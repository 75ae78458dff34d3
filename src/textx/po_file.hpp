// gettext PO for translation tools: one entry per text, named by its record
// file and tag, in UTF-8 while the game's texts are Windows-1252.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace kestrel::textx {

// "City\ELVES.CIT LVL0": the record path as the "#ID:" line gives it, a
// blank, the tag without '#' and ':'. Record paths never hold a blank.
std::string poContext(std::string_view recordPath, std::string_view writtenTag);

// The text in double quotes with the escapes of the PO grammar.
std::string poQuoted(std::string_view utf8);

class PoWriter {
public:
    // The header entry: the project and the encoding.
    explicit PoWriter(std::string_view project);
    // An untranslated entry; `text` is 8-bit as stored. Empty texts are left out.
    void entry(std::string_view context, std::string_view text, std::size_t limit);
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

}  // namespace kestrel::textx
