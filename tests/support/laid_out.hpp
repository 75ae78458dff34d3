// Records laid out by hand for the codec tests: texts and 16-bit words put at
// their offsets in zero bytes.
#pragma once
#include <algorithm>
#include <initializer_list>
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

}  // namespace kestrel::testing
