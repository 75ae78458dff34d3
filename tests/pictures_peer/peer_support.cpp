#include "peer_support.hpp"

#include <stb/stb_image.h>

#include <cstdlib>
#include <sstream>

namespace kestrel::pictures::peer {

namespace fs = std::filesystem;

namespace {

// Written from the layout rules, not from the decoders, so the two can be checked against each other.
int indexAt(const PictureHeader& h, const std::uint8_t* row, int x) {
    const std::size_t bpl = static_cast<std::size_t>(h.bytesPerLine);
    switch (h.bitsPerPixel) {
        case 1: {
            int index = 0;
            for (int p = 0; p < h.planes; ++p)
                index |= ((row[p * bpl + x / 8] >> (7 - x % 8)) & 1) << p;
            return index;
        }
        case 2: return (row[x / 4] >> (2 * (x % 4))) & 3;
        case 4: return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
        case 8: return row[x];
        default: return -1;
    }
}

}  // namespace

std::optional<RgbImage> coloursOf(const PictureHeader& h, const core::Bytes& data) {
    if (data.size() != h.dataSize()) return std::nullopt;
    RgbImage img{h.width, h.height, {}};
    img.pixels.reserve(static_cast<std::size_t>(h.width) * h.height);
    const bool trueColour = h.bitsPerPixel == 24 || h.bitsPerPixel == 32;
    const std::size_t rowBytes =
        trueColour ? 4 * static_cast<std::size_t>(h.width) : static_cast<std::size_t>(h.planes) * h.bytesPerLine;
    for (int y = 0; y < h.height; ++y) {
        const std::uint8_t* row = data.data() + rowBytes * y;
        for (int x = 0; x < h.width; ++x) {
            if (trueColour) {
                img.pixels.push_back({row[4 * x], row[4 * x + 1], row[4 * x + 2]});
                continue;
            }
            const int i = indexAt(h, row, x);
            if (i < 0 || i >= static_cast<int>(h.palette.size())) return std::nullopt;
            const Rgb c = h.palette[i];
            img.pixels.push_back({c.r, c.g, c.b});
        }
    }
    return img;
}

std::optional<OurDecode> decodeOurs(PictureKind kind, const Bytes& file) {
    auto header = readPictureHeader(kind, file, Display::trueColour());
    if (!header) return std::nullopt;
    const PixelData pixels = decodePixels(*header, file);
    auto image = coloursOf(*header, core::Bytes(pixels.begin(), pixels.end()));
    if (!image) return std::nullopt;
    return OurDecode{*header, std::move(*image)};
}

RgbImage expectedColours(const IndexedImage& img) {
    RgbImage out{img.width, img.height, {}};
    for (const std::uint8_t i : img.pixels) out.pixels.push_back(img.palette.at(i));
    return out;
}

std::optional<RgbImage> decodeReference(const Bytes& file) {
    int w = 0, h = 0, channels = 0;
    stbi_uc* p = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &w, &h, &channels, 3);
    if (!p) return std::nullopt;
    RgbImage img{w, h, {}};
    for (int i = 0; i < w * h; ++i) img.pixels.push_back({p[3 * i], p[3 * i + 1], p[3 * i + 2]});
    stbi_image_free(p);
    return img;
}

::testing::AssertionResult sameImage(const RgbImage& expected, const RgbImage& actual) {
    if (expected.width != actual.width || expected.height != actual.height)
        return ::testing::AssertionFailure() << "size " << actual.width << "x" << actual.height << ", expected "
                                             << expected.width << "x" << expected.height;
    std::size_t wrong = 0, first = 0;
    for (std::size_t i = 0; i < expected.pixels.size(); ++i)
        if (!(expected.pixels[i] == actual.pixels[i]) && wrong++ == 0) first = i;
    if (wrong == 0) return ::testing::AssertionSuccess();
    const Colour e = expected.pixels[first], a = actual.pixels[first];
    return ::testing::AssertionFailure() << wrong << " of " << expected.pixels.size() << " pixels differ; first at ("
                                         << first % expected.width << "," << first / expected.width << "): "
                                         << int{a.r} << "," << int{a.g} << "," << int{a.b} << " instead of "
                                         << int{e.r} << "," << int{e.g} << "," << int{e.b};
}

bool haveConverter() {
    static const bool found = std::system("command -v convert >/dev/null 2>&1") == 0;
    return found;
}

Bytes WithConverter::converted(const std::string& from, const std::string& options, const std::string& format,
                               const std::string& to) {
    fs::remove(dir_ / to);
    const std::string command = "convert '" + (dir_ / from).string() + "' " + options + " '" + format +
                                (dir_ / to).string() + "' >/dev/null 2>&1";
    return std::system(command.c_str()) == 0 ? dir_.read(to) : Bytes{};
}

Bytes ppmOf(const RgbImage& img) {
    const std::string head = "P6\n" + std::to_string(img.width) + " " + std::to_string(img.height) + "\n255\n";
    Bytes b(head.begin(), head.end());
    for (const Colour c : img.pixels) b.insert(b.end(), {c.r, c.g, c.b});
    return b;
}

std::optional<RgbImage> readPpm(const Bytes& ppm) {
    std::istringstream in(std::string(ppm.begin(), ppm.end()));
    std::string magic;
    int w = 0, h = 0, max = 0;
    if (!(in >> magic >> w >> h >> max) || magic != "P6" || max != 255 || w <= 0 || h <= 0) return std::nullopt;
    in.get();
    RgbImage img{w, h, std::vector<Colour>(static_cast<std::size_t>(w) * h)};
    for (Colour& c : img.pixels) {
        char rgb[3];
        if (!in.read(rgb, 3)) return std::nullopt;
        c = {std::uint8_t(rgb[0]), std::uint8_t(rgb[1]), std::uint8_t(rgb[2])};
    }
    return img;
}

}  // namespace kestrel::pictures::peer
