// A strict test-side PCX reader, so the sample tests check what the writer
// produced without trusting the writer's own code.
#pragma once
#include <cstddef>
#include <optional>
#include <vector>

#include "core/bytes.hpp"
#include "core/le.hpp"
#include "sample/indexed_image.hpp"

namespace kestrel::sample::pcx_test {

inline constexpr std::size_t kHeaderSize = 128;
inline constexpr std::size_t kTrailerSize = 769;  // marker byte and 256 RGB triples

// Refuses runs that cross a scan line and any stray data.
inline std::optional<IndexedImage> decodePcx8(const core::Bytes& b) {
    if (b.size() < kHeaderSize + kTrailerSize || b[0] != 10 || b[2] != 1 || b[3] != 8 || b[65] != 1)
        return std::nullopt;
    IndexedImage img;
    img.width = core::getU16(b, 8) - core::getU16(b, 4) + 1;
    img.height = core::getU16(b, 10) - core::getU16(b, 6) + 1;
    const std::size_t bytesPerLine = core::getU16(b, 66);
    const std::size_t dataEnd = b.size() - kTrailerSize;
    if (b[dataEnd] != 0x0C || bytesPerLine < static_cast<std::size_t>(img.width)) return std::nullopt;
    std::size_t pos = kHeaderSize;
    for (int y = 0; y < img.height; ++y) {
        std::vector<std::uint8_t> line;
        while (line.size() < bytesPerLine) {
            if (pos >= dataEnd) return std::nullopt;
            std::uint8_t value = b[pos++];
            std::size_t count = 1;
            if ((value & 0xC0) == 0xC0) {
                if (pos >= dataEnd) return std::nullopt;
                count = value & 0x3F;
                value = b[pos++];
            }
            if (count == 0 || line.size() + count > bytesPerLine) return std::nullopt;
            line.insert(line.end(), count, value);
        }
        img.pixels.insert(img.pixels.end(), line.begin(), line.begin() + img.width);
    }
    if (pos != dataEnd) return std::nullopt;
    for (std::size_t i = 0; i < img.palette.size(); ++i)
        img.palette[i] = {b[dataEnd + 1 + 3 * i], b[dataEnd + 2 + 3 * i], b[dataEnd + 3 + 3 * i]};
    return img;
}

}  // namespace kestrel::sample::pcx_test
