#include "sample/pcx_writer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "core/le.hpp"
#include "pcx_test_decoder.hpp"

namespace kestrel::sample {
namespace {

constexpr std::size_t kHeader = pcx_test::kHeaderSize;
constexpr std::size_t kTrailer = pcx_test::kTrailerSize;
using pcx_test::decodePcx8;

IndexedImage image(int width, int height, std::vector<std::uint8_t> pixels) {
    IndexedImage img{width, height, std::move(pixels), {}};
    for (std::size_t i = 0; i < img.palette.size(); ++i)
        img.palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                          static_cast<std::uint8_t>(i * 7)};
    return img;
}

// The run-length data between header and palette.
core::Bytes imageData(const IndexedImage& img) {
    const core::Bytes b = encodePcx8(img);
    if (b.size() < kHeader + kTrailer) return {};
    return {b.begin() + kHeader, b.end() - kTrailer};
}

TEST(PcxWriter, HeaderOfOddWidthPicture) {
    const core::Bytes b = encodePcx8(image(3, 2, {1, 2, 3, 4, 4, 4}));
    ASSERT_GE(b.size(), kHeader);
    core::Bytes expected(kHeader, 0);
    expected[0] = 10;   // manufacturer
    expected[1] = 5;    // version
    expected[2] = 1;    // run-length encoded
    expected[3] = 8;    // bits per pixel
    expected[8] = 2;    // xmax
    expected[10] = 1;   // ymax
    expected[12] = 72;  // horizontal dpi
    expected[14] = 72;  // vertical dpi
    expected[65] = 1;   // planes
    expected[66] = 4;   // bytes per line: width rounded up to even
    expected[68] = 1;   // colour palette
    EXPECT_EQ(core::Bytes(b.begin(), b.begin() + kHeader), expected);
}

TEST(PcxWriter, ImageDataOfOddWidthPictureCarriesPadByte) {
    const core::Bytes data = imageData(image(3, 2, {1, 2, 3, 4, 4, 4}));
    EXPECT_EQ(data, (core::Bytes{1, 2, 3, 0, 0xC3, 4, 0}));
    EXPECT_EQ(encodePcx8(image(3, 2, {1, 2, 3, 4, 4, 4})).size(), kHeader + 7 + kTrailer);
}

TEST(PcxWriter, RunLengths) {
    EXPECT_EQ(imageData(image(2, 1, {7, 7})), (core::Bytes{0xC2, 7}));
    EXPECT_EQ(imageData(image(64, 1, std::vector<std::uint8_t>(64, 7))), (core::Bytes{0xFF, 7, 7}));
    EXPECT_EQ(imageData(image(63, 1, std::vector<std::uint8_t>(63, 7))), (core::Bytes{0xFF, 7, 0}));
    EXPECT_EQ(imageData(image(130, 1, std::vector<std::uint8_t>(130, 0xEE))),
              (core::Bytes{0xFF, 0xEE, 0xFF, 0xEE, 0xC4, 0xEE}));
    EXPECT_EQ(imageData(image(4, 1, {5, 6, 6, 5})), (core::Bytes{5, 0xC2, 6, 5}));
}

TEST(PcxWriter, SingleHighBytesAreEscaped) {
    EXPECT_EQ(imageData(image(4, 1, {0xBF, 0xC0, 0xFF, 0x00})), (core::Bytes{0xBF, 0xC1, 0xC0, 0xC1, 0xFF, 0x00}));
    EXPECT_EQ(imageData(image(2, 1, {0xC0, 0xC0})), (core::Bytes{0xC2, 0xC0}));
}

TEST(PcxWriter, RunsStopAtRowEnds) {
    EXPECT_EQ(imageData(image(2, 2, {5, 5, 5, 5})), (core::Bytes{0xC2, 5, 0xC2, 5}));
    // A zero pad byte joins a trailing run of zeros, but still not the next row.
    EXPECT_EQ(imageData(image(3, 2, std::vector<std::uint8_t>(6, 0))), (core::Bytes{0xC4, 0, 0xC4, 0}));
    EXPECT_EQ(imageData(image(3, 2, std::vector<std::uint8_t>(6, 9))), (core::Bytes{0xC3, 9, 0, 0xC3, 9, 0}));
    EXPECT_EQ(imageData(image(1, 3, {0xC5, 0xC5, 0xC5})), (core::Bytes{0xC1, 0xC5, 0, 0xC1, 0xC5, 0, 0xC1, 0xC5, 0}));
}

TEST(PcxWriter, PaletteFollowsMarker) {
    const IndexedImage img = image(5, 3, std::vector<std::uint8_t>(15, 1));
    const core::Bytes b = encodePcx8(img);
    ASSERT_GT(b.size(), kHeader + kTrailer);
    EXPECT_EQ(b[b.size() - 769], 0x0C);
    for (std::size_t i = 0; i < img.palette.size(); ++i) {
        const std::size_t at = b.size() - 768 + 3 * i;
        ASSERT_EQ(b[at], img.palette[i].r) << i;
        ASSERT_EQ(b[at + 1], img.palette[i].g) << i;
        ASSERT_EQ(b[at + 2], img.palette[i].b) << i;
    }
}

TEST(PcxWriter, RoundTrips) {
    std::uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (const auto& [w, h] : {std::pair{1, 1}, {2, 3}, {37, 19}, {64, 2}, {200, 5}}) {
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(w) * h);
        // Mostly runs of random length, so both the run and literal paths are taken.
        for (std::size_t i = 0; i < pixels.size();) {
            const auto value = static_cast<std::uint8_t>(next() >> 24);
            const std::size_t len = std::min<std::size_t>(1 + (next() >> 24) % 90, pixels.size() - i);
            std::fill_n(pixels.begin() + i, len, value);
            i += len;
        }
        const IndexedImage img = image(w, h, pixels);
        const auto back = decodePcx8(encodePcx8(img));
        ASSERT_TRUE(back) << w << "x" << h;
        EXPECT_EQ(back->width, w);
        EXPECT_EQ(back->height, h);
        EXPECT_EQ(back->pixels, img.pixels);
        EXPECT_EQ(back->palette, img.palette);
    }
}

TEST(PcxWriter, WidestPictureFitsHeader) {
    constexpr int kWidest = 65534;
    const core::Bytes b = encodePcx8(image(kWidest, 1, std::vector<std::uint8_t>(kWidest, 3)));
    ASSERT_GT(b.size(), kHeader);
    EXPECT_EQ(core::getU16(b, 8), kWidest - 1);
    EXPECT_EQ(core::getU16(b, 66), kWidest);
    EXPECT_TRUE(encodePcx8(image(kWidest + 1, 1, std::vector<std::uint8_t>(kWidest + 1, 3))).empty());
}

TEST(PcxWriter, RefusesMalformedPictures) {
    EXPECT_TRUE(encodePcx8(image(0, 1, {})).empty());
    EXPECT_TRUE(encodePcx8(image(1, 0, {})).empty());
    EXPECT_TRUE(encodePcx8(image(-2, -3, std::vector<std::uint8_t>(6))).empty());
    EXPECT_TRUE(encodePcx8(image(2, 2, {1, 2, 3})).empty());
    EXPECT_TRUE(encodePcx8(image(2, 2, {1, 2, 3, 4, 5})).empty());
}

}  // namespace
}  // namespace kestrel::sample
