// Reading and writing one row of colour indices in the packed layouts that
// pictures and displays share (see decodePixels).
#pragma once
#include <cstddef>
#include <cstdint>

namespace kestrel::pictures {

struct PixelLayout {
    int bitsPerPixel = 8;  // 1, 2, 4 or 8
    int planes = 1;        // counts at 1 bit only
    int bytesPerLine = 0;  // of one plane
    std::size_t rowBytes() const {
        return static_cast<std::size_t>(bitsPerPixel == 1 ? planes : 1) * static_cast<std::size_t>(bytesPerLine);
    }
};

// `indices` holds `width` entries; the row holds rowBytes().
void unpackRow(const PixelLayout& layout, const std::uint8_t* row, int width, std::uint8_t* indices);
// `row` must be zeroed; index bits beyond the layout's depth are dropped.
void packRow(const PixelLayout& layout, const std::uint8_t* indices, int width, std::uint8_t* row);

}  // namespace kestrel::pictures
