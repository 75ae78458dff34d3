// GIF decoding against the reference decoder over generated files: every
// minimum code size, interlacing, clear codes at any point, full tables.
#include <gtest/gtest.h>

#include "peer_support.hpp"

namespace kestrel::pictures::peer {
namespace {

// Both decoders on one file; the reference must also reproduce the image,
// so a failure here points at our decoder, not at the writer.
void expectSameAsReference(const IndexedImage& img, const GifOptions& opt) {
    SCOPED_TRACE(::testing::Message() << img.width << "x" << img.height << " code size " << opt.minCodeSize
                                      << (opt.interlaced ? " interlaced" : "") << " clear every " << opt.clearEvery
                                      << (opt.deferredClear ? " deferred clear" : "") << " table bits "
                                      << opt.tableBits);
    const Bytes file = writeGif(img, opt);
    const auto reference = decodeReference(file);
    ASSERT_TRUE(reference.has_value());
    ASSERT_TRUE(sameImage(expectedColours(img), *reference));
    const auto ours = decodeOurs(PictureKind::Gif, file);
    ASSERT_TRUE(ours.has_value());
    EXPECT_EQ(ours->header.interlaced, opt.interlaced);
    EXPECT_EQ(ours->header.bitsPerPixel, 8);
    EXPECT_TRUE(sameImage(*reference, ours->image));
}

TEST(GifAgainstReference, EveryCodeSizePlainAndInterlaced) {
    std::uint32_t seed = 1;
    for (int codeSize = 2; codeSize <= 8; ++codeSize)
        for (const bool interlaced : {false, true})
            for (const int width : {1, 2, 7, 33, 257})
                for (const int height : {1, 3, 9, 40})
                    expectSameAsReference(patternImage(width, height, 1 << codeSize, seed++),
                                          {.minCodeSize = codeSize, .interlaced = interlaced});
}

TEST(GifAgainstReference, ClearCodesMidStream) {
    std::uint32_t seed = 100;
    for (const int every : {1, 2, 3, 17, 254, 255, 256, 1000})
        for (const int codeSize : {2, 5, 8})
            for (const bool interlaced : {false, true})
                expectSameAsReference(patternImage(61, 23, 1 << codeSize, seed++),
                                      {.minCodeSize = codeSize, .interlaced = interlaced, .clearEvery = every});
}

// Noise fills the 4096-entry table; cleared, it starts anew; kept full, it
// must stop growing while 12-bit codes go on. (The reference gives up once
// a kept table would have grown past 8192 entries, hence the smaller sizes.)
TEST(GifAgainstReference, FullTableClearedOrKept) {
    expectSameAsReference(patternImage(300, 200, 256, 7), {});
    expectSameAsReference(patternImage(500, 160, 4, 8), {.minCodeSize = 2});
    expectSameAsReference(patternImage(97, 301, 16, 9), {.minCodeSize = 4, .interlaced = true});
    expectSameAsReference(patternImage(90, 70, 256, 7), {.deferredClear = true});
    expectSameAsReference(patternImage(250, 100, 4, 8), {.minCodeSize = 2, .deferredClear = true});
    expectSameAsReference(patternImage(160, 97, 16, 9), {.minCodeSize = 4, .interlaced = true, .deferredClear = true});
    // The table does fill: kept full, the codes differ from those of a cleared table.
    for (const auto& [img, size] : {std::pair{patternImage(90, 70, 256, 7), 8}, {patternImage(250, 100, 4, 8), 2}})
        EXPECT_NE(writeGif(img, {.minCodeSize = size}), writeGif(img, {.minCodeSize = size, .deferredClear = true}));
}

// Long runs make strings longer than a row, so they wrap into the next row
// (and, interlaced, into a row far below).
TEST(GifAgainstReference, StringsLongerThanARow) {
    for (const int width : {1, 3, 64}) {
        IndexedImage img = patternImage(width, 120, 4, 11);
        std::fill(img.pixels.begin(), img.pixels.end(), 2);
        for (const bool interlaced : {false, true}) expectSameAsReference(img, {.minCodeSize = 2, .interlaced = interlaced});
    }
}

// The image starts behind a table of the size the screen descriptor gives.
TEST(GifAgainstReference, SmallGlobalTables) {
    for (int tableBits = 1; tableBits <= 8; ++tableBits)
        expectSameAsReference(patternImage(19, 13, 1 << tableBits, 30 + tableBits),
                              {.minCodeSize = std::max(2, tableBits), .tableBits = tableBits});
}

// The pixels mean the local table's colours; the global one is grey.
TEST(GifAgainstReference, LocalColourTables) {
    for (const int tableBits : {1, 4, 8})
        for (const bool interlaced : {false, true})
            expectSameAsReference(patternImage(17, 11, 1 << tableBits, 50 + tableBits),
                                  {.minCodeSize = std::max(2, tableBits), .interlaced = interlaced,
                                   .tableBits = tableBits, .localTable = true});
}

TEST(GifAgainstReference, ExtensionsAndOlderVersion) {
    expectSameAsReference(patternImage(21, 9, 256, 40), {.graphicControl = true});
    expectSameAsReference(patternImage(21, 9, 256, 41), {.comment = true});
    expectSameAsReference(patternImage(21, 9, 256, 42), {.graphicControl = true, .comment = true});
    expectSameAsReference(patternImage(21, 9, 256, 43), {.version = "GIF87a"});
}

}  // namespace
}  // namespace kestrel::pictures::peer
