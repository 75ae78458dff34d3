// PCX decoding against the external converter: files it writes (1-bit and
// 8-bit with a trailing palette), and files we write in the layouts it
// cannot write (multi-plane 16 colours) but reads.
#include <gtest/gtest.h>

#include "peer_support.hpp"

namespace kestrel::pictures::peer {
namespace {

class PcxAgainstConverter : public WithConverter {
protected:
    // The converter's own reading of a PCX file.
    std::optional<RgbImage> converterReads(const Bytes& pcx) {
        dir_.write("in.pcx", pcx);
        return readPpm(converted("in.pcx", "-depth 8", "ppm:", "back.ppm"));
    }

    // The converter turns a GIF (its palette kept) into a PCX file.
    Bytes converterWritesPcx(const Bytes& gif) {
        dir_.write("source.gif", gif);
        return converted("source.gif", "", "", "out.pcx");
    }

    // Ours gives the converter's colours, or with `inverted` their opposites.
    void expectAllAgree(const Bytes& pcx, const RgbImage& expected, bool inverted = false) {
        auto reference = converterReads(pcx);
        ASSERT_TRUE(reference.has_value());
        ASSERT_TRUE(sameImage(expected, *reference));
        const auto ours = decodeOurs(PictureKind::Pcx, pcx);
        ASSERT_TRUE(ours.has_value());
        if (inverted)
            for (Colour& c : reference->pixels)
                c = {std::uint8_t(255 - c.r), std::uint8_t(255 - c.g), std::uint8_t(255 - c.b)};
        EXPECT_TRUE(sameImage(*reference, ours->image));
    }
};

int bitsOf(const Bytes& pcx) { return pcx.size() > 65 ? pcx[3] : -1; }
int planesOf(const Bytes& pcx) { return pcx.size() > 65 ? pcx[65] : -1; }

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
            expectAllAgree(pcx, expectedColours(img), true);
        }
}

// Layouts the converter reads but cannot write (16 colours in planes among
// them), and lines stored longer than the width needs (the header's bytes per
// line says how long): the extra bytes belong to no pixel and no other line.
TEST_F(PcxAgainstConverter, LayoutsAndPaddedLinesWeWriteReadByConverter) {
    struct Layouts {
        int bits, planes;
        std::vector<int> paddings, widths, heights;
    };
    const std::vector<int> planes{1, 7, 8, 9, 16, 17, 31, 100}, some{1, 5, 13, 64, 200}, padded{3, 16, 45};
    const Layouts table[] = {
        {1, 4, {0}, planes, {1, 5}},    {1, 1, {0}, some, {6}},         {1, 2, {0}, some, {6}},
        {1, 3, {0}, some, {6}},         {4, 1, {0}, some, {6}},         {8, 1, {0}, some, {6}},
        {1, 4, {1, 2, 6}, padded, {7}}, {4, 1, {1, 2, 6}, padded, {7}}, {8, 1, {1, 2, 6}, padded, {7}}};
    std::uint32_t seed = 80;
    for (const Layouts& l : table)
        for (const int padding : l.paddings)
            for (const int width : l.widths)
                for (const int height : l.heights) {
                    SCOPED_TRACE(::testing::Message() << l.bits << " bits x " << l.planes << " planes, " << width << "x"
                                                      << height << ", padding " << padding);
                    IndexedImage img = patternImage(width, height, 1 << (l.bits * l.planes), seed++);
                    // A single plane of 1 bit is black (set) and white to the converter whatever the header says.
                    if (l.bits == 1 && l.planes == 1) img.palette = {{255, 255, 255}, {0, 0, 0}};
                    expectAllAgree(writePcx(img, l.bits, l.planes, padding), expectedColours(img));
                }
}

}  // namespace
}  // namespace kestrel::pictures::peer
