// BMP: file and info headers, a colour table, and bottom-up rows padded to
// four bytes. 24- and 32-bit files become true colour.
#include <algorithm>
#include <cstring>

#include "core/le.hpp"
#include "pictures/picture_formats.hpp"

namespace kestrel::pictures::detail {

namespace {

constexpr std::size_t kHeadersSize = 14 + 40;

// Bytes one row takes in the file before its padding.
std::size_t fileRowBytes(const PictureHeader& h) {
    if (h.bitsPerPixel == 24 || h.bitsPerPixel == 32)
        return static_cast<std::size_t>(h.width) * static_cast<std::size_t>(h.bitsPerPixel / 8);
    return static_cast<std::size_t>(h.planes) * static_cast<std::size_t>(h.bytesPerLine);
}

}  // namespace

std::optional<PictureHeader> readBmpHeader(FileBytes file) {
    if (file.size() < kHeadersSize || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    PictureHeader h;
    h.kind = PictureKind::Bmp;
    // Only the low 16 bits of the size count, as a signed number: bottom-up
    // files of up to 32767 pixels a side open, top-down ones do not.
    h.width = core::getS16(file, 18);
    h.height = core::getS16(file, 22);
    h.planes = core::getU16(file, 26);
    h.bitsPerPixel = core::getU16(file, 28);
    if (!checkLayout(h)) return std::nullopt;
    const std::size_t tableSize = 4 * static_cast<std::size_t>(h.colourCount);
    if (file.size() < kHeadersSize + tableSize) return std::nullopt;
    h.pixelOffset = kHeadersSize + tableSize;
    if (h.colourCount == 0) return h;
    h.palette.assign(std::max<std::size_t>(16, static_cast<std::size_t>(h.colourCount)), Rgb{});
    const std::uint8_t* p = file.data() + kHeadersSize;
    for (int i = 0; i < h.colourCount; ++i, p += 4) h.palette[i] = {p[2], p[1], p[0]};
    return h;
}

void decodeBmp(const PictureHeader& h, FileBytes file, std::uint8_t* out) {
    const std::size_t srcBytes = fileRowBytes(h);
    const std::size_t stride = (srcBytes + 3) & ~std::size_t{3};
    const std::size_t dstBytes = static_cast<std::size_t>(h.planes) * static_cast<std::size_t>(h.bytesPerLine);
    const int channels = h.bitsPerPixel / 8;
    const bool trueColour = h.bitsPerPixel == 24 || h.bitsPerPixel == 32;
    for (int r = 0; r < h.height; ++r) {
        const std::size_t at = h.pixelOffset + stride * static_cast<std::size_t>(r);
        if (at >= file.size()) return;
        const std::size_t n = std::min(srcBytes, file.size() - at);
        const std::uint8_t* src = file.data() + at;
        std::uint8_t* dst = out + dstBytes * static_cast<std::size_t>(h.height - 1 - r);
        if (!trueColour) {
            std::memcpy(dst, src, n);
            continue;
        }
        const std::size_t pixels = n / static_cast<std::size_t>(channels);
        for (std::size_t x = 0; x < pixels; ++x, src += channels, dst += 4) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
    }
}

}  // namespace kestrel::pictures::detail
