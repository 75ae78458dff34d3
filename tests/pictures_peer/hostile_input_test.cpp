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

core::Bytes decodedBytes(const PictureHeader& header, const Bytes& file) {
    const PixelData pixels = decodePixels(header, file);
    return core::Bytes(pixels.begin(), pixels.end());
}

core::Bytes rowsReversed(const core::Bytes& data, int height) {
    const std::size_t row = data.size() / static_cast<std::size_t>(height);
    core::Bytes out;
    for (int y = height - 1; y >= 0; --y)
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(row * y),
                   data.begin() + static_cast<std::ptrdiff_t>(row * (y + 1)));
    return out;
}

// A file cut anywhere decodes to the full file's data up to some point and
// zeros after it (BMP rows run bottom-up, so there the rows fill from the bottom).
void expectCutsDecodeToPrefix(PictureKind kind, const Bytes& file, bool bottomUp) {
    const auto header = readPictureHeader(kind, file, Display::trueColour());
    ASSERT_TRUE(header);
    const core::Bytes full = decodedBytes(*header, file);
    for (std::size_t cut = header->pixelOffset; cut < file.size(); cut += 1 + cut % 7) {
        SCOPED_TRACE(::testing::Message() << "cut at " << cut << " of " << file.size());
        const Bytes part(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(cut));
        // The cut must not change the header the data is read with.
        auto cutHeader = readPictureHeader(kind, part, Display::trueColour());
        if (!cutHeader) continue;
        cutHeader->palette = header->palette;
        ASSERT_EQ(*cutHeader, *header);
        core::Bytes got = decodedBytes(*header, part);
        ASSERT_EQ(got.size(), full.size());
        core::Bytes expected = full;
        if (bottomUp) {
            got = rowsReversed(got, header->height);
            expected = rowsReversed(expected, header->height);
        }
        std::size_t same = 0;
        while (same < got.size() && got[same] == expected[same]) ++same;
        const bool zerosAfter = std::all_of(got.begin() + static_cast<std::ptrdiff_t>(same), got.end(),
                                            [](std::uint8_t b) { return b == 0; });
        ASSERT_TRUE(zerosAfter) << "decoded data differs from the full file's at byte " << same
                                << " and is not zero from there on";
    }
}

TEST(HostileInputs, CutFilesDecodeToAPrefix) {
    const IndexedImage img = patternImage(77, 19, 256, 5);
    expectCutsDecodeToPrefix(PictureKind::Gif, writeGif(img), false);
    expectCutsDecodeToPrefix(PictureKind::Gif, writeGif(patternImage(9, 40, 4, 6), {.minCodeSize = 2}), false);
    // Wide rows, so runs and literals take the decoder's wide stores.
    expectCutsDecodeToPrefix(PictureKind::Pcx, writePcx(patternImage(300, 6, 256, 7), 8, 1), false);
    expectCutsDecodeToPrefix(PictureKind::Pcx, writePcx(patternImage(150, 5, 16, 8), 1, 4), false);
    expectCutsDecodeToPrefix(PictureKind::Bmp, writeBmp(img, 8), true);
    expectCutsDecodeToPrefix(PictureKind::Bmp, writeBmp(patternImage(13, 9, 16, 9), 4), true);
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
