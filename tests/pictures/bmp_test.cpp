#include <gtest/gtest.h>

#include "picture_files.hpp"

namespace kestrel::pictures {
namespace {

using testing::Bytes;

// File header, info header and `entries` colours; the fields the reader
// ignores hold nonsense. Entry i is red i, green 2i, blue 3i, blue first.
struct BmpFields {
    long long pixelOffset = 0;  // 0: right behind the table
    long long infoSize = 40;
    long long compression = 0;
    long long coloursUsed = 0;
};
Bytes bmpStart(long long width, long long height, int planes, int bits, int entries, BmpFields f = {}) {
    const long long tableEnd = 14 + f.infoSize + 4 * entries;
    Bytes b;
    b.text("BM").u32(12345).u16(0).u16(0);                    // type, file size, reserved
    b.u32(f.pixelOffset ? f.pixelOffset : tableEnd);          // pixel offset
    b.u32(f.infoSize).u32(width).u32(height);                 // info size, width, height
    b.u16(planes).u16(bits).u32(f.compression).u32(999);      // planes, bits per pixel, compression, image size
    b.u32(2835).u32(2835).u32(f.coloursUsed).u32(77);         // resolution, colours used, important
    b.fill(static_cast<std::size_t>(f.infoSize > 40 ? f.infoSize - 40 : 0), 0x5A);
    for (int i = 0; i < entries; ++i) b.u8({3 * i, 2 * i, i, 0xEE});
    return b;
}
Rgb tableColour(int i) {
    return {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(2 * i), static_cast<std::uint8_t>(3 * i)};
}
testing::Decoded decode(const core::Bytes& file) { return testing::decode(PictureKind::Bmp, file); }

TEST(BmpDecode, EightBitRowsAreStoredBottomUpWithPadding) {
    const auto d = decode(bmpStart(5, 3, 1, 8, 256)
                              .u8({1, 2, 3, 4, 5, 0xEE, 0xEE, 0xEE})     // bottom row, 3 pad bytes
                              .u8({6, 7, 8, 9, 10, 0xEE, 0xEE, 0xEE})    // middle row
                              .u8({11, 12, 13, 14, 15, 0, 0, 0}));       // top row
    ASSERT_TRUE(d.header);
    EXPECT_EQ(d.header->bytesPerLine, 6);
    EXPECT_EQ(d.header->pixelOffset, 54u + 1024u);
    EXPECT_EQ(d.header->palette[85], tableColour(85));
    // Top row first; the even line takes one of the file's pad bytes.
    EXPECT_EQ(d.data, (core::Bytes{11, 12, 13, 14, 15, 0, /**/ 6, 7, 8, 9, 10, 0xEE, /**/ 1, 2, 3, 4, 5, 0xEE}));
}

// Rows of every bit count against the reference decoder: BmpAgainstReference.
TEST(BmpDecode, FourAndOneBitRowsArePaddedToFourBytes) {
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

TEST(BmpHeader, TheStatedPixelOffsetCountsWhenItCanBeRight) {
    const auto gap = decode(bmpStart(2, 1, 1, 4, 16, {.pixelOffset = 54 + 64 + 3}).u8({9, 9, 9, 0x12, 0, 0, 0}));
    ASSERT_TRUE(gap.header);
    EXPECT_EQ(gap.header->pixelOffset, 54u + 64u + 3u);
    EXPECT_EQ(gap.data, (core::Bytes{0x12, 0}));
    // Inside the table or past the end of the file: the rows follow the table.
    for (const long long wrong : {20LL, 54LL + 63, 54LL + 64 + 4, 0xFFFFFFFFLL}) {
        const auto d = decode(bmpStart(2, 1, 1, 4, 16, {.pixelOffset = wrong}).u8({0x34, 0, 0, 0}));
        ASSERT_TRUE(d.header) << wrong;
        EXPECT_EQ(d.header->pixelOffset, 54u + 64u) << wrong;
        EXPECT_EQ(d.data, (core::Bytes{0x34, 0})) << wrong;
    }
}

TEST(BmpHeader, ShortColourTablesAndLongerHeaders) {
    // Three colours used of 256: the rest are black and the rows follow.
    const auto few = decode(bmpStart(1, 1, 1, 8, 3, {.coloursUsed = 3}).u8({2, 0, 0, 0}));
    ASSERT_TRUE(few.header);
    EXPECT_EQ(few.header->colourCount, 256);
    EXPECT_EQ(few.header->palette[2], tableColour(2));
    EXPECT_EQ(few.header->palette[3], (Rgb{}));
    EXPECT_EQ(few.header->pixelOffset, 54u + 12u);
    // A count above the table size means the whole table.
    EXPECT_EQ(decode(bmpStart(1, 1, 1, 1, 2, {.coloursUsed = 300}).u8({0x80, 0, 0, 0})).header->palette[1],
              tableColour(1));
    // A 124-byte header puts the table behind it.
    const auto v5 = decode(bmpStart(3, 1, 1, 4, 16, {.infoSize = 124}).u8({0x1F, 0x20, 0, 0}));
    ASSERT_TRUE(v5.header);
    EXPECT_EQ(v5.header->palette[15], tableColour(15));
    EXPECT_EQ(v5.header->pixelOffset, 14u + 124u + 64u);
    EXPECT_EQ(v5.data, (core::Bytes{0x1F, 0x20}));
}

TEST(BmpHeader, RowsThatAreNotStoredPlainAreRefused) {
    auto opens = [](int bits, int entries, BmpFields f) {
        return decode(bmpStart(4, 1, 1, bits, entries, f).fill(16)).header.has_value();
    };
    EXPECT_FALSE(opens(8, 256, {.compression = 1}));  // run-length coded
    EXPECT_FALSE(opens(4, 16, {.compression = 2}));
    EXPECT_FALSE(opens(8, 256, {.compression = 3}));  // masks at 8 bits
    EXPECT_FALSE(opens(8, 256, {.infoSize = 12}));    // the older header
    core::Bytes huge = bmpStart(4, 1, 1, 8, 256).fill(16);
    huge[16] = 1;  // an information header of 64 KiB, past the end
    EXPECT_FALSE(decode(huge).header);
    // 32 bits with masks that say blue, green, red, as plain rows hold them.
    auto masked = [](long long red, long long infoSize) {
        Bytes b;
        b.text("BM").u32(0).u32(0).u32(0).u32(infoSize).u32(1).u32(1).u16(1).u16(32).u32(3).u32(4);
        b.u32(0).u32(0).u32(0).u32(0).u32(red).u32(0xFF00).u32(0xFF);  // masks right behind the 40 bytes
        b.fill(static_cast<std::size_t>(infoSize > 52 ? infoSize - 52 : 0));
        return decode(b.u8({1, 2, 3, 0}));
    };
    EXPECT_EQ(masked(0xFF0000, 40).data, (core::Bytes{3, 2, 1, 0}));
    EXPECT_EQ(masked(0xFF0000, 40).header->pixelOffset, 66u);
    EXPECT_EQ(masked(0xFF0000, 108).data, (core::Bytes{3, 2, 1, 0}));
    EXPECT_FALSE(masked(0xFF000000, 40).header);
}

TEST(BmpHeader, RefusesWhatCannotBeShown) {
    auto opens = [](long long w, long long h, int planes, int bits, int entries) {
        return decode(bmpStart(w, h, planes, bits, entries)).header.has_value();
    };
    EXPECT_TRUE(opens(4, 4, 1, 8, 256));
    EXPECT_FALSE(opens(4, 4, 1, 8, 255));        // colour table cut short
    EXPECT_FALSE(opens(0, 4, 1, 8, 256));
    EXPECT_FALSE(opens(4, 0x10000, 1, 8, 256));  // sizes beyond 16 bits
    EXPECT_FALSE(opens(0x10002, 1, 1, 8, 256));
    EXPECT_FALSE(opens(0x8000, 1, 1, 8, 256));
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
    EXPECT_EQ(picture->shown().pixels(), (std::vector<Rgb>{{255, 0, 0}, {0, 0, 255}}));
    const auto onPalette = OpenPicture(dir / "true.bmp", Display::palette(8));
    ASSERT_TRUE(onPalette && onPalette->opened());
    EXPECT_FALSE(onPalette->Load());
}

}  // namespace
}  // namespace kestrel::pictures
