#include <gtest/gtest.h>

#include "picture_files.hpp"
#include "pictures/nearest_colour.hpp"

namespace kestrel::pictures {
namespace {

using testing::ScratchDir;

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{255, 0, 0}, kBlue{0, 0, 255};

TEST(Display, StandardPalettes) {
    const auto& eight = Display::palette(8).systemPalette;
    ASSERT_EQ(eight.size(), 256u);
    const std::pair<int, Rgb> entries[] = {{1, {128, 0, 0}},       {8, {192, 220, 192}}, {9, {166, 202, 240}},
                                           {10, kBlack},           {245, kBlack},        {246, {255, 251, 240}},
                                           {247, {160, 160, 164}}, {252, kBlue},         {255, kWhite}};
    for (const auto& [i, c] : entries) EXPECT_EQ(eight[i], c) << i;

    const auto& four = Display::palette(4).systemPalette;
    ASSERT_EQ(four.size(), 16u);
    EXPECT_EQ(four[7], (Rgb{192, 192, 192}));
    EXPECT_EQ(four[8], (Rgb{128, 128, 128}));
    EXPECT_EQ(four[9], kRed);
    EXPECT_EQ(Display::palette(2).systemPalette, (std::vector<Rgb>{kBlack, kWhite, {128, 128, 128}, {192, 192, 192}}));
    EXPECT_EQ(Display::palette(1).systemPalette, (std::vector<Rgb>{kBlack, kWhite}));
    EXPECT_EQ(Display::palette(1, 3).systemPalette.size(), 8u);
    EXPECT_FALSE(Display::palette(24).isPalette());
}

TEST(NearestColour, ExactFirstThenClosestThenEarliest) {
    const std::vector<Rgb> p{{1, 0, 0}, {10, 10, 10}, {0, 0, 0}, {0, 0, 0}};
    EXPECT_EQ(nearestColourIndex(p, {0, 0, 0}), 2);  // the first exact entry, past a close one
    EXPECT_EQ(nearestColourIndex(p, {9, 9, 12}), 1);
    const std::vector<Rgb> tie{{10, 0, 0}, {0, 10, 0}, {0, 0, 10}};
    EXPECT_EQ(nearestColourIndex(tie, {0, 0, 0}), 0);
    EXPECT_EQ(nearestColourIndex(tie, {0, 5, 5}), 1);
    EXPECT_EQ(nearestColourIndex({}, {1, 2, 3}), 0);
    // Squared distances: 1200 beats 1600 (summed differences would say 60 against 40).
    EXPECT_EQ(nearestColourIndex(std::vector<Rgb>{{20, 20, 20}, {0, 0, 40}}, {0, 0, 0}), 0);
}

TEST(PaletteDisplay, EightBitKeepsStaticEntriesAndTakesThePicturesOthers) {
    // Colour i is (i, i, 0), except 5 white and 255 near black.
    std::vector<Rgb> colours(256);
    for (int i = 0; i < 256; ++i) colours[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i), 0};
    colours[5] = kWhite;
    colours[255] = {1, 2, 3};
    ScratchDir dir;
    const auto picture = dir.load("ramp.pcx", testing::pcx8(8, {{5, 10, 100, 128, 245, 246, 255, 0}}, colours),
                                  Display::palette(8));
    ASSERT_TRUE(picture);
    const auto& system = picture->display().systemPalette;
    ASSERT_EQ(picture->logicalPalette().size(), 256u);
    for (int i = 0; i < 256; ++i) {
        const Rgb expected = i < 10 || i >= 246 ? Display::palette(8).systemPalette[i] : colours[i];
        EXPECT_EQ(system[i], expected) << i;
        EXPECT_EQ(picture->logicalPalette()[i], expected) << i;
    }
    // 5 white: the static white; 128 equals static entry 3, which comes
    // first; 246 takes the nearest, 245; 255 black.
    EXPECT_EQ(picture->deviceData(), (core::Bytes{255, 10, 100, 3, 245, 245, 0, 0}));
    const Rgb shown[8] = {kWhite, colours[10], colours[100], {128, 128, 0}, colours[245], colours[245], kBlack, kBlack};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(picture->shown().pixel(x, 0), shown[x]) << x;

    // A 16-colour picture sets entries 10 to 15 only.
    const auto small = dir.load("small.pcx", testing::pcxHeader(4, 1, 0, 0, 1, 0).u8({0xAF, 0}), Display::palette(8));
    ASSERT_TRUE(small);
    EXPECT_EQ(small->display().systemPalette[15], testing::headerColour(15));
    EXPECT_EQ(small->display().systemPalette[16], kBlack);
    EXPECT_EQ(small->shown().pixel(0, 0), testing::headerColour(10));
}

TEST(PaletteDisplay, FourColourPicturesMeetOnlyTheStaticColours) {
    core::Bytes file = testing::pcxHeader(2, 1, 0, 0, 3, 0).u8({0x1B, 0});  // 2 bits: 3 2 1 0
    const std::uint8_t colours[12] = {250, 0, 0, /**/ 255, 255, 255, /**/ 0, 0, 250, /**/ 0, 120, 0};
    std::copy(std::begin(colours), std::end(colours), file.begin() + 16);
    ScratchDir dir;
    const auto picture = dir.load("four.pcx", file, Display::palette(8));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->display().systemPalette, Display::palette(8).systemPalette);
    EXPECT_EQ(picture->deviceData(), (core::Bytes{2, 252, 255, 249}));
    EXPECT_EQ(picture->shown().pixel(0, 0), (Rgb{0, 128, 0}));
}

