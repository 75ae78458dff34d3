// Fuzzes the whole path a picture file takes: recognition, the header on
// palette and true-colour displays, decoding, and OpenPicture + Load + Draw
// on a file in memory-backed storage, which must agree with the span API.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "picture_fuzz.hpp"

namespace {

namespace fs = std::filesystem;
using namespace kestrel::pictures;
using kestrel::fuzz::fail;

// Loading converts every pixel for the display; bigger pictures only slow the search.
constexpr std::uint64_t kLoadCap = 64u << 10;

const fs::path& scratchFile() {
    static const fs::path path = [] {
        const fs::path shm = "/dev/shm";
        const fs::path dir = fs::is_directory(shm) ? shm : fs::temp_directory_path();
        // No known ending, so only the content can choose the kind.
        return dir / ("kestrel-fuzz-" + std::to_string(::getpid()) + ".dat");
    }();
    static const bool removedAtExit = std::atexit([] {
        std::error_code ec;
        fs::remove(path, ec);
    }) == 0;
    (void)removedAtExit;
    return path;
}

// The colour of pixel x of a decoded row, by the layout rules.
Rgb decodedColour(const PictureHeader& h, const std::uint8_t* row, int x) {
    if (h.bitsPerPixel == 24 || h.bitsPerPixel == 32) return {row[4 * x], row[4 * x + 1], row[4 * x + 2]};
    const std::size_t bpl = static_cast<std::size_t>(h.bytesPerLine);
    int index = 0;
    switch (h.bitsPerPixel) {
        case 1:
            for (int p = 0; p < h.planes; ++p) index |= ((row[p * bpl + x / 8] >> (7 - x % 8)) & 1) << p;
            break;
        case 2: index = (row[x / 4] >> (2 * (x % 4))) & 3; break;
        case 4: index = x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F; break;
        default: index = row[x];
    }
    return static_cast<std::size_t>(index) < h.palette.size() ? h.palette[index] : Rgb{};
}

std::size_t deviceSize(const Display& d, const PictureHeader& h) {
    if (!d.isPalette()) return 4 * static_cast<std::size_t>(h.width) * h.height;
    const std::size_t bits = static_cast<std::size_t>(h.width) * d.bitsPerPixel;
    std::size_t bpl = (bits + 7) / 8;
    bpl += bpl & 1;
    return (d.bitsPerPixel == 1 ? static_cast<std::size_t>(d.planes) : 1) * bpl * h.height;
}

// Load shows exactly the decoded colours on true colour, and only system
// palette colours on a palette display.
void checkLoaded(const Picture& picture, const PictureHeader& header, std::span<const std::uint8_t> file) {
    const Surface& shown = picture.shown();
    if (shown.width() != header.width || shown.height() != header.height) fail("shown size differs from the header");
    const Display& display = picture.display();
    if (picture.deviceData().size() != deviceSize(display, header)) fail("device data size");
    if (display.isPalette()) {
        auto key = [](Rgb c) { return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b; };
        std::vector<std::uint32_t> system;
        for (const Rgb c : display.systemPalette) system.push_back(key(c));
        std::sort(system.begin(), system.end());
        for (const Rgb c : shown.pixels())
            if (!std::binary_search(system.begin(), system.end(), key(c))) fail("a shown colour is not in the system palette");
        return;
    }
    // Load takes the palette afresh, so compare with the picture's header.
    const PictureHeader& now = picture.header();
    const auto data = decodePixels(now, file);
    const std::size_t rowBytes = now.height > 0 ? data.size() / static_cast<std::size_t>(now.height) : 0;
    for (int y = 0; y < now.height; ++y)
        for (int x = 0; x < now.width; ++x)
            if (!(shown.pixel(x, y) == decodedColour(now, data.data() + rowBytes * y, x)))
                fail("true colour Load shows another colour than the decoded pixel");
}

void exercise(Picture& picture, const PictureHeader& header, std::span<const std::uint8_t> file) {
    if (header.dataSize() > kLoadCap) return;
    if (!picture.Load()) {
        if (!(header.bitsPerPixel == 24 || header.bitsPerPixel == 32) || !picture.display().isPalette())
            fail("Load failed for a picture that opened");
        return;
    }
    if (!picture.loaded() || !picture.Realize()) fail("Load said yes but the picture is not loaded");
    checkLoaded(picture, header, file);
    const int w = header.width, h = header.height;
    Surface target(24, 24, kDialogFace);
    picture.Draw(0, 0, w, h, target, 0, 0);
    picture.Draw(-3, -5, w + 10, h + 10, target, 7, -2);
    picture.Draw(w - 1, h - 1, 5, 5, target, 20, 20);
    picture.Draw(0, 0, -4, 3, target, 1, 1);
    picture.DrawTransparent(1, 1, w, h, target, -1, 3, header.palette.empty() ? Rgb{} : header.palette[0]);
    picture.DrawTransparent(w / 2, h / 2, w, h, target, 12, 12, Rgb{255, 255, 255});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::array<Display, 4> displays{Display::palette(8), Display::palette(4), Display::palette(1),
                                                 Display::trueColour()};
    const std::span<const std::uint8_t> file(data, size);
    const auto kind = detectPictureKind(file, size);

    const fs::path& path = scratchFile();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (DetectPictureKind(path) != kind) fail("detection from the path differs from detection of the bytes");

    std::optional<PictureHeader> decoded;  // the data does not depend on the display; decode once per header
    for (const Display& display : displays) {
        std::optional<PictureHeader> header;
        if (kind) {
            header = readPictureHeader(*kind, file, display);
            if (header && !(decoded && *decoded == *header)) decoded = kestrel::fuzz::openAndDecode(*kind, file, display);
        }
        auto picture = OpenPicture(path, display);
        if (!kind) {
            if (picture) fail("OpenPicture made a picture of unrecognised content");
            continue;
        }
        if (!picture) fail("OpenPicture gave nothing for recognised content");
        if (picture->kind() != *kind) fail("OpenPicture chose another kind");
        if (picture->opened() != header.has_value()) fail("OpenPicture and readPictureHeader disagree on opening");
        if (!header) continue;
        if (!(picture->header() == *header)) fail("OpenPicture read another header");
        exercise(*picture, *header, file);
    }
    return 0;
}
