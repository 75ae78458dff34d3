#include "core/text_case.hpp"

#include <cstddef>

namespace kestrel::core {

char foldCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    // Windows-1252 lower-case letters of the upper half
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
    if (u == 0x9A || u == 0x9C || u == 0x9E) return static_cast<char>(u - 16);
    if (u == 0xFF) return static_cast<char>(0x9F);
    return c;
}

namespace {

// The lower-case partner of an upper-case letter; the inverse of foldCase.
unsigned char lowerCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<unsigned char>(u + 32);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<unsigned char>(u + 32);
    if (u == 0x8A || u == 0x8C || u == 0x8E) return static_cast<unsigned char>(u + 16);
    if (u == 0x9F) return 0xFF;
    return u;
}

unsigned char upperCase(char c) { return static_cast<unsigned char>(foldCase(c)); }

template <unsigned char (*Fold)(char)>
int compareFolded(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = Fold(a[i]);
        const unsigned char y = Fold(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && compareFolded<upperCase>(a, b) == 0;
}

int compareNoCase(std::string_view a, std::string_view b) {
    if (const int c = compareFolded<upperCase>(a, b); c != 0) return c;
    return a.compare(b);
}

bool lessNoCase(std::string_view a, std::string_view b) { return compareNoCase(a, b) < 0; }

bool lessInList(std::string_view a, std::string_view b) {
    if (const int c = compareFolded<lowerCase>(a, b); c != 0) return c < 0;
    return a.compare(b) < 0;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsNoCase(text.substr(0, prefix.size()), prefix);
}

bool wildcardMatch(std::string_view pattern, std::string_view name) {
    // Iterative matcher with one backtrack point: linear for the usual patterns.
    std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || foldCase(pattern[p]) == foldCase(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace kestrel::core