// Colours 1 red, 2 blue, 3 white, 4 and 5 greys, 6 black, 7 dark cyan.
const std::vector<Rgb> kMixed{kBlack, kRed, kBlue, kWhite, {120, 120, 120}, {200, 200, 200}, kBlack, {0, 128, 128}};

TEST(PaletteDisplay, PacksIntoFourTwoAndOneBitDisplays) {
    ScratchDir dir;
    auto load = [&](const Display& d, int width, const std::vector<std::vector<int>>& rows) {
        return dir.load("mixed.pcx", testing::pcx8(width, rows, kMixed), d);
    };
    const auto four = load(Display::palette(4), 3, {{1, 2, 3}});
    ASSERT_TRUE(four);
    EXPECT_EQ(four->deviceData(), (core::Bytes{0x9C, 0xF0}));  // red 9, blue 12, white 15

    // Black, white, grey 128, grey 192; the leftmost pixel in the low bits.
    const auto two = load(Display::palette(2), 5, {{3, 4, 5, 6, 3}});
    ASSERT_TRUE(two);
    EXPECT_EQ(two->deviceData(), (core::Bytes{0x39, 0x01}));
    EXPECT_EQ(two->shown().pixels(), (std::vector<Rgb>{kWhite, {128, 128, 128}, {192, 192, 192}, kBlack, kWhite}));

    const auto one = load(Display::palette(1), 10, {{3, 6, 3, 3, 6, 6, 6, 6, 3, 6}, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3}});
    ASSERT_TRUE(one);
    EXPECT_EQ(one->deviceData(), (core::Bytes{0xB0, 0x80, /**/ 0xFF, 0xC0}));
    EXPECT_EQ(one->shown().pixel(1, 0), kBlack);

    // 4 planes of 2 bytes: dark cyan is entry 9, red 10, white 1.
    const auto planes = load(Display::palette(1, 4), 3, {{7, 1, 3}});
    ASSERT_TRUE(planes);
    EXPECT_EQ(planes->deviceData(), (core::Bytes{0xA0, 0, /**/ 0x40, 0, /**/ 0, 0, /**/ 0xC0, 0}));
    EXPECT_EQ(planes->shown().pixel(0, 0), (Rgb{0, 128, 128}));
    EXPECT_EQ(planes->display().systemPalette, Display::palette(1, 4).systemPalette);
}

TEST(Draw, CopiesTheClippedRectangle) {
    ScratchDir dir;
    const auto picture = dir.load("rb.pcx", testing::pcx8(3, {{1, 2, 1}, {2, 2, 1}}, kMixed));
    ASSERT_TRUE(picture);
    const Rgb F = kDialogFace, R = kRed, B = kBlue;
    Surface target(5, 4, F);
    picture->Draw(0, 0, 3, 2, target, 1, 1);
    EXPECT_EQ(target.pixels(),
              (std::vector{F, F, F, F, F, /**/ F, R, B, R, F, /**/ F, B, B, R, F, /**/ F, F, F, F, F}));
    Surface part(3, 3, F);
    picture->Draw(1, 0, 50, 50, part, 0, 0);  // only columns 1 and 2 exist
    EXPECT_EQ(part.pixels(), (std::vector{B, R, F, /**/ B, R, F, /**/ F, F, F}));
    Surface corner(2, 2, F);
    picture->Draw(0, 0, 3, 2, corner, -1, -1);  // picture (1, 1) at (0, 0)
    EXPECT_EQ(corner.pixels(), (std::vector{B, R, /**/ F, F}));
}

TEST(Draw, TransparentColourLeavesTheTargetAndTheDeviceImage) {
    ScratchDir dir;
    const auto picture = dir.load("rb.pcx", testing::pcx8(3, {{1, 2, 1}, {2, 2, 1}}, kMixed), Display::palette(8));
    ASSERT_TRUE(picture);
    const core::Bytes device{249, 252, 249, 0, 252, 252, 249, 0};
    EXPECT_EQ(picture->deviceData(), device);
    const Rgb green{0, 255, 0};
    Surface target(3, 2, green);
    for (int round = 0; round < 2; ++round) {
        picture->DrawTransparent(0, 0, 3, 2, target, 0, 0, kRed);
        EXPECT_EQ(target.pixels(), (std::vector{green, kBlue, green, /**/ kBlue, kBlue, green})) << round;
    }
    EXPECT_EQ(picture->deviceData(), device);
    Surface plain(3, 2, green);
    picture->Draw(0, 0, 3, 2, plain, 0, 0);
    EXPECT_EQ(plain.pixel(0, 0), kRed);
}

}  // namespace
}  // namespace kestrel::pictures
