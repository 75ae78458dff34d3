// The checks every decoder target makes: a header that opens is laid out as
// the shared rules say and decodes to exactly dataSize() bytes; a cut-off
// file decodes to a prefix of the same data.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "fuzz_check.hpp"
#include "pictures/picture.hpp"

namespace kestrel::fuzz {

using pictures::Display;
using pictures::PictureHeader;
using pictures::PictureKind;

// Bigger pictures are legal but spend each run zeroing memory; the header
// checks still see them.
inline constexpr std::uint64_t kDecodeCap = 4u << 20;
inline constexpr std::uint64_t kCutCheckCap = 256u << 10;

inline std::uint64_t expectedBytesPerLine(const PictureHeader& h) {
    const std::uint64_t bits = static_cast<std::uint64_t>(h.width) * static_cast<std::uint64_t>(h.bitsPerPixel);
    const std::uint64_t bytes = (bits + 7) / 8;
    return bytes + (bytes & 1);
}

inline void checkHeader(const PictureHeader& h, PictureKind kind) {
    if (h.kind != kind) fail("header kind differs from the kind asked for");
    if (h.width <= 0 || h.height <= 0) fail("opened with an empty size");
    if (h.dataSize() > pictures::kMaxDataSize) fail("opened beyond kMaxDataSize");
    const bool trueColour = h.bitsPerPixel == 24 || h.bitsPerPixel == 32;
    if (trueColour) {
        if (h.dataSize() != 4ull * h.width * h.height) fail("true-colour dataSize");
        return;
    }
    if (h.bitsPerPixel != 1 && h.bitsPerPixel != 2 && h.bitsPerPixel != 4 && h.bitsPerPixel != 8)
        fail("bits per pixel");
    if (h.planes < 1 || h.planes > 8) fail("planes");
    if (static_cast<std::uint64_t>(h.bytesPerLine) != expectedBytesPerLine(h)) fail("bytesPerLine");
    if (h.dataSize() != static_cast<std::uint64_t>(h.planes) * h.bytesPerLine * h.height) fail("dataSize");
    if (h.colourCount < 0 || h.colourCount > 256) fail("colourCount");
    if (h.palette.size() != std::max<std::size_t>(16, static_cast<std::size_t>(h.colourCount))) fail("palette size");
}

// A file cut short decodes to the whole file's data up to some point and
// zeros after it, in stream order: rows top-down, or bottom-up for BMP and
// icons; interlaced GIF rows are skipped.
inline void checkCutDecode(const PictureHeader& h, std::span<const std::uint8_t> file,
                           const pictures::PixelData& full) {
    if (h.interlaced || file.size() <= h.pixelOffset + 1 || full.empty()) return;
    const std::size_t cut = h.pixelOffset + (file.size() - h.pixelOffset) / 2;
    const pictures::PixelData part = pictures::decodePixels(h, file.first(cut));
    if (part.size() != full.size()) fail("decoded size of a cut file");
    const bool bottomUp = h.kind == PictureKind::Bmp || h.kind == PictureKind::Icon;
    const std::size_t row = full.size() / static_cast<std::size_t>(h.height);
    bool differed = false;
    for (int r = 0; r < h.height; ++r) {
        const std::size_t y = static_cast<std::size_t>(bottomUp ? h.height - 1 - r : r);
        for (std::size_t i = y * row; i < (y + 1) * row; ++i) {
            if (!differed && part[i] == full[i]) continue;
            differed = true;
            if (part[i] != 0) fail("a cut file decodes to other data than the whole file's, not zero");
        }
    }
}

// Header on the given display, then the pixels; the decoded size must match.
inline std::optional<PictureHeader> openAndDecode(PictureKind kind, std::span<const std::uint8_t> file,
                                                  const Display& display) {
    auto header = pictures::readPictureHeader(kind, file, display);
    if (!header) return header;
    checkHeader(*header, kind);
    if (header->dataSize() <= kDecodeCap) {
        const pictures::PixelData pixels = pictures::decodePixels(*header, file);
        if (pixels.size() != header->dataSize()) fail("decoded size differs from dataSize()");
        if (header->dataSize() <= kCutCheckCap) checkCutDecode(*header, file, pixels);
    }
    return header;
}

inline int fuzzDecoder(PictureKind kind, const std::uint8_t* data, std::size_t size) {
    static const Display trueColour = Display::trueColour();
    static const Display palette8 = Display::palette(8);
    const std::span<const std::uint8_t> file(data, size);
    const auto a = openAndDecode(kind, file, trueColour);
    // The display may change the header (icons take their palette from it); decode that one too.
    if (const auto b = pictures::readPictureHeader(kind, file, palette8); b && (!a || !(*a == *b)))
        openAndDecode(kind, file, palette8);
    return 0;
}

}  // namespace kestrel::fuzz
