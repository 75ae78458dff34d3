// The test support itself: the layout reader used to compare decoders, and
// the PCX writer's runs (the GIF and BMP writers meet the reference decoder
// in every test that uses them).
#include <gtest/gtest.h>

#include "peer_support.hpp"

namespace kestrel::pictures::peer {
namespace {

PictureHeader layout(int bits, int planes, int width, int bytesPerLine, int height = 1) {
    PictureHeader h;
    h.bitsPerPixel = bits;
    h.planes = planes;
    h.width = width;
    h.height = height;
    h.bytesPerLine = bytesPerLine;
    for (int i = 0; i < 16; ++i) h.palette.push_back({std::uint8_t(i), std::uint8_t(i), std::uint8_t(i)});
    h.colourCount = 16;
    return h;
}

// The red channel of each pixel, which `layout` makes the palette index.
std::optional<std::vector<int>> indicesOf(const PictureHeader& h, const core::Bytes& data) {
    const auto img = coloursOf(h, data);
    if (!img) return std::nullopt;
    std::vector<int> out;
    for (const Colour c : img->pixels) out.push_back(c.r);
    return out;
}

TEST(ColoursOf, ReadsEveryPackedLayout) {
    // 1 bit, 3 planes: plane p gives bit p; pixels MSB first.
    EXPECT_EQ(indicesOf(layout(1, 3, 3, 2), {0b10100000, 0, 0b01100000, 0, 0b11000000, 0}), (std::vector{5, 6, 3}));
    // 2 bits: the leftmost pixel in the two least significant bits.
    EXPECT_EQ(indicesOf(layout(2, 1, 5, 2), {0b11100100, 0b00000010}), (std::vector{0, 1, 2, 3, 2}));
    // 4 bits: high nibble left; two rows of an even stride.
    EXPECT_EQ(indicesOf(layout(4, 1, 3, 2, 2), {0x12, 0x30, 0xAB, 0xC0}), (std::vector{1, 2, 3, 10, 11, 12}));
}

TEST(ColoursOf, RefusesWrongSizesAndIndicesOutsideThePalette) {
    EXPECT_FALSE(coloursOf(layout(8, 1, 2, 2), {1, 2, 3}));
    EXPECT_FALSE(coloursOf(layout(8, 1, 2, 2), {1, 16}));
    PictureHeader tc = layout(32, 1, 2, 8);
    tc.palette.clear();
    const auto got = coloursOf(tc, {1, 2, 3, 0, 4, 5, 6, 0});
    ASSERT_TRUE(got);
    EXPECT_EQ(got->pixels, (std::vector<Colour>{{1, 2, 3}, {4, 5, 6}}));
}

TEST(PictureWriters, PcxRunsStopAtLineEndsAndEscapeHighBytes) {
    IndexedImage img{130, 2, std::vector<std::uint8_t>(260, 0xC5), {}};
    const Bytes pcx = writePcx(img, 8, 1);
    // 130 bytes a line: runs of 63, 63 and 4, each a count byte and a value.
    const Bytes line{0xFF, 0xC5, 0xFF, 0xC5, 0xC4, 0xC5};
    EXPECT_EQ(Bytes(pcx.begin() + 128, pcx.begin() + 134), line);
    EXPECT_EQ(Bytes(pcx.begin() + 134, pcx.begin() + 140), line);
    EXPECT_EQ(pcx.size(), 128u + 12 + 769);
    // A single byte of 0xC0 or more needs a count of one in front of it.
    const Bytes one = writePcx(IndexedImage{1, 1, {0xC0}, {}}, 8, 1);
    EXPECT_EQ(Bytes(one.begin() + 128, one.begin() + 132), (Bytes{0xC1, 0xC0, 0x00, 12}));
}

}  // namespace
}  // namespace kestrel::pictures::peer
