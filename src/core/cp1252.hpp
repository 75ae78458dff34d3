// The 8-bit code page of the game's texts, converted at the edges of the
// program (Qt strings, script files, transcripts).
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kestrel::core {

char32_t cp1252ToCodePoint(unsigned char byte);
// The byte for a code point, or nothing when the code page has none.
std::optional<unsigned char> codePointToCp1252(char32_t cp);

std::string cp1252ToUtf8(std::string_view text);
// Nothing when the text is not valid UTF-8 or holds a character without an
// 8-bit form.
std::optional<std::string> utf8ToCp1252(std::string_view text);
// For showing a UTF-8 text in 8-bit controls: '?' in place of each character
// without an 8-bit form and of each byte that is not UTF-8.
std::string utf8ToCp1252Shown(std::string_view text);

}  // namespace kestrel::core
