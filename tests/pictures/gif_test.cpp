#include <gtest/gtest.h>

#include "picture_files.hpp"

namespace kestrel::pictures {
namespace {

using testing::Bytes;
using testing::gifCodes;

// Signature, screen descriptor and a global table of 2 entries.
Bytes gifStart(int packed = 0x80, const char* signature = "GIF89a") {
    Bytes b;
    b.text(signature).u16(640).u16(480);  // screen size, ignored
    b.u8({packed, 0, 0});                 // table flag and size, background, aspect
    return b.rgb({10, 20, 30}).rgb({40, 50, 60});
}
Bytes& imageDescriptor(Bytes& b, int width, int height, int packed = 0) {
    return b.u8({0x2C}).u16(3).u16(4).u16(width).u16(height).u8({packed});  // left, top, size, flags
}
testing::Decoded decode(const core::Bytes& file) { return testing::decode(PictureKind::Gif, file); }
core::Bytes decodeImage(int width, int height, int minCodeSize, const core::Bytes& codes, int packed = 0) {
    Bytes file = gifStart();
    imageDescriptor(file, width, height, packed).u8({minCodeSize}).append(codes).u8({0x3B});
    return decode(file).data;
}

TEST(GifHeader, SkipsExtensionsAndStrayBytesUpToTheImage) {
    Bytes file = gifStart();
    file.u8({0x21, 0xF9, 4, 1, 0, 0, 0, 0})        // control extension: one sub-block
        .u8({0x21, 0xFE, 2, 'h', 'i', 1, '!', 0})  // comment: two sub-blocks
        .u8({0x00, 0x99});                         // strays
    imageDescriptor(file, 3, 2, 0x40).u8({2}).append(gifCodes({{5, 3}}));
    const auto h = decode(file).header;
    ASSERT_TRUE(h);
    EXPECT_EQ(h->width, 3);
    EXPECT_EQ(h->height, 2);
    EXPECT_TRUE(h->interlaced);
    EXPECT_EQ(h->colourCount, 256);
    EXPECT_EQ(h->bytesPerLine, 4);
    EXPECT_EQ(h->pixelOffset, 13u + 6u + 8u + 8u + 2u + 10u);
    // 256 entries from offset 13, whatever the table's size: the extension follows the table.
    EXPECT_EQ(h->palette[1], (Rgb{40, 50, 60}));
    EXPECT_EQ(h->palette[2], (Rgb{0x21, 0xF9, 4}));
    EXPECT_EQ(h->palette[200], (Rgb{}));  // past the end of the file
}

TEST(GifHeader, RefusesFilesWithoutAnImageOrGlobalTable) {
    auto opens = [](Bytes file, bool image = true) {
        if (image) imageDescriptor(file, 1, 1).u8({2}).append(gifCodes({{5, 3}}));
        return decode(file).header.has_value();
    };
    EXPECT_TRUE(opens(gifStart()));
    EXPECT_TRUE(opens(gifStart(0x81).rgb({0x3B, 0x3B, 0x3B}).rgb({0x3B, 0, 0})));  // 4 entries: the table is skipped
    EXPECT_FALSE(opens(gifStart(0x00)));                       // no global table
    EXPECT_FALSE(opens(gifStart(0x80, "GIF88a")));
    EXPECT_FALSE(opens(gifStart().u8({0x3B})));                // trailer first
    EXPECT_FALSE(opens(gifStart().u8({0x21, 0xF9, 4, 1, 0}), false));     // ends in an extension
    EXPECT_FALSE(opens(gifStart().u8({0x2C, 0, 0, 0, 0, 1, 0, 1}), false));  // descriptor cut short
    EXPECT_FALSE(opens(gifStart(0x87).u8({0x2C}), false));     // ends inside a 768-byte table
    Bytes empty = gifStart();
    EXPECT_FALSE(opens(imageDescriptor(empty, 0, 5), false));
}

TEST(GifHeader, LocalColourTableIsThePaletteAndIsSkipped) {
    Bytes file = gifStart();
    imageDescriptor(file, 2, 1, 0x80).rgb({1, 2, 3}).rgb({4, 5, 6});  // local table of 2 entries
    file.u8({2}).append(gifCodes({{4, 3}, {1, 3}, {0, 3}, {5, 3}})).u8({0x3B});
    const auto d = decode(file);
    ASSERT_TRUE(d.header);
    EXPECT_EQ(d.header->pixelOffset, 13u + 6u + 10u + 6u);
    EXPECT_EQ(d.header->palette[0], (Rgb{1, 2, 3}));
    EXPECT_EQ(d.header->palette[1], (Rgb{4, 5, 6}));
    EXPECT_EQ(d.header->palette[2], (Rgb{}));
    EXPECT_EQ(d.data, (core::Bytes{1, 0}));
    // A local table cut short by the end of the file.
    Bytes cut = gifStart();
    EXPECT_FALSE(decode(imageDescriptor(cut, 2, 1, 0x81).rgb({1, 2, 3})).header);
}

// Codes not yet defined, wider codes, interlacing and clear codes mid-stream
// meet the reference decoder in GifAgainstReference; what its writer never
// makes is here.
TEST(GifDecode, SingleByteSubBlocksAndAStringAcrossRows) {
    // 3 x 2, minimum code size 2: clear 4, end 5, first free 6.
    EXPECT_EQ(decodeImage(3, 2, 2,
                          gifCodes({{4, 3},   // clear
                                    {3, 3},   // 3
                                    {0, 3},   // 0 (6 = "3 0")
                                    {6, 3},   // 3 0 across the rows (7 = "0 3"; next 8 widens to 4 bits)
                                    {7, 4},   // 0 3
                                    {5, 4}},  // end
                                   1)),
              (core::Bytes{3, 0, 3, 0, /**/ 0, 0, 3, 0}));
}

TEST(GifDecode, BadStreamsStopWhereTheyGoWrong) {
    for (int size : {0, 1, 10, 12})  // minimum code sizes outside 2 to 9
        EXPECT_EQ(decodeImage(2, 1, size, gifCodes({{4, 3}, {1, 3}, {1, 3}})), (core::Bytes{0, 0})) << size;
    // Code 7 when 6 is the next free one.
    EXPECT_EQ(decodeImage(4, 1, 2, gifCodes({{4, 3}, {1, 3}, {7, 3}, {2, 3}})), (core::Bytes{1, 0, 0, 0}));
    // Right after a clear nothing past the roots is defined.
    EXPECT_EQ(decodeImage(2, 1, 2, gifCodes({{4, 3}, {6, 3}, {1, 3}})), (core::Bytes{0, 0}));
    // More pixels than the picture holds: cut at its end.
    EXPECT_EQ(decodeImage(2, 1, 2, gifCodes({{4, 3}, {1, 3}, {6, 3}, {6, 3}})), (core::Bytes{1, 1}));
    // No end code and no terminator: the stream just stops.
    Bytes cut = gifStart();
    imageDescriptor(cut, 2, 2).u8({2, 1, 0x0C});  // one sub-block holding clear and 1
    EXPECT_EQ(decode(cut).data, (core::Bytes{1, 0, 0, 0}));
}

}  // namespace
}  // namespace kestrel::pictures
