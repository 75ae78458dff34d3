// Records laid out by hand for the codec tests: texts and 16-bit words put at
// their offsets, and what a record holds at one.
#pragma once
#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "core/bytes.hpp"
#include "core/le.hpp"

namespace kestrel::testing {

using Texts = std::initializer_list<std::pair<std::size_t, std::string_view>>;
using Words = std::initializer_list<std::pair<std::size_t, int>>;

inline void putTexts(core::Bytes& b, Texts texts) {
    for (const auto& [at, s] : texts) std::copy(s.begin(), s.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}
inline void putWords(core::Bytes& b, Words words) {
    for (const auto& [at, v] : words) core::putS16(b, at, static_cast<std::int16_t>(v));
}
// `size` zero bytes with the texts and words put in.
inline core::Bytes laidOut(std::size_t size, Texts texts, Words words = {}) {
    core::Bytes b(size, 0);
    putTexts(b, texts);
    putWords(b, words);
    return b;
}

// The `size` bytes at `at`, and the text there up to its NUL.
inline std::string bytesAt(const core::Bytes& b, std::size_t at, std::size_t size) {
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + size));
}
inline std::string textAt(const core::Bytes& b, std::size_t at, std::size_t size) {
    const std::string s = bytesAt(b, at, size);
    return s.substr(0, s.find('\0'));
}

}  // namespace kestrel::testing
