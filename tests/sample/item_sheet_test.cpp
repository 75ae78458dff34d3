#include "sample/item_sheet.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "pcx_test_decoder.hpp"
#include "sample/template_art.hpp"

namespace kestrel::sample {
namespace {

using pcx_test::decodePcx8;

constexpr int kCell = 32;
// Inside the one pixel frame, the top left corner holds the number.
constexpr int kLabelLeft = 1, kLabelTop = 1, kLabelWidth = 9, kLabelHeight = 7;

// The digits as they should look, written independently of the drawing code.
constexpr std::array<std::array<const char*, 5>, 10> kFont{{
    {"###", "#.#", "#.#", "#.#", "###"},
    {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"},
    {"###", "..#", "###", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"},
    {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"},
    {"###", "..#", "..#", "..#", "..#"},
    {"###", "#.#", "###", "#.#", "###"},
    {"###", "#.#", "###", "..#", "###"},
}};

using Block = std::vector<std::uint8_t>;

Block cellBlock(const IndexedImage& sheet, int index) {
    Block b;
    const int left = index % 8 * kCell, top = index / 8 * kCell;
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) b.push_back(sheet.at(left + x, top + y));
    return b;
}

std::uint8_t at(const Block& b, int x, int y) { return b[static_cast<std::size_t>(y) * kCell + x]; }

bool inLabel(int x, int y) {
    return x >= kLabelLeft && x < kLabelLeft + kLabelWidth && y >= kLabelTop && y < kLabelTop + kLabelHeight;
}
bool onFrame(int x, int y) { return x == 0 || y == 0 || x == kCell - 1 || y == kCell - 1; }

// The icon proper: neither frame nor number.
Block iconOnly(const Block& b) {
    Block out;
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
            if (!onFrame(x, y) && !inLabel(x, y)) out.push_back(at(b, x, y));
    return out;
}

// '#' where the number's glyphs are, one blank pixel of margin around them.
std::vector<std::string> labelArt(int number) {
    std::vector<std::string> art(kLabelHeight, std::string(kLabelWidth, '.'));
    const std::string digits = std::to_string(number);
    for (std::size_t d = 0; d < digits.size(); ++d)
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col) art[1 + row][1 + 4 * d + col] = kFont[digits[d] - '0'][row][col];
    return art;
}

std::vector<std::string> labelOf(const Block& b, std::uint8_t ink) {
    std::vector<std::string> art;
    for (int y = kLabelTop; y < kLabelTop + kLabelHeight; ++y) {
        std::string line;
        for (int x = kLabelLeft; x < kLabelLeft + kLabelWidth; ++x) line += at(b, x, y) == ink ? '#' : '.';
        art.push_back(line);
    }
    return art;
}

class ItemSheetArt : public ::testing::Test {
protected:
    void SetUp() override {
        std::map<std::uint8_t, std::size_t> counts;
        for (const std::uint8_t c : sheet_.pixels) ++counts[c];
        background_ = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                          return a.second < b.second;
                      })->first;
        for (int i = 0; i < kItemIconCount; ++i) cells_.push_back(cellBlock(sheet_, i));
        // Cell 1's label has a glyph pixel at the top middle of its only digit.
        ink_ = at(cells_[1], kLabelLeft + 2, kLabelTop + 1);
    }

    const IndexedImage sheet_ = drawItemSheet();
    std::vector<Block> cells_;
    std::uint8_t background_ = 0;
    std::uint8_t ink_ = 0;
};

TEST_F(ItemSheetArt, FileDecodesToTheSheet) {
    EXPECT_EQ(kItemIconCount, 32);
    const auto files = itemSheetFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].first, "SETS\\Fantasy\\ITEMS.PCX");
    const auto img = decodePcx8(files[0].second);
    ASSERT_TRUE(img);
    EXPECT_EQ(std::pair(img->width, img->height), std::pair(256, 128));
    EXPECT_EQ(img->palette, templatePalette());
    EXPECT_EQ(img->pixels, sheet_.pixels);
    EXPECT_EQ(std::count(sheet_.pixels.begin(), sheet_.pixels.end(), kTransparentIndex), 0);
}

TEST_F(ItemSheetArt, EveryIconDiffersFromEveryOtherEvenWithoutItsNumber) {
    for (int a = 0; a < kItemIconCount; ++a)
        for (int b = a + 1; b < kItemIconCount; ++b)
            ASSERT_NE(iconOnly(cells_[a]), iconOnly(cells_[b])) << a << " and " << b;
}

TEST_F(ItemSheetArt, IconsStayInsideTheirFrames) {
    const std::uint8_t frame = sheet_.at(0, 0);
    EXPECT_NE(frame, background_);
    for (int i = 0; i < kItemIconCount; ++i)
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x) {
                const std::uint8_t c = at(cells_[i], x, y);
                if (onFrame(x, y)) {
                    ASSERT_EQ(c, frame) << i << " at " << x << "," << y;
                } else if (inLabel(x, y)) {
                    // Nothing but the number may touch its corner.
                    ASSERT_TRUE(c == background_ || c == ink_) << i << " at " << x << "," << y;
                }
            }
}

TEST_F(ItemSheetArt, EveryCellIsLabelledWithItsIndex) {
    ASSERT_NE(ink_, background_);
    // clang-format off
    const std::vector<std::string> thirteen{
        ".........",
        "..#..###.",
        ".##....#.",
        "..#..###.",
        "..#....#.",
        ".###.###.",
        ".........",
    };
    // clang-format on
    EXPECT_EQ(labelOf(cells_[13], ink_), thirteen);
    // Checking every label also pins down the order of the cells.
    for (int i = 0; i < kItemIconCount; ++i) EXPECT_EQ(labelOf(cells_[i], ink_), labelArt(i)) << "cell " << i;
}

}  // namespace
}  // namespace kestrel::sample
