#include <gtest/gtest.h>

#include "picture_files.hpp"

namespace kestrel::pictures {
namespace {

using testing::Bytes;

// File header, info header and `entries` colours; the fields the reader
// ignores hold nonsense. Entry i is red i, green 2i, blue 3i, blue first.
Bytes bmpStart(long long width, long long height, int planes, int bits, int entries) {
    Bytes b;
    b.text("BM").u32(12345).u16(0).u16(0).u32(999);  // type, file size, reserved, pixel offset
    b.u32(40).u32(width).u32(height);                // info size, width, height
    b.u16(planes).u16(bits).u32(3).u32(0);           // planes, bits per pixel, compression, image size
    b.u32(2835).u32(2835).u32(2).u32(0);             // resolution, colours used, important
    for (int i = 0; i < entries; ++i) b.u8({3 * i, 2 * i, i, 0xEE});
    return b;
}
Rgb tableColour(int i) {
    return {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(2 * i), static_cast<std::uint8_t>(3 * i)};
}
testing::Decoded decode(const core::Bytes& file) { return testing::decode(PictureKind::Bmp, file); }
core::Bytes row(const testing::Decoded& d, int y, int bytes) {
    const auto at = d.data.begin() + y * d.header->bytesPerLine;
    return core::Bytes(at, at + bytes);
}

TEST(BmpDecode, EightBitRowsAreStoredBottomUpWithPadding) {
    const auto d = decode(bmpStart(5, 3, 1, 8, 256)
                              .u8({1, 2, 3, 4, 5, 0xEE, 0xEE, 0xEE})     // bottom row, 3 pad bytes
                              .u8({6, 7, 8, 9, 10, 0xEE, 0xEE, 0xEE})    // middle row
                              .u8({11, 12, 13, 14, 15, 0, 0, 0}));       // top row
    ASSERT_TRUE(d.header);
    EXPECT_EQ(d.header->bytesPerLine, 6);
    EXPECT_EQ(d.header->pixelOffset, 54u + 1024u);  // behind the table, whatever the header says
    EXPECT_EQ(d.header->palette[85], tableColour(85));
    ASSERT_EQ(d.data.size(), 18u);
    EXPECT_EQ(row(d, 0, 5), (core::Bytes{11, 12, 13, 14, 15}));
    EXPECT_EQ(row(d, 1, 5), (core::Bytes{6, 7, 8, 9, 10}));
    EXPECT_EQ(row(d, 2, 5), (core::Bytes{1, 2, 3, 4, 5}));
}

TEST(BmpDecode, FourAndOneBitRowsArePaddedToFourBytes) {
    const auto four = decode(bmpStart(3, 2, 1, 4, 16)
                                 .u8({0x12, 0x30, 0xEE, 0xEE})    // bottom: 1 2 3
                                 .u8({0x45, 0x60, 0xEE, 0xEE}));  // top: 4 5 6
    ASSERT_TRUE(four.header);
    EXPECT_EQ(four.header->palette[15], tableColour(15));
    EXPECT_EQ(four.data, (core::Bytes{0x45, 0x60, 0x12, 0x30}));

    const auto one = decode(bmpStart(10, 2, 1, 1, 2)
                                .u8({0xA5, 0x40, 0xEE, 0xEE})    // bottom
                                .u8({0x5A, 0x80, 0xEE, 0xEE}));  // top
    ASSERT_TRUE(one.header);
    EXPECT_EQ(one.header->colourCount, 2);
    EXPECT_EQ(one.header->palette.size(), 16u);
    EXPECT_EQ(one.data, (core::Bytes{0x5A, 0x80, 0xA5, 0x40}));

    // The file ends in the middle row: the top row stays zero.
    const auto cut = decode(bmpStart(2, 3, 1, 4, 16).u8({0x77, 0xEE, 0xEE, 0xEE, 0x88}));
    EXPECT_EQ(cut.data, (core::Bytes{0, 0, 0x88, 0, 0x77, 0xEE}));
}

TEST(BmpHeader, OnlyTheLow16BitsOfTheSizeCount) {
    const auto d = decode(bmpStart(0x00010002, 0x7FFF0001, 1, 8, 256).u8({200, 201, 0, 0}));  // 2 x 1
    ASSERT_TRUE(d.header);
    EXPECT_EQ(d.header->width, 2);
    EXPECT_EQ(d.header->height, 1);
    EXPECT_EQ(d.data, (core::Bytes{200, 201}));
}

TEST(BmpHeader, RefusesWhatCannotBeShown) {
    auto opens = [](long long w, long long h, int planes, int bits, int entries) {
        return decode(bmpStart(w, h, planes, bits, entries)).header.has_value();
    };
    EXPECT_TRUE(opens(4, 4, 1, 8, 256));
    EXPECT_FALSE(opens(4, 4, 1, 8, 255));        // colour table cut short
    EXPECT_FALSE(opens(0, 4, 1, 8, 256));
    EXPECT_FALSE(opens(4, 0x10000, 1, 8, 256));  // low 16 bits: zero
    EXPECT_FALSE(opens(4, -4, 1, 8, 256));       // top-down rows
    EXPECT_FALSE(opens(4, 4, 1, 16, 0));
    EXPECT_FALSE(opens(4, 4, 2, 8, 256));
    EXPECT_FALSE(opens(4, 4, 2, 24, 0));
    core::Bytes cut = bmpStart(4, 4, 1, 24, 0);
    cut.pop_back();
    EXPECT_FALSE(decode(cut).header);
}

TEST(BmpTrueColour, BecomesRedGreenBlueZeroPerPixel) {
    const auto d = decode(bmpStart(2, 2, 1, 24, 0)
                              .u8({1, 2, 3, 4, 5, 6, 0xEE, 0xEE})         // bottom: blue first, pad to 8
                              .u8({10, 20, 30, 40, 50, 60, 0xEE, 0xEE}));  // top
    ASSERT_TRUE(d.header);
    EXPECT_EQ(d.header->colourCount, 0);
    EXPECT_TRUE(d.header->palette.empty());
    EXPECT_EQ(d.header->pixelOffset, 54u);
    EXPECT_EQ(d.data, (core::Bytes{30, 20, 10, 0, 60, 50, 40, 0, /**/ 3, 2, 1, 0, 6, 5, 4, 0}));
    EXPECT_EQ(decode(bmpStart(1, 1, 1, 32, 0).u8({7, 8, 9, 0xFF})).data, (core::Bytes{9, 8, 7, 0}));

    // Their colours show on the true colour display only.
    testing::ScratchDir dir;
    const core::Bytes file = bmpStart(2, 1, 1, 24, 0).u8({0, 0, 255, 255, 0, 0, 0, 0});  // red, blue
    const auto picture = dir.load("true.bmp", file);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->shown().pixel(0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(picture->shown().pixel(1, 0), (Rgb{0, 0, 255}));
    const auto onPalette = OpenPicture(dir / "true.bmp", Display::palette(8));
    ASSERT_TRUE(onPalette && onPalette->opened());
    EXPECT_FALSE(onPalette->Load());
}

}  // namespace
}  // namespace kestrel::pictures
