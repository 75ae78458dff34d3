// Icons: one 32x32 16-colour image, held as one byte per pixel. The mask
// and the icon's own colour table are ignored; the colours come from the
// display's static colours.
#include <algorithm>
#include <cstring>

#include "pictures/picture_formats.hpp"

namespace kestrel::pictures::detail {

namespace {
constexpr int kSide = 32;
constexpr std::size_t kPixelOffset = 126;
constexpr std::size_t kFileRowBytes = kSide / 2;
constexpr std::uint8_t kIconStart[8] = {0, 0, 1, 0, 1, 0, kSide, kSide};
constexpr std::uint64_t kMinimumLength = 766;
}  // namespace

std::optional<PictureHeader> readIconHeader(FileBytes file, const Display& display) {
    if (file.size() < kMinimumLength || std::memcmp(file.data(), kIconStart, sizeof kIconStart) != 0)
        return std::nullopt;
    PictureHeader h;
    h.kind = PictureKind::Icon;
    h.bitsPerPixel = 8;
    h.planes = 1;
    h.width = kSide;
    h.height = kSide;
    h.colourCount = file[8];
    if (!checkLayout(h)) return std::nullopt;
    h.pixelOffset = kPixelOffset;
    if (display.isPalette() && display.colourCount() == 16) {
        h.palette = display.systemPalette;
        h.palette.resize(16);
    } else {
        h.palette = standardSixteen();
    }
    h.palette.resize(std::max<std::size_t>(16, static_cast<std::size_t>(h.colourCount)));
    return h;
}

void decodeIcon(const PictureHeader& h, FileBytes file, std::uint8_t* out) {
    if (h.bitsPerPixel != 8 || h.planes != 1) return;
    const int rows = std::min(h.height, kSide);
    const std::size_t pairs = std::min<std::size_t>(kFileRowBytes, static_cast<std::size_t>(h.width) / 2);
    for (int r = 0; r < rows; ++r) {
        const std::size_t at = h.pixelOffset + kFileRowBytes * static_cast<std::size_t>(r);
        if (at >= file.size()) return;
        const std::size_t n = std::min(pairs, file.size() - at);
        const std::uint8_t* src = file.data() + at;
        std::uint8_t* dst = out + static_cast<std::size_t>(h.bytesPerLine) * static_cast<std::size_t>(h.height - 1 - r);
        for (std::size_t i = 0; i < n; ++i) {
            dst[2 * i] = src[i] >> 4;
            dst[2 * i + 1] = src[i] & 0x0F;
        }
    }
}

}  // namespace kestrel::pictures::detail
