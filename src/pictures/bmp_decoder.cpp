// BMP: file and info headers, a colour table, and bottom-up rows padded to
// four bytes. 24- and 32-bit files become true colour.
#include <algorithm>
#include <cstring>

#include "core/le.hpp"
#include "pictures/picture_formats.hpp"

namespace kestrel::pictures::detail {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;

// Bytes one row takes in the file before its padding.
std::size_t fileRowBytes(const PictureHeader& h) {
    if (h.bitsPerPixel == 24 || h.bitsPerPixel == 32)
        return static_cast<std::size_t>(h.width) * static_cast<std::size_t>(h.bitsPerPixel / 8);
    return static_cast<std::size_t>(h.planes) * static_cast<std::size_t>(h.bytesPerLine);
}

// Rows stored as they are: uncompressed, or 32-bit pixels whose masks say
// blue, green, red as an uncompressed file holds them. Run-length coded
// files would decode to noise.
bool storedAsRows(FileBytes file, int bits) {
    const std::uint32_t compression = core::getU32(file, 30);
    if (compression == kUncompressed) return true;
    constexpr std::size_t masks = kFileHeaderSize + kInfoHeaderSize;
    if (compression != kBitFields || bits != 32 || file.size() < masks + 12) return false;
    return core::getU32(file, masks) == 0xFF0000 && core::getU32(file, masks + 4) == 0xFF00 &&
           core::getU32(file, masks + 8) == 0xFF;
}

// Entries in the colour table: the colours-used count when it is smaller.
int tableEntries(FileBytes file, int colourCount) {
    const std::uint32_t used = core::getU32(file, 46);
    return used > 0 && used < static_cast<std::uint32_t>(colourCount) ? static_cast<int>(used) : colourCount;
}

}  // namespace

// The rows start at the stated offset when it lies behind the colour table
// inside the file; a stated offset that cannot be right means the rows
// follow the table directly.
std::optional<PictureHeader> readBmpHeader(FileBytes file) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    // Older 12-byte headers hold other fields at these places.
    const std::uint32_t infoSize = core::getU32(file, 14);
    if (infoSize < kInfoHeaderSize || infoSize > file.size() - kFileHeaderSize) return std::nullopt;
    PictureHeader h;
    h.kind = PictureKind::Bmp;
    // Sizes beyond 16 bits are refused rather than cut; top-down files
    // (negative height) are refused too.
    h.width = core::getS32(file, 18);
    h.height = core::getS32(file, 22);
    if (h.width > 0x7FFF || h.height > 0x7FFF) return std::nullopt;
    h.planes = core::getU16(file, 26);
    h.bitsPerPixel = core::getU16(file, 28);
    if (!checkLayout(h)) return std::nullopt;
    if (!storedAsRows(file, h.bitsPerPixel)) return std::nullopt;
    std::size_t tableStart = kFileHeaderSize + infoSize;
    if (infoSize == kInfoHeaderSize && core::getU32(file, 30) == kBitFields) tableStart += 12;  // masks follow
    const int entries = tableEntries(file, h.colourCount);
    const std::size_t tableEnd = tableStart + 4 * static_cast<std::size_t>(entries);
    if (file.size() < tableEnd) return std::nullopt;
    const std::uint32_t stated = core::getU32(file, 10);
    h.pixelOffset = stated >= tableEnd && stated < file.size() ? stated : tableEnd;
    if (h.colourCount == 0) return h;
    h.palette.assign(std::max<std::size_t>(16, static_cast<std::size_t>(h.colourCount)), Rgb{});
    const std::uint8_t* p = file.data() + tableStart;
    for (int i = 0; i < entries; ++i, p += 4) h.palette[i] = {p[2], p[1], p[0]};
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
