// PCX decoding against the external converter: files it writes (1-bit and
// 8-bit with a trailing palette), and files we write in the layouts it
// cannot write (multi-plane 16 colours) but reads.
#include <gtest/gtest.h>

#include "peer_support.hpp"

namespace kestrel::pictures::peer {
namespace {

class PcxAgainstConverter : public ::testing::Test {
protected:
    void SetUp() override {
        if (!findConverter()) GTEST_SKIP() << "the convert program is not installed";
    }

    // The converter's own reading of a PCX file.
    std::optional<RgbImage> converterReads(const Bytes& pcx) {
        writeFile(dir_ / "in.pcx", pcx);
        if (!runConverter("'" + (dir_ / "in.pcx").string() + "' -depth 8 'ppm:" + (dir_ / "back.ppm").string() + "'"))
            return std::nullopt;
        return readPpm(dir_ / "back.ppm");
    }

    // The converter turns a GIF (its palette kept) into a PCX file.
    Bytes converterWritesPcx(const Bytes& gif) {
        writeFile(dir_ / "source.gif", gif);
        const auto out = dir_ / "out.pcx";
        std::filesystem::remove(out);
        if (!runConverter("'" + (dir_ / "source.gif").string() + "' '" + out.string() + "'")) return {};
        return readFile(out);
    }

    void expectAllAgree(const Bytes& pcx, const RgbImage& expected) {
        const auto reference = converterReads(pcx);
        ASSERT_TRUE(reference.has_value());
        ASSERT_TRUE(sameImage(expected, *reference));
        const auto ours = decodeOurs(PictureKind::Pcx, pcx);
        ASSERT_TRUE(ours.has_value());
        EXPECT_TRUE(sameImage(*reference, ours->image));
    }

    ScratchDir dir_;
};

int bitsOf(const Bytes& pcx) { return pcx.size() > 65 ? pcx[3] : -1; }
int planesOf(const Bytes& pcx) { return pcx.size() > 65 ? pcx[65] : -1; }

RgbImage inverted(RgbImage img) {
    for (Colour& c : img.pixels) c = {std::uint8_t(255 - c.r), std::uint8_t(255 - c.g), std::uint8_t(255 - c.b)};
    return img;
}

// The converter stores lines of odd length for odd widths.
TEST_F(PcxAgainstConverter, ConverterWrittenEightBitWithTrailingPalette) {
    std::uint32_t seed = 1;
    for (const int width : {1, 2, 5, 6, 64, 77, 130})
        for (const int height : {1, 17}) {
            SCOPED_TRACE(::testing::Message() << width << "x" << height);
            const IndexedImage img = patternImage(width, height, 256, seed++);
            const Bytes pcx = converterWritesPcx(writeGif(img));
            ASSERT_EQ(bitsOf(pcx), 8);
            ASSERT_EQ(planesOf(pcx), 1);
            ASSERT_EQ(pcx[pcx.size() - 769], 12);
            expectAllAgree(pcx, expectedColours(img));
        }
}

// The converter reads and writes a set bit as black, whatever the header
// palette says; we follow the header palette (it writes 0 black, 1 white),
// so every pixel must come out exactly inverted.
TEST_F(PcxAgainstConverter, ConverterWrittenMonochrome) {
    std::uint32_t seed = 50;
    for (const int width : {13, 16, 32})
        for (const int height : {1, 9}) {
            SCOPED_TRACE(::testing::Message() << width << "x" << height);
            IndexedImage img = patternImage(width, height, 2, seed++);
            img.palette = {{0, 0, 0}, {255, 255, 255}};
            const Bytes pcx = converterWritesPcx(writeGif(img, {.minCodeSize = 2, .tableBits = 1}));
            ASSERT_EQ(bitsOf(pcx), 1);
            ASSERT_EQ(planesOf(pcx), 1);
            ASSERT_EQ(Bytes(pcx.begin() + 16, pcx.begin() + 22), (Bytes{0, 0, 0, 255, 255, 255}));
            const auto reference = converterReads(pcx);
            ASSERT_TRUE(reference.has_value());
            ASSERT_TRUE(sameImage(expectedColours(img), *reference));
            const auto ours = decodeOurs(PictureKind::Pcx, pcx);
            ASSERT_TRUE(ours.has_value());
            EXPECT_TRUE(sameImage(inverted(*reference), ours->image));
        }
}

// The converter cannot write 16-colour planes, so we write them and it reads them.
TEST_F(PcxAgainstConverter, SixteenColourPlanesReadByConverter) {
    std::uint32_t seed = 80;
    for (const int width : {1, 7, 8, 9, 16, 17, 31, 100})
        for (const int height : {1, 5}) {
            SCOPED_TRACE(::testing::Message() << width << "x" << height);
            const IndexedImage img = patternImage(width, height, 16, seed++);
            expectAllAgree(writePcx(img, 1, 4), expectedColours(img));
        }
}

TEST_F(PcxAgainstConverter, OtherLayoutsReadByConverter) {
    struct Layout {
        int bits, planes;
    };
    std::uint32_t seed = 120;
    for (const Layout l : {Layout{1, 1}, Layout{1, 2}, Layout{1, 3}, Layout{4, 1}, Layout{8, 1}})
        for (const int width : {1, 5, 13, 64, 200}) {
            SCOPED_TRACE(::testing::Message() << l.bits << " bits x " << l.planes << " planes, width " << width);
            IndexedImage img = patternImage(width, 6, 1 << (l.bits * l.planes), seed++);
            // A single plane of 1 bit is black (set) and white to the converter whatever the header says.
            if (l.bits == 1 && l.planes == 1) img.palette = {{255, 255, 255}, {0, 0, 0}};
            expectAllAgree(writePcx(img, l.bits, l.planes), expectedColours(img));
        }
}

// Lines stored longer than the width needs (the header's bytes per line
// says how long): the extra bytes belong to no pixel and no other line.
TEST_F(PcxAgainstConverter, PaddedLinesReadByConverter) {
    struct Layout {
        int bits, planes;
    };
    std::uint32_t seed = 160;
    for (const Layout l : {Layout{1, 4}, Layout{4, 1}, Layout{8, 1}})
        for (const int padding : {1, 2, 6})
            for (const int width : {3, 16, 45}) {
                SCOPED_TRACE(::testing::Message() << l.bits << " bits x " << l.planes << " planes, width " << width
                                                  << ", padding " << padding);
                const IndexedImage img = patternImage(width, 7, 1 << (l.bits * l.planes), seed++);
                expectAllAgree(writePcx(img, l.bits, l.planes, padding), expectedColours(img));
            }
}

}  // namespace
}  // namespace kestrel::pictures::peer
