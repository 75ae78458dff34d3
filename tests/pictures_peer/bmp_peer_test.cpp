// BMP decoding against the reference decoder: 1-, 4- and 8-bit files of
// every width modulo the row padding, and true colour.
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

}  // namespace
}  // namespace kestrel::pictures::peer
