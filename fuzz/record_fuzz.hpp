// Checks shared by the record targets.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.hpp"

namespace kestrel::fuzz {

using Bytes = std::vector<std::uint8_t>;

// The record cut or padded with zeros to `size` bytes.
inline Bytes resized(std::span<const std::uint8_t> record, std::size_t size) {
    Bytes out(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(std::min(size, record.size())));
    out.resize(size, 0);
    return out;
}

// A text read from a fixed field is the field's bytes up to its first NUL,
// all of the field when it has none.
inline void checkFieldText(std::span<const std::uint8_t> record, std::size_t at, std::size_t size,
                           const std::string& text, const char* what) {
    const Bytes field = resized(at < record.size() ? record.subspan(at) : std::span<const std::uint8_t>{}, size);
    const auto nul = std::find(field.begin(), field.end(), std::uint8_t{0});
    if (!std::equal(field.begin(), nul, text.begin(), text.end(),
                    [](std::uint8_t b, char c) { return b == static_cast<std::uint8_t>(c); }))
        fail(what);
}

// What a field of `size` bytes keeps of a text written into it.
inline std::string keptText(std::string_view text, std::size_t size) {
    return std::string(text.substr(0, std::min({text.find('\0'), text.size(), size})));
}

}  // namespace kestrel::fuzz
