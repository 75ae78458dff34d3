#include "core/fixed_text.hpp"

#include <algorithm>

namespace kestrel::core {

std::string readFixedText(std::span<const std::uint8_t> buf, std::size_t off, std::size_t size) {
    if (off >= buf.size()) return {};
    const std::size_t end = std::min(buf.size(), off + size);
    std::string out;
    for (std::size_t i = off; i < end && buf[i] != 0; ++i) out.push_back(static_cast<char>(buf[i]));
    return out;
}

void writeFixedText(std::span<std::uint8_t> buf, std::size_t off, std::size_t size, std::string_view text) {
    const std::size_t n = std::min(text.size(), size);
    for (std::size_t i = 0; i < size; ++i)
        buf[off + i] = i < n ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{0};
}

}  // namespace kestrel::core
