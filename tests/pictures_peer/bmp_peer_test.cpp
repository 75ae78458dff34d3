// BMP decoding against the reference decoder: 1-, 4- and 8-bit files of
// every width modulo the row padding, and true colour; and files as the
// converter writes them (long headers, short colour tables, colour masks).
#include <gtest/gtest.h>

#include "peer_support.hpp"

namespace kestrel::pictures::peer {
namespace {

void expectSameAsReference(const Bytes& file, const RgbImage& expected) {
    const auto reference = decodeReference(file);
    ASSERT_TRUE(reference.has_value());
    ASSERT_TRUE(sameImage(expected, *reference));
    const auto ours = decodeOurs(PictureKind::Bmp, file);
    ASSERT_TRUE(ours.has_value());
    EXPECT_TRUE(sameImage(*reference, ours->image));
}

TEST(BmpAgainstReference, IndexedRowsOfEveryPadding) {
    std::uint32_t seed = 1;
    for (const int bits : {1, 4, 8})
        for (const int width : {1, 2, 3, 5, 7, 8, 9, 15, 16, 17, 31, 32, 33, 100, 257})
            for (const int height : {1, 2, 7}) {
                SCOPED_TRACE(::testing::Message() << bits << " bits, " << width << "x" << height);
                const IndexedImage img = patternImage(width, height, 1 << bits, seed++);
                expectSameAsReference(writeBmp(img, bits), expectedColours(img));
            }
}

// Only some entries used: the rest of the table must not shift anything.
TEST(BmpAgainstReference, FewColoursOfAFullTable) {
    IndexedImage img = patternImage(23, 11, 3, 5);
    img.palette.resize(256, Colour{9, 9, 9});
    expectSameAsReference(writeBmp(img, 8), expectedColours(img));
    img.palette.resize(16);
    expectSameAsReference(writeBmp(img, 4), expectedColours(img));
}

TEST(BmpAgainstReference, TrueColour24And32) {
    Lcg rng(3);
    for (const int bits : {24, 32})
        for (const int width : {1, 2, 3, 5, 33})
            for (const int height : {1, 4}) {
                SCOPED_TRACE(::testing::Message() << bits << " bits, " << width << "x" << height);
                RgbImage img{width, height, {}};
                for (int i = 0; i < width * height; ++i)
                    img.pixels.push_back({std::uint8_t(rng.below(256)), std::uint8_t(rng.below(256)),
                                          std::uint8_t(rng.below(256))});
                expectSameAsReference(writeBmpTrueColour(img, bits), img);
            }
}

// The format prefix "" gives the converter's default header, "BMP3:" the 40-byte one.
using BmpWrittenByConverter = WithConverter;

int infoSizeOf(const Bytes& bmp) { return bmp.size() > 54 ? bmp[14] | bmp[15] << 8 : -1; }
int bitsOf(const Bytes& bmp) { return bmp.size() > 54 ? bmp[28] : -1; }

// The converter run-length codes indexed rows unless told not to; those
// files must be refused rather than shown as noise.
TEST_F(BmpWrittenByConverter, IndexedWithLongAndShortHeaders) {
    std::uint32_t seed = 200;
    struct Case {
        int colours, tableBits, bits;
    };
    for (const Case c : {Case{2, 1, 1}, Case{3, 2, 4}, Case{16, 4, 4}, Case{200, 8, 8}})
        for (const std::string format : {"", "BMP3:"}) {
            SCOPED_TRACE(::testing::Message() << c.colours << " colours, format '" << format << "'");
            const IndexedImage img = patternImage(13, 5, c.colours, seed++);
            dir_.write("in.gif", writeGif(img, {.minCodeSize = std::max(2, c.tableBits), .tableBits = c.tableBits}));
            const Bytes bmp = converted("in.gif", "-compress none", format, "out.bmp");
            ASSERT_EQ(infoSizeOf(bmp), format.empty() ? 124 : 40);
            ASSERT_EQ(bitsOf(bmp), c.bits);
            expectSameAsReference(bmp, expectedColours(img));
            if (c.bits != 8) continue;  // the converter codes 8-bit rows only
            const Bytes coded = converted("in.gif", "", format, "out.bmp");
            ASSERT_EQ(coded[30], 1);
            EXPECT_FALSE(decodeOurs(PictureKind::Bmp, coded).has_value());
        }
}

TEST_F(BmpWrittenByConverter, TrueColourWithAndWithoutMasks) {
    Lcg rng(9);
    RgbImage img{7, 3, {}};
    for (int i = 0; i < 21; ++i)
        img.pixels.push_back({std::uint8_t(rng.below(256)), std::uint8_t(rng.below(256)), std::uint8_t(rng.below(256))});
    dir_.write("in.ppm", ppmOf(img));
    const Bytes plain = converted("in.ppm", "", "BMP3:", "out.bmp");
    ASSERT_EQ(bitsOf(plain), 24);
    expectSameAsReference(plain, img);
    // With an alpha channel the converter writes 32 bits with colour masks.
    const Bytes masked = converted("in.ppm", "-alpha on", "", "out.bmp");
    ASSERT_EQ(bitsOf(masked), 32);
    ASSERT_EQ(masked[30], 3);
    expectSameAsReference(masked, img);
}

}  // namespace
}  // namespace kestrel::pictures::peer
