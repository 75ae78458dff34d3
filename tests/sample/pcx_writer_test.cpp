#include "sample/pcx_writer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>

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

// The whole file of a picture of odd width: manufacturer, version, run-length
// encoding, 8 bits a pixel, xmax, ymax, 72 dpi across and down, one plane,
// bytes a line rounded up to even, a colour palette; the data with a pad byte
// ending each line; the palette behind its marker.
TEST(PcxWriter, FileOfAnOddWidthPicture) {
    const IndexedImage img = image(3, 2, {1, 2, 3, 4, 4, 4});
    core::Bytes expected(kHeader, 0);
    for (const auto& [at, value] :
         {std::pair{0, 10}, {1, 5}, {2, 1}, {3, 8}, {8, 2}, {10, 1}, {12, 72}, {14, 72}, {65, 1}, {66, 4}, {68, 1}})
        expected[at] = static_cast<std::uint8_t>(value);
    expected.insert(expected.end(), {1, 2, 3, 0, 0xC3, 4, 0, 0x0C});
    for (const Rgb& c : img.palette) expected.insert(expected.end(), {c.r, c.g, c.b});
    EXPECT_EQ(encodePcx8(img), expected);
}

std::vector<std::uint8_t> same(std::size_t n, std::uint8_t v) { return std::vector<std::uint8_t>(n, v); }

// Runs of up to 63, single bytes from 0xC0 up escaped, and no run across the
// end of a line, though a zero pad byte joins a trailing run of zeros.
TEST(PcxWriter, RunLengthData) {
    // clang-format off
    const std::tuple<int, int, std::vector<std::uint8_t>, core::Bytes> cases[]{
        {2, 1, {7, 7}, {0xC2, 7}},
        {64, 1, same(64, 7), {0xFF, 7, 7}},
        {63, 1, same(63, 7), {0xFF, 7, 0}},
        {130, 1, same(130, 0xEE), {0xFF, 0xEE, 0xFF, 0xEE, 0xC4, 0xEE}},
        {4, 1, {5, 6, 6, 5}, {5, 0xC2, 6, 5}},
        {4, 1, {0xBF, 0xC0, 0xFF, 0x00}, {0xBF, 0xC1, 0xC0, 0xC1, 0xFF, 0x00}},
        {2, 1, {0xC0, 0xC0}, {0xC2, 0xC0}},
        {2, 2, {5, 5, 5, 5}, {0xC2, 5, 0xC2, 5}},
        {3, 2, same(6, 0), {0xC4, 0, 0xC4, 0}},
        {3, 2, same(6, 9), {0xC3, 9, 0, 0xC3, 9, 0}},
        {1, 3, {0xC5, 0xC5, 0xC5}, {0xC1, 0xC5, 0, 0xC1, 0xC5, 0, 0xC1, 0xC5, 0}},
    };
    // clang-format on
    for (const auto& [width, height, pixels, data] : cases)
        EXPECT_EQ(imageData(image(width, height, pixels)), data) << width << "x" << height << " of " << int{pixels[0]};
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

TEST(PcxWriter, WidestPictureFitsTheHeaderAndMalformedOnesAreRefused) {
    constexpr int kWidest = 65534;
    const core::Bytes b = encodePcx8(image(kWidest, 1, same(kWidest, 3)));
    ASSERT_GT(b.size(), kHeader);
    EXPECT_EQ(core::getU16(b, 8), kWidest - 1);
    EXPECT_EQ(core::getU16(b, 66), kWidest);
    // Width, height and how many pixels there are.
    for (const auto& [width, height, count] :
         {std::tuple{kWidest + 1, 1, kWidest + 1}, {0, 1, 0}, {1, 0, 0}, {-2, -3, 6}, {2, 2, 3}, {2, 2, 5}})
        EXPECT_TRUE(encodePcx8(image(width, height, same(count, 3))).empty()) << width << "x" << height << " " << count;
}

}  // namespace
}  // namespace kestrel::sample
