#include "pictures/device_image.hpp"

#include <algorithm>
#include <array>

#include "pictures/nearest_colour.hpp"
#include "pictures/picture_formats.hpp"
#include "pictures/pixel_rows.hpp"

namespace kestrel::pictures {

namespace {

constexpr int kFirstFree = 10;    // entries below are static
constexpr int kFirstStatic = 246;  // and from here on
constexpr std::size_t kTranslationSize = 300;

bool isTrueColourPicture(const PictureHeader& h) { return h.bitsPerPixel == 24 || h.bitsPerPixel == 32; }

DeviceImage forTrueColourDisplay(const PictureHeader& h, std::span<const std::uint8_t> pixels) {
    const auto w = static_cast<std::size_t>(h.width);
    const auto height = static_cast<std::size_t>(h.height);
    DeviceImage image;
    image.logicalPalette = h.palette;
    std::vector<Rgb> colours(w * height);
    if (isTrueColourPicture(h)) {
        image.data.assign(pixels.begin(), pixels.end());
        for (std::size_t i = 0; i < colours.size(); ++i)
            colours[i] = {pixels[4 * i], pixels[4 * i + 1], pixels[4 * i + 2]};
    } else {
        const PixelLayout layout{h.bitsPerPixel, h.planes, h.bytesPerLine};
        // Indices past the palette show black.
        std::array<Rgb, 256> lookup{};
        std::copy_n(h.palette.begin(), std::min<std::size_t>(256, h.palette.size()), lookup.begin());
        std::vector<std::uint8_t> indices(w);
        for (std::size_t y = 0; y < height; ++y) {
            unpackRow(layout, pixels.data() + layout.rowBytes() * y, h.width, indices.data());
            for (std::size_t x = 0; x < w; ++x) colours[y * w + x] = lookup[indices[x]];
        }
        image.data.resize(4 * colours.size());
        for (std::size_t i = 0; i < colours.size(); ++i) {
            image.data[4 * i] = colours[i].r;
            image.data[4 * i + 1] = colours[i].g;
            image.data[4 * i + 2] = colours[i].b;
            image.data[4 * i + 3] = 0;
        }
    }
    image.shown = Surface::fromPixels(h.width, h.height, std::move(colours));
    return image;
}

std::optional<DeviceImage> forPaletteDisplay(const PictureHeader& h, std::span<const std::uint8_t> pixels,
                                             Display& display) {
    const int depth = display.bitsPerPixel;
    if (isTrueColourPicture(h) || (depth != 1 && depth != 2 && depth != 4 && depth != 8)) return std::nullopt;
    const int displayColours = display.colourCount();
    std::vector<Rgb>& system = display.systemPalette;
    system.resize(static_cast<std::size_t>(displayColours));

    DeviceImage image;
    const int n = std::min(h.colourCount, displayColours);
    image.logicalPalette.resize(static_cast<std::size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) {
        const bool isStatic = i < kFirstFree || i >= kFirstStatic;
        image.logicalPalette[i] = isStatic ? system[i] : h.palette[i];  // palette holds colourCount
    }
    // Only an 8-bit display lets a picture set its colours.
    if (depth == 8)
        for (int i = kFirstFree; i < std::min(n, kFirstStatic); ++i) system[i] = image.logicalPalette[i];

    // Indices without a picture colour show system entry 0.
    std::array<std::uint8_t, kTranslationSize> translation{};
    const int pictureColours = std::min<int>({h.colourCount, static_cast<int>(h.palette.size()), 256});
    for (int i = 0; i < pictureColours; ++i)
        translation[i] = static_cast<std::uint8_t>(nearestColourIndex(system, h.palette[i]));

    const PixelLayout from{h.bitsPerPixel, h.planes, h.bytesPerLine};
    const PixelLayout to{depth, depth == 1 ? std::clamp(display.planes, 1, 8) : 1, planeBytesPerLine(depth, h.width)};
    const auto w = static_cast<std::size_t>(h.width);
    const auto height = static_cast<std::size_t>(h.height);
    image.data.assign(to.rowBytes() * height, 0);
    std::vector<Rgb> colours(w * height);
    std::vector<std::uint8_t> indices(w);
    for (std::size_t y = 0; y < height; ++y) {
        unpackRow(from, pixels.data() + from.rowBytes() * y, h.width, indices.data());
        for (auto& index : indices) index = translation[index];
        std::uint8_t* row = image.data.data() + to.rowBytes() * y;
        packRow(to, indices.data(), h.width, row);
        // What the screen shows is read back from the device row.
        unpackRow(to, row, h.width, indices.data());
        for (std::size_t x = 0; x < w; ++x)
            colours[y * w + x] = indices[x] < system.size() ? system[indices[x]] : Rgb{};
    }
    image.shown = Surface::fromPixels(h.width, h.height, std::move(colours));
    return image;
}

}  // namespace

std::optional<DeviceImage> makeDeviceImage(const PictureHeader& header, std::span<const std::uint8_t> pixels,
                                           Display& display) {
    if (!detail::layoutConsistent(header) || pixels.size() != header.dataSize() ||
        header.palette.size() < static_cast<std::size_t>(header.colourCount))
        return std::nullopt;
    if (!display.isPalette()) return forTrueColourDisplay(header, pixels);
    return forPaletteDisplay(header, pixels, display);
}

}  // namespace kestrel::pictures
