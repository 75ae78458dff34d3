#include "sample/pcx_writer.hpp"

#include <algorithm>
#include <span>

#include "core/le.hpp"

namespace kestrel::sample {

namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::uint8_t kManufacturer = 10;
constexpr std::uint8_t kVersion = 5;
constexpr std::uint8_t kRleEncoding = 1;
constexpr std::uint8_t kBitsPerPixel = 8;
constexpr std::uint16_t kDpi = 72;
constexpr std::uint8_t kPlanes = 1;
constexpr std::uint16_t kColourPaletteInfo = 1;
constexpr std::uint8_t kPaletteMarker = 0x0C;
constexpr std::uint8_t kRunFlag = 0xC0;
constexpr std::size_t kMaxRun = 63;
// Bytes per line is a 16-bit field holding the width rounded up to even.
constexpr int kMaxWidth = 0xFFFE;
constexpr int kMaxHeight = 0x10000;

enum Offset : std::size_t {
    kOffManufacturer = 0,
    kOffVersion = 1,
    kOffEncoding = 2,
    kOffBitsPerPixel = 3,
    kOffXMax = 8,
    kOffYMax = 10,
    kOffHDpi = 12,
    kOffVDpi = 14,
    kOffPlanes = 65,
    kOffBytesPerLine = 66,
    kOffPaletteInfo = 68,
};

void writeHeader(core::Bytes& out, int width, int height, int bytesPerLine) {
    out.assign(kHeaderSize, 0);
    out[kOffManufacturer] = kManufacturer;
    out[kOffVersion] = kVersion;
    out[kOffEncoding] = kRleEncoding;
    out[kOffBitsPerPixel] = kBitsPerPixel;
    core::putU16(out, kOffXMax, static_cast<std::uint16_t>(width - 1));
    core::putU16(out, kOffYMax, static_cast<std::uint16_t>(height - 1));
    core::putU16(out, kOffHDpi, kDpi);
    core::putU16(out, kOffVDpi, kDpi);
    out[kOffPlanes] = kPlanes;
    core::putU16(out, kOffBytesPerLine, static_cast<std::uint16_t>(bytesPerLine));
    core::putU16(out, kOffPaletteInfo, kColourPaletteInfo);
}

// One scan line on its own: readers may stop a run at the line's end.
void encodeLine(core::Bytes& out, std::span<const std::uint8_t> line) {
    for (std::size_t i = 0; i < line.size();) {
        const std::uint8_t value = line[i];
        std::size_t run = 1;
        while (i + run < line.size() && run < kMaxRun && line[i + run] == value) ++run;
        if (run > 1 || value >= kRunFlag) out.push_back(static_cast<std::uint8_t>(kRunFlag | run));
        out.push_back(value);
        i += run;
    }
}

}  // namespace

core::Bytes encodePcx8(const IndexedImage& img) {
    const bool sized = img.width > 0 && img.height > 0 && img.width <= kMaxWidth && img.height <= kMaxHeight;
    if (!sized || img.pixels.size() != static_cast<std::size_t>(img.width) * img.height) return {};

    const int bytesPerLine = (img.width + 1) & ~1;
    core::Bytes out;
    writeHeader(out, img.width, img.height, bytesPerLine);

    std::vector<std::uint8_t> line(bytesPerLine, 0);
    for (int y = 0; y < img.height; ++y) {
        const auto row = img.pixels.begin() + static_cast<std::ptrdiff_t>(y) * img.width;
        std::copy(row, row + img.width, line.begin());
        encodeLine(out, line);
    }

    out.push_back(kPaletteMarker);
    for (const Rgb& c : img.palette) out.insert(out.end(), {c.r, c.g, c.b});
    return out;
}

}  // namespace kestrel::sample
