// Case-insensitive comparison and wildcard matching of 8-bit names, the way
// the game's file system and sorted list boxes compare them.
#pragma once
#include <string_view>

namespace kestrel::core {

char foldCase(char c);
bool equalsNoCase(std::string_view a, std::string_view b);
// <0, 0, >0; ties between names that differ only in case are broken by bytes
// so that the order is total and reproducible.
int compareNoCase(std::string_view a, std::string_view b);
bool lessNoCase(std::string_view a, std::string_view b);
// The order of sorted list and combo boxes: letters fold to lower case, so
// "_" and the other signs between the two alphabets sort before letters.
// Folder enumeration keeps lessNoCase, which folds to upper case.
bool lessInList(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view text, std::string_view prefix);
// '*' any run, '?' any one character.
bool wildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace kestrel::core
