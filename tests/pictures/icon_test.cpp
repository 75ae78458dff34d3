#include <gtest/gtest.h>

#include "picture_files.hpp"

namespace kestrel::pictures {
namespace {

// 766 bytes: header, one directory entry, the bitmap header and the icon's
// own 16 colours (both ignored), 512 pixel bytes at 126, then the mask.
core::Bytes iconFile(int countByte, std::initializer_list<std::pair<std::size_t, int>> pixelBytes = {}) {
    testing::Bytes b;
    b.u16(0).u16(1).u16(1);                      // reserved, type, count
    b.u8({32, 32, countByte, 0}).u16(1).u16(4);  // width, height, colours, reserved, planes, bits
    b.u32(744).u32(22);                          // image size and offset
    core::Bytes file = b.fill(40 + 64, 0x55).fill(512).fill(128, 0xFF);
    for (const auto& [at, value] : pixelBytes) file[126 + at] = static_cast<std::uint8_t>(value);
    return file;
}
std::vector<Rgb> iconPalette(const Display& display, int countByte = 16) {
    return readPictureHeader(PictureKind::Icon, iconFile(countByte), display)->palette;
}

TEST(Icon, PixelsAreFourBitRowsBottomUpHeldAsBytes) {
    const auto d = testing::decode(PictureKind::Icon,
                                   iconFile(16, {{0, 0x12},             // file row 0: the picture's last row
                                                 {31 * 16 + 15, 0xF0},  // file row 31, last byte: row 0
                                                 {5 * 16 + 3, 0xAB}}));  // file row 5, pixels 6 and 7: row 26
    ASSERT_TRUE(d.header);
    EXPECT_EQ(d.header->bitsPerPixel, 8);
    EXPECT_EQ(d.header->bytesPerLine, 32);
    ASSERT_EQ(d.data.size(), 1024u);
    // x, y, index; all the other pixels are 0.
    for (const auto& [x, y, index] : {std::tuple{0, 31, 1}, {1, 31, 2}, {30, 0, 15}, {6, 26, 0xA}, {7, 26, 0xB}})
        EXPECT_EQ(d.data[32 * y + x], index) << x << "," << y;
    EXPECT_EQ(std::count(d.data.begin(), d.data.end(), 0), 1024 - 5);

    // The colour count is the directory's byte; the palette keeps 16 entries.
    const auto two = readPictureHeader(PictureKind::Icon, iconFile(2), Display::trueColour());
    EXPECT_EQ(two->colourCount, 2);
    EXPECT_EQ(two->palette.size(), 16u);
    core::Bytes notIcon = iconFile(16);
    notIcon[6] = 16;  // 16 pixels wide
    EXPECT_FALSE(readPictureHeader(PictureKind::Icon, notIcon, Display::trueColour()));
}

TEST(Icon, ColoursComeFromTheDisplaysStaticColours) {
    const std::vector<Rgb> standard{{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    EXPECT_EQ(iconPalette(Display::trueColour()), standard);
    EXPECT_EQ(iconPalette(Display::palette(2)), standard);
    // 16-colour displays give their own first 16 entries, whatever they are.
    Display sixteen = Display::palette(4);
    sixteen.systemPalette[3] = {1, 2, 3};
    EXPECT_EQ(iconPalette(sixteen)[3], (Rgb{1, 2, 3}));
    EXPECT_EQ(iconPalette(Display::palette(1, 4)), Display::palette(1, 4).systemPalette);
    // Others take the standard static colours, not their current entries.
    Display eight = Display::palette(8);
    eight.systemPalette[3] = eight.systemPalette[8] = {9, 9, 9};
    EXPECT_EQ(iconPalette(eight), standard);

    testing::ScratchDir dir;
    const auto onFour = dir.load("a.ico", iconFile(16, {{0, 0x9C}}), Display::palette(4));  // red, blue
    ASSERT_TRUE(onFour);
    EXPECT_EQ(onFour->shown().pixel(0, 31), (Rgb{255, 0, 0}));
    EXPECT_EQ(onFour->deviceData()[31 * 16], 0x9C);  // 16 bytes a row, the same 16 colours
}

}  // namespace
}  // namespace kestrel::pictures
