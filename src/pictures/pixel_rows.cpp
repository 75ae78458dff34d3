#include "pictures/pixel_rows.hpp"

#include <cstring>

namespace kestrel::pictures {

void unpackRow(const PixelLayout& layout, const std::uint8_t* row, int width, std::uint8_t* indices) {
    const auto w = static_cast<std::size_t>(width);
    switch (layout.bitsPerPixel) {
        case 8: std::memcpy(indices, row, w); return;
        case 4:
            for (std::size_t x = 0; x < w; ++x) indices[x] = (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F;
            return;
        case 2:
            for (std::size_t x = 0; x < w; ++x) indices[x] = (row[x >> 2] >> (2 * (x & 3))) & 0x03;
            return;
        case 1:
            std::memset(indices, 0, w);
            for (int p = 0; p < layout.planes; ++p) {
                const std::uint8_t* plane = row + static_cast<std::size_t>(p) * static_cast<std::size_t>(layout.bytesPerLine);
                for (std::size_t x = 0; x < w; ++x)
                    indices[x] |= static_cast<std::uint8_t>(((plane[x >> 3] >> (7 - (x & 7))) & 1) << p);
            }
            return;
        default: std::memset(indices, 0, w);
    }
}

void packRow(const PixelLayout& layout, const std::uint8_t* indices, int width, std::uint8_t* row) {
    const auto w = static_cast<std::size_t>(width);
    switch (layout.bitsPerPixel) {
        case 8: std::memcpy(row, indices, w); return;
        case 4:
            for (std::size_t x = 0; x < w; ++x)
                row[x >> 1] |= static_cast<std::uint8_t>((indices[x] & 0x0F) << ((x & 1) ? 0 : 4));
            return;
        case 2:
            for (std::size_t x = 0; x < w; ++x)
                row[x >> 2] |= static_cast<std::uint8_t>((indices[x] & 0x03) << (2 * (x & 3)));
            return;
        case 1:
            for (int p = 0; p < layout.planes; ++p) {
                std::uint8_t* plane = row + static_cast<std::size_t>(p) * static_cast<std::size_t>(layout.bytesPerLine);
                for (std::size_t x = 0; x < w; ++x)
                    plane[x >> 3] |= static_cast<std::uint8_t>(((indices[x] >> p) & 1) << (7 - (x & 7)));
            }
            return;
        default: return;
    }
}

}  // namespace kestrel::pictures
