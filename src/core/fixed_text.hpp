// 8-bit texts kept in fixed-size byte fields, NUL-terminated when shorter.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kestrel::core {

// At most `size` bytes from `off`, stopping at the first NUL. Reads nothing
// past the end of the buffer.
std::string readFixedText(std::span<const std::uint8_t> buf, std::size_t off, std::size_t size);

// Writes the text (cut to the field), a NUL when there is room, zeros behind.
void writeFixedText(std::span<std::uint8_t> buf, std::size_t off, std::size_t size, std::string_view text);

}  // namespace kestrel::core
