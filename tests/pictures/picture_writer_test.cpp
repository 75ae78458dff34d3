// Pictures written a band of rows at a time: the bytes do not depend on the
// bands, a BMP is the one toBmp makes, a PNG reads back through libpng, and
// shrinking takes the rounded mean.
#include "pictures/picture_writer.hpp"

#include <gtest/gtest.h>

#include <random>

#include "pictures/shrink.hpp"
#include "support/png_read.hpp"

namespace kestrel::pictures {
namespace {

Surface noise(int w, int h) {
    std::mt19937 random(7);
    std::vector<Rgb> pixels;
    for (int i = 0; i < w * h; ++i)
        pixels.push_back(
            {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(i)});
    return Surface::fromPixels(w, h, std::move(pixels));
}

// `picture` through the writer in bands of `rows` rows, in the order it asks.
core::Bytes written(PictureFormat format, const Surface& picture, int rows) {
    core::Bytes out;
    auto writer = makePictureWriter(format, picture.width(), picture.height(), [&out](std::span<const std::uint8_t> b) {
        out.insert(out.end(), b.begin(), b.end());
        return true;
    });
    EXPECT_TRUE(writer);
    if (!writer) return {};
    const int bands = (picture.height() + rows - 1) / rows;
    for (int i = 0; i < bands; ++i) {
        const int top = (writer->bottomUp() ? bands - 1 - i : i) * rows;
        Surface band(picture.width(), rows);
        band.copyRect(picture, {0, top, picture.width(), rows}, 0, 0);
        EXPECT_TRUE(writer->rows(band, 0, std::min(rows, picture.height() - top)));
    }
    EXPECT_TRUE(writer->finish());
    return out;
}

TEST(PictureWriter, BmpInBandsIsTheWholeSurfacesBmp) {
    const Surface picture = noise(13, 10);  // rows padded by 1 byte
    for (const int rows : {1, 3, 10}) EXPECT_EQ(written(PictureFormat::Bmp, picture, rows), picture.toBmp()) << rows;
    const Surface wide = noise(30000, 7);  // 90000 bytes a row: a band goes out in several pieces
    for (const int rows : {3, 7}) EXPECT_EQ(written(PictureFormat::Bmp, wide, rows), wide.toBmp()) << rows;
}

TEST(PictureWriter, PngReadsBackThroughLibpngWhateverTheBands) {
    const Surface picture = noise(37, 21);
    const core::Bytes whole = written(PictureFormat::Png, picture, 21);
    const auto read = testing::readPng(whole);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->width(), 37);
    ASSERT_EQ(read->height(), 21);
    EXPECT_EQ(read->pixels(), picture.pixels());
    EXPECT_EQ(written(PictureFormat::Png, picture, 4), whole);
}

TEST(PictureWriter, ARefusingSinkStopsTheWriterAndNoSizeIsRefused) {
    for (const PictureFormat format : {PictureFormat::Bmp, PictureFormat::Png}) {
        int calls = 0;
        auto writer = makePictureWriter(format, 8, 8, [&calls](std::span<const std::uint8_t>) {
            ++calls;
            return false;
        });
        ASSERT_TRUE(writer);
        const Surface band(8, 8);
        EXPECT_FALSE(writer->rows(band, 0, 8));
        EXPECT_FALSE(writer->rows(band, 0, 8));
        EXPECT_FALSE(writer->finish());
        EXPECT_EQ(calls, 1);
        EXPECT_FALSE(makePictureWriter(format, 0, 8, nullptr));
        EXPECT_FALSE(makePictureWriter(format, 8, -1, nullptr));
    }
    EXPECT_FALSE(makeBmpWriter(40000, 40000, nullptr));  // over 4 GB
}

TEST(Shrink, EachPixelIsTheRoundedMeanOfItsBlock) {
    // 4 x 2 pixels in two 2 x 2 blocks: means 7/4 and 2/4 round to 2 and 1, a half up.
    const Surface from = Surface::fromPixels(
        4, 2, {{0, 0, 0}, {1, 0, 200}, {0, 0, 0}, {1, 0, 0}, {2, 0, 100}, {4, 3, 100}, {0, 0, 0}, {1, 255, 1}});
    Surface to(2, 1, {9, 9, 9});
    shrinkRows(from, 2, 2, to);
    EXPECT_EQ(to.pixel(0, 0), (Rgb{2, 1, 100}));  // 7/4, 3/4, 400/4
    EXPECT_EQ(to.pixel(1, 0), (Rgb{1, 64, 0}));   // 2/4, 255/4, 1/4

    // Only the rows asked for: the rest of `to` stays.
    const Surface grey(16, 16, {100, 101, 102});
    Surface eighth(2, 2, {9, 9, 9});
    shrinkRows(grey, 8, 8, eighth);
    EXPECT_EQ(eighth.pixel(1, 0), (Rgb{100, 101, 102}));
    EXPECT_EQ(eighth.pixel(1, 1), (Rgb{9, 9, 9}));
}

}  // namespace
}  // namespace kestrel::pictures
