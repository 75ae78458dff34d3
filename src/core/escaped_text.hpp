// Texts from the data written into line-oriented output (listings, script
// transcripts) that other programs read: a name holding a tab or a line feed
// must not forge a column or a line.
#pragma once
#include <string>
#include <string_view>

namespace kestrel::core {

// The 8-bit text with a backslash as \\, a tab as \t, a line feed as \n and
// every other control character (C0, DEL and the code page's C1 holes) as
// \xHH; everything else as it is.
std::string escapeControls(std::string_view text);
// The same for UTF-8 text: only C0 controls and DEL, so that a character of
// several bytes stays whole.
std::string escapeUtf8Controls(std::string_view text);

// The value of a hex digit of either case; -1 for any other character.
int hexDigitValue(char c);

}  // namespace kestrel::core
