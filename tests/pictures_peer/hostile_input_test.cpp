// Damaged and extreme files: what the fuzz targets once crashed on
// (fuzz/regressions/TARGET/*), cut-off files, and sizes at the limit.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/host_file.hpp"
#include "peer_support.hpp"

namespace kestrel::pictures::peer {
namespace {

namespace fs = std::filesystem;

TEST(HostileInputs, StoredFuzzInputsDecodeWithinBounds) {
    const fs::path dir = KESTREL_FUZZ_REGRESSIONS;
    if (!fs::is_directory(dir)) return;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        if (!entry.is_regular_file() || entry.path().filename().string().starts_with(".")) continue;
        SCOPED_TRACE(entry.path().string());
        const Bytes file = core::readHostFile(entry.path()).value_or(Bytes{});
        for (const PictureKind kind : {PictureKind::Pcx, PictureKind::Bmp, PictureKind::Gif, PictureKind::Icon})
            for (const Display& display : {Display::trueColour(), Display::palette(8), Display::palette(4)}) {
                if (const auto header = readPictureHeader(kind, file, display)) {
                    EXPECT_EQ(decodePixels(*header, file).size(), header->dataSize());
                }
            }
    }
}

// A file cut anywhere decodes to the full file's data up to some point and
// zeros after it, the rows taken in the order the file stores them (BMP:
// bottom-up).
void expectCutsDecodeToPrefix(PictureKind kind, const Bytes& file) {
    const auto header = readPictureHeader(kind, file, Display::trueColour());
    ASSERT_TRUE(header);
    const auto inFileOrder = [&](const Bytes& part) {
        const PixelData pixels = decodePixels(*header, part);
        const auto row = static_cast<std::ptrdiff_t>(pixels.size()) / header->height;
        core::Bytes rows;
        for (int r = 0; r < header->height; ++r) {
            const auto at = pixels.begin() + row * (kind == PictureKind::Bmp ? header->height - 1 - r : r);
            rows.insert(rows.end(), at, at + row);
        }
        return rows;
    };
    const core::Bytes full = inFileOrder(file);
    for (std::size_t cut = header->pixelOffset; cut < file.size(); cut += 1 + cut % 7) {
        SCOPED_TRACE(::testing::Message() << "cut at " << cut << " of " << file.size());
        const Bytes part(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(cut));
        // The cut must not change the header the data is read with.
        auto cutHeader = readPictureHeader(kind, part, Display::trueColour());
        if (!cutHeader) continue;
        cutHeader->palette = header->palette;
        ASSERT_EQ(*cutHeader, *header);
        const core::Bytes got = inFileOrder(part);
        ASSERT_EQ(got.size(), full.size());
        const auto differs = std::mismatch(got.begin(), got.end(), full.begin()).first;
        ASSERT_TRUE(std::all_of(differs, got.end(), [](std::uint8_t b) { return b == 0; }))
            << "decoded data differs from the full file's at byte " << differs - got.begin()
            << " and is not zero from there on";
    }
}

TEST(HostileInputs, CutFilesDecodeToAPrefix) {
    const IndexedImage img = patternImage(77, 19, 256, 5);
    expectCutsDecodeToPrefix(PictureKind::Gif, writeGif(img));
    expectCutsDecodeToPrefix(PictureKind::Gif, writeGif(patternImage(9, 40, 4, 6), {.minCodeSize = 2}));
    // Wide rows, so runs and literals take the decoder's wide stores.
    expectCutsDecodeToPrefix(PictureKind::Pcx, writePcx(patternImage(300, 6, 256, 7), 8, 1));
    expectCutsDecodeToPrefix(PictureKind::Pcx, writePcx(patternImage(150, 5, 16, 8), 1, 4));
    expectCutsDecodeToPrefix(PictureKind::Bmp, writeBmp(img, 8));
    expectCutsDecodeToPrefix(PictureKind::Bmp, writeBmp(patternImage(13, 9, 16, 9), 4));
}

TEST(HostileInputs, SizesAtTheDataLimit) {
    auto pcxOf = [](int width, int height) {
        Bytes pcx = writePcx(patternImage(1, 1, 256, 1), 8, 1);
        pcx[8] = (width - 1) & 0xFF;
        pcx[9] = ((width - 1) >> 8) & 0xFF;
        pcx[10] = (height - 1) & 0xFF;
        pcx[11] = ((height - 1) >> 8) & 0xFF;
        return pcx;
    };
    const auto largest = readPictureHeader(PictureKind::Pcx, pcxOf(16384, 16384), Display::trueColour());
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->dataSize(), kMaxDataSize);
    EXPECT_FALSE(readPictureHeader(PictureKind::Pcx, pcxOf(16386, 16384), Display::trueColour()));
    Bytes gif = writeGif(patternImage(1, 1, 256, 2));
    gif[13 + 768 + 5] = gif[13 + 768 + 6] = gif[13 + 768 + 7] = gif[13 + 768 + 8] = 0xFF;  // 65535 x 65535
    EXPECT_FALSE(readPictureHeader(PictureKind::Gif, gif, Display::trueColour()));
}

}  // namespace
}  // namespace kestrel::pictures::peer
