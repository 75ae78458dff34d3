// Little-endian field access on byte buffers. Callers check lengths first.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

namespace kestrel::core {

inline std::uint16_t getU16(std::span<const std::uint8_t> b, std::size_t off) {
    return static_cast<std::uint16_t>(b[off] | (b[off + 1] << 8));
}
inline std::int16_t getS16(std::span<const std::uint8_t> b, std::size_t off) {
    return static_cast<std::int16_t>(getU16(b, off));
}
inline std::uint32_t getU32(std::span<const std::uint8_t> b, std::size_t off) {
    return static_cast<std::uint32_t>(b[off]) | (static_cast<std::uint32_t>(b[off + 1]) << 8) |
           (static_cast<std::uint32_t>(b[off + 2]) << 16) | (static_cast<std::uint32_t>(b[off + 3]) << 24);
}
inline std::int32_t getS32(std::span<const std::uint8_t> b, std::size_t off) {
    return static_cast<std::int32_t>(getU32(b, off));
}
inline void putU16(std::span<std::uint8_t> b, std::size_t off, std::uint16_t v) {
    b[off] = static_cast<std::uint8_t>(v);
    b[off + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void putS16(std::span<std::uint8_t> b, std::size_t off, std::int16_t v) {
    putU16(b, off, static_cast<std::uint16_t>(v));
}
inline void putU32(std::span<std::uint8_t> b, std::size_t off, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[off + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline void putS32(std::span<std::uint8_t> b, std::size_t off, std::int32_t v) {
    putU32(b, off, static_cast<std::uint32_t>(v));
}

}  // namespace kestrel::core
