#include <gtest/gtest.h>

#include "picture_files.hpp"

namespace kestrel::pictures {
namespace {

using testing::headerColour;
using testing::pcxHeader;

testing::Decoded decode(const core::Bytes& file) { return testing::decode(PictureKind::Pcx, file); }

TEST(PcxHeader, LayoutComesFromWindowBitsAndPlanes) {
    const auto h = decode(pcxHeader(8, 1, 2, 3, 6, 4)).header;  // 5 x 2
    ASSERT_TRUE(h);
    EXPECT_EQ(h->width, 5);
    EXPECT_EQ(h->height, 2);
    EXPECT_EQ(h->bytesPerLine, 6);  // rounded up to even
    EXPECT_EQ(h->dataSize(), 12u);
    // bits, planes, width -> colours, bytes per line of one plane
    const int layouts[][5] = {{1, 1, 9, 2, 2}, {1, 3, 17, 8, 4}, {2, 1, 5, 4, 2}, {4, 1, 5, 16, 4}, {8, 1, 3, 256, 4}};
    for (const auto& l : layouts) {
        const auto p = decode(pcxHeader(l[0], l[1], 0, 0, l[2] - 1, 0)).header;
        ASSERT_TRUE(p) << l[0] << "x" << l[1];
        EXPECT_EQ(p->colourCount, l[3]);
        EXPECT_EQ(p->bytesPerLine, l[4]);
        EXPECT_EQ(p->dataSize(), static_cast<std::uint64_t>(l[1] * l[4]));
    }
}

TEST(PcxHeader, RefusesBadFieldsAndLayouts) {
    auto opens = [](core::Bytes file, std::size_t at = 0, int value = -1) {
        if (value >= 0) file[at] = static_cast<std::uint8_t>(value);
        return decode(file).header.has_value();
    };
    EXPECT_TRUE(opens(pcxHeader(8, 1, 0, 0, 3, 3)));
    EXPECT_FALSE(opens(pcxHeader(8, 1, 0, 0, 3, 3), 1, 3));  // version
    EXPECT_FALSE(opens(pcxHeader(8, 1, 0, 0, 3, 3), 2, 0));  // not run-length coded
    core::Bytes cut = pcxHeader(8, 1, 0, 0, 3, 3);
    cut.pop_back();
    EXPECT_FALSE(opens(cut));
    EXPECT_FALSE(opens(pcxHeader(8, 1, 5, 0, 4, 3)));  // xmin above xmax: zero width
    EXPECT_FALSE(opens(pcxHeader(8, 1, 0, 9, 3, 3)));  // negative height
    for (const auto& [bits, planes] : {std::pair{8, 3}, {1, 5}, {4, 2}, {3, 1}, {24, 1}})
        EXPECT_FALSE(opens(pcxHeader(bits, planes, 0, 0, 3, 3))) << bits << "x" << planes;
    EXPECT_FALSE(opens(pcxHeader(8, 1, 0, 0, 65535, 65535)));  // 4 GiB of pixels

    const auto wide = decode(pcxHeader(8, 1, 0, 0, 65534, 0).u8({0xC5, 9}));  // 65535 x 1, a run of 5
    ASSERT_TRUE(wide.header);
    ASSERT_EQ(wide.data.size(), 65536u);
    EXPECT_EQ(wide.data[4], 9);
    EXPECT_EQ(wide.data[5], 0);
}

TEST(PcxDecode, RunsStopAtTheRowEndAndTheNextRowTakesTheNextByte) {
    const auto d = decode(pcxHeader(8, 1, 0, 0, 2, 2)  // 3 x 3, 4 bytes a row
                              .u8({0xC6, 7})          // run of 6: fills row 0, the rest is dropped
                              .u8({1, 0xC2, 9, 3})    // row 1: 1 9 9 and the pad byte 3
                              .u8({0xC0, 0xAA})       // count 0 stores nothing
                              .u8({0xC3, 5}));        // row 2: the stream ends
    EXPECT_EQ(d.data, (core::Bytes{7, 7, 7, 7, /**/ 1, 9, 9, 3, /**/ 5, 5, 5, 0}));
}

TEST(PcxDecode, LongRowsMixLongRunsAndLiterals) {
    const auto d = decode(pcxHeader(8, 1, 0, 0, 69, 1)                    // 70 x 2
                              .u8({0xFF, 9})                              // 63 nines
                              .u8({0xD4, 4})                              // 20 fours, cut after 7
                              .u8({0xD1, 6, 1, 2, 3, 4, 5, 6, 7, 8})      // row 1: 17 sixes, 8 bytes
                              .u8({0xED, 5, 0xC5, 3}));                   // 45 fives; one run too many
    core::Bytes expected(63, 9);
    expected.insert(expected.end(), 7, 4);
    expected.insert(expected.end(), 17, 6);
    for (int i = 1; i <= 8; ++i) expected.push_back(static_cast<std::uint8_t>(i));
    expected.insert(expected.end(), 45, 5);
    EXPECT_EQ(d.data, expected);

    // Ending mid-row, or within a run, leaves the rest zero.
    const auto cut = decode(pcxHeader(8, 1, 0, 0, 99, 1).u8({1, 2, 3, 4, 5, 0xC3, 7, 0xC2}));  // 100 x 2
    core::Bytes rest{1, 2, 3, 4, 5, 7, 7, 7};
    rest.resize(200, 0);
    EXPECT_EQ(cut.data, rest);
}

// The stored line length is the stated one unless too short for the pixels.
TEST(PcxDecode, StoredLinesOfOtherLengthsKeepTheLayout) {
    auto stored = [](int stated) { return decode(pcxHeader(8, 1, 0, 0, 4, 0, stated)).header->storedBytesPerLine; };
    EXPECT_EQ(stored(5), 5);  // odd, as converters write it
    EXPECT_EQ(stored(9), 9);  // padded
    EXPECT_EQ(stored(4), 6);  // too short for 5 pixels: the computed length
    EXPECT_EQ(stored(0), 6);
    EXPECT_EQ(decode(pcxHeader(1, 4, 0, 0, 8, 0, 2)).header->storedBytesPerLine, 2);  // 9 pixels in 2 bytes
    EXPECT_EQ(decode(pcxHeader(1, 4, 0, 0, 8, 0, 1)).header->storedBytesPerLine, 2);
    // 5 x 2 at 8 bits, lines stored with 5 bytes: the pad byte is zero.
    const auto odd = decode(pcxHeader(8, 1, 0, 0, 4, 1, 5).u8({1, 2, 3, 4, 5, 0xC2, 6, 7, 8, 9}));
    EXPECT_EQ(odd.data, (core::Bytes{1, 2, 3, 4, 5, 0, /**/ 6, 6, 7, 8, 9, 0}));
    // Lines stored with 9 bytes: the extra bytes belong to no pixel, and a
    // run is cut at the end of the stored line.
    const auto padded = decode(pcxHeader(8, 1, 0, 0, 4, 1, 9)
                                   .u8({1, 2, 3, 4, 5, 0xC9, 0xEE})   // row 0: 5 pixels, 4 extra, run cut
                                   .u8({0xC7, 6, 7, 0x2E}));          // row 1
    EXPECT_EQ(padded.data, (core::Bytes{1, 2, 3, 4, 5, 0, /**/ 6, 6, 6, 6, 6, 0}));
    // Four planes of 1 bit, 9 pixels stored in 3 bytes a plane.
    const auto planes = decode(pcxHeader(1, 4, 0, 0, 8, 0, 3)
                                   .u8({0x80, 0x80, 0x2E, 0x40, 0, 0x2E})
                                   .u8({0x20, 0x80, 0x2E, 0x10, 0, 0x2E}));
    EXPECT_EQ(planes.data, (core::Bytes{0x80, 0x80, 0x40, 0, 0x20, 0x80, 0x10, 0}));
    // The stream ends inside row 0: all the rest is zero, pads included.
    const auto cut = decode(pcxHeader(8, 1, 0, 0, 4, 2, 9).u8({1, 2, 3}));
    EXPECT_EQ(cut.data, (core::Bytes{1, 2, 3, 0, 0, 0, /**/ 0, 0, 0, 0, 0, 0, /**/ 0, 0, 0, 0, 0, 0}));
}

TEST(PcxDecode, PlanesOfOneBitPicturesGiveTheIndexBits) {
    const auto file = pcxHeader(1, 4, 0, 0, 7, 0)  // 8 x 1, 4 planes of 2 bytes
                          .u8({0x80, 0})         // plane 0: pixel 0
                          .u8({0xC1, 0xC0, 0})   // plane 1: pixels 0, 1 (a run: the byte has both top bits)
                          .u8({0xC1, 0xE0, 0})   // plane 2: pixels 0 to 2
                          .u8({0xC1, 0xF1, 0});  // plane 3: pixels 0 to 3 and 7
    EXPECT_EQ(decode(file).data, (core::Bytes{0x80, 0, 0xC0, 0, 0xE0, 0, 0xF1, 0}));
    testing::ScratchDir dir;
    const auto picture = dir.load("planes.pcx", file);
    ASSERT_TRUE(picture);
    const int expected[8] = {15, 14, 12, 8, 0, 0, 0, 8};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(picture->shown().pixel(x, 0), headerColour(expected[x])) << x;
}

TEST(PcxDecode, TwoBitPixelsStartInTheLowBits) {
    testing::ScratchDir dir;
    const auto picture = dir.load("two.pcx", pcxHeader(2, 1, 0, 0, 4, 0)  // 5 x 1, 2 bytes a row
                                                 .u8({0xC1, 0xE4})      // pixels 0 1 2 3, low bits first
                                                 .u8({0x02}));          // pixel 4 = 2
    ASSERT_TRUE(picture);
    const int expected[5] = {0, 1, 2, 3, 2};
    for (int x = 0; x < 5; ++x) EXPECT_EQ(picture->shown().pixel(x, 0), headerColour(expected[x])) << x;
}

TEST(PcxPalette, TrailingPaletteNeedsTheMarkerRightBeforeIt) {
    for (const int marker : {12, 11}) {
        testing::Bytes file = pcxHeader(8, 1, 0, 0, 1, 0).u8({0x10, 0x20, marker});  // 2 x 1, marker
        for (int i = 0; i < 256; ++i) file.u8({i, 255 - i, 1});
        const auto h = decode(file).header;
        ASSERT_TRUE(h);
        ASSERT_EQ(h->palette.size(), 256u);
        if (marker == 12) {
            EXPECT_EQ(h->palette[0], (Rgb{0, 255, 1}));
            EXPECT_EQ(h->palette[200], (Rgb{200, 55, 1}));
        } else {
            EXPECT_EQ(h->palette[3], headerColour(3));
            EXPECT_EQ(h->palette[16], (Rgb{}));  // black past the header's 16
        }
    }
    // Files of twelves up to 768 bytes: the marker would sit before the file's start.
    for (const std::size_t size : {600, 768}) {
        const auto h = decode(pcxHeader(8, 1, 0, 0, 1, 0).fill(size - 128, 12)).header;
        ASSERT_TRUE(h);
        EXPECT_EQ(h->palette[1], headerColour(1)) << size;
        EXPECT_EQ(h->palette[20], (Rgb{})) << size;
    }
}

TEST(PcxPalette, SixteenColourMarkerIsLookedForWhereverItFalls) {
    // 16 colours: the marker is 49 bytes before the end, in this 130-byte
    // file at 81, the header's filler; the last 48 bytes become the palette.
    core::Bytes file = pcxHeader(4, 1, 0, 0, 1, 0).u8({0x12, 0x34});  // 2 x 1
    ASSERT_EQ(file.size(), 130u);
    EXPECT_EQ(decode(file).header->palette[15], headerColour(15));
    file[81] = 12;
    const auto h = decode(file).header;
    EXPECT_EQ(h->palette[0], (Rgb{}));                // filler bytes 82 to 84
    EXPECT_EQ(h->palette[15], (Rgb{0, 0x12, 0x34}));  // bytes 127 to 129
}

}  // namespace
}  // namespace kestrel::pictures
