// Reading back a gettext PO file that a translation tool filled in.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel::textx {

struct PoTranslation {
    std::string context;  // msgctxt: "City\ELVES.CIT LVL0"
    std::string text;     // msgstr, UTF-8 as the file has it
};

// The entries that carry a translation: a context and a non-empty msgstr.
// The header, fuzzy and obsolete entries and plural forms are left out, as
// are lines the grammar does not know.
std::vector<PoTranslation> poTranslations(std::string_view po);

// The same of a whole file, in UTF-8 whatever charset its header names;
// nothing when that charset is unknown or the file is not written in it.
std::optional<std::vector<PoTranslation>> poFileTranslations(std::string_view po);
// The charset the file's header names; empty when it names none.
std::string poCharset(std::string_view po);

// "City\ELVES.CIT LVL0" into the record path and the tag name; a context
// without a blank gives an empty tag.
std::pair<std::string_view, std::string_view> splitPoContext(std::string_view context);

}  // namespace kestrel::textx
