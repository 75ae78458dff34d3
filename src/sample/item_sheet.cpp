#include "sample/item_sheet.hpp"

#include <array>
#include <limits>
#include <string_view>

#include "sample/pcx_writer.hpp"
#include "sample/template_art.hpp"

namespace kestrel::sample {

namespace {

// Colours are asked for by value so the art survives palette reshuffles.
std::uint8_t nearest(Rgb want) {
    const Palette& p = templatePalette();
    std::uint8_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < kTransparentIndex; ++i) {
        const int dr = p[i].r - want.r, dg = p[i].g - want.g, db = p[i].b - want.b;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) bestDistance = d, best = static_cast<std::uint8_t>(i);
    }
    return best;
}

struct Scheme {
    std::uint8_t dark, mid, light, gem;
};

struct Fixed {
    std::uint8_t background, frame, label, wood, woodDark, ink;
};

Scheme scheme(int row) {
    struct Shades {
        Rgb dark, mid, light, gem;
    };
    static constexpr std::array<Shades, kItemSheetRows> kSchemes{{
        {{160, 120, 20}, {230, 190, 40}, {255, 235, 140}, {190, 25, 55}},    // gold, ruby set
        {{102, 102, 102}, {170, 180, 190}, {235, 240, 245}, {40, 80, 160}},  // silver, sapphire set
        {{110, 25, 20}, {190, 25, 55}, {240, 110, 130}, {235, 240, 245}},    // ruby, diamond set
        {{0, 102, 51}, {51, 204, 102}, {153, 255, 153}, {230, 190, 40}},     // emerald, gold set
    }};
    const Shades& s = kSchemes[row];
    return {nearest(s.dark), nearest(s.mid), nearest(s.light), nearest(s.gem)};
}

Fixed fixedColours() {
    return {nearest({38, 30, 70}),  nearest({70, 55, 120}), nearest({192, 192, 192}),
            nearest({140, 95, 50}), nearest({80, 55, 30}),  nearest({0, 0, 0})};
}

// 3 by 5 digits, one row of three bits per entry, most significant bit left.
constexpr std::array<std::array<std::uint8_t, 5>, 10> kDigits{{
    {0b111, 0b101, 0b101, 0b101, 0b111},
    {0b010, 0b110, 0b010, 0b010, 0b111},
    {0b111, 0b001, 0b111, 0b100, 0b111},
    {0b111, 0b001, 0b111, 0b001, 0b111},
    {0b101, 0b101, 0b111, 0b001, 0b001},
    {0b111, 0b100, 0b111, 0b001, 0b111},
    {0b111, 0b100, 0b111, 0b101, 0b111},
    {0b111, 0b001, 0b001, 0b001, 0b001},
    {0b111, 0b101, 0b111, 0b101, 0b111},
    {0b111, 0b101, 0b111, 0b001, 0b111},
}};
constexpr int kDigitWidth = 3;
constexpr int kDigitAdvance = kDigitWidth + 1;

void drawDigit(IndexedImage& img, int x, int y, int digit, std::uint8_t c) {
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < kDigitWidth; ++col)
            if (kDigits[digit][row] >> (kDigitWidth - 1 - col) & 1) img.set(x + col, y + row, c);
}

void drawNumber(IndexedImage& img, int x, int y, int value, std::uint8_t c) {
    if (value >= 10) {
        drawDigit(img, x, y, value / 10 % 10, c);
        x += kDigitAdvance;
    }
    drawDigit(img, x, y, value % 10, c);
}

// The number sits at (2, 2); icons keep out of x < 10, y < 8 so it stays legible.
constexpr Point kLabelAt{2, 2};

template <std::size_t N>
void polygon(IndexedImage& img, const std::array<Point, N>& points, std::uint8_t c) {
    fillPolygon(img, points, c);
}

void sword(IndexedImage& img, const Scheme& s, const Fixed& f) {
    drawLine(img, {12, 20}, {25, 7}, s.dark, 1);
    drawLine(img, {12, 20}, {26, 6}, s.mid, 0);
    drawLine(img, {12, 19}, {25, 6}, s.light, 0);
    img.set(27, 5, s.light);
    drawLine(img, {8, 17}, {15, 24}, s.dark, 1);
    drawLine(img, {8, 17}, {15, 24}, s.mid, 0);
    drawLine(img, {10, 22}, {7, 25}, f.woodDark, 1);
    drawLine(img, {10, 22}, {7, 25}, f.wood, 0);
    fillEllipse(img, 5, 27, 2, 2, s.dark);
    fillEllipse(img, 5, 27, 1, 1, s.gem);
}

void ring(IndexedImage& img, const Scheme& s, const Fixed& f) {
    fillEllipse(img, 17, 20, 9, 8, s.dark);
    fillEllipse(img, 17, 20, 8, 7, s.mid);
    fillEllipse(img, 17, 21, 5, 4, s.dark);
    fillEllipse(img, 17, 21, 4, 3, f.background);
    drawLine(img, {10, 18}, {12, 15}, s.light);
    polygon(img, std::array<Point, 4>{{{17, 6}, {22, 11}, {17, 15}, {12, 11}}}, s.dark);
    polygon(img, std::array<Point, 4>{{{17, 7}, {21, 11}, {17, 14}, {13, 11}}}, s.gem);
    img.set(16, 9, s.light);
    img.set(16, 10, s.light);
}

void potion(IndexedImage& img, const Scheme& s, const Fixed& f) {
    fillRect(img, 14, 9, 7, 8, s.light);
    fillRect(img, 15, 9, 5, 8, f.background);
    fillEllipse(img, 17, 21, 9, 7, s.light);
    fillEllipse(img, 17, 21, 8, 6, s.dark);
    fillEllipse(img, 17, 22, 7, 5, s.mid);
    fillRect(img, 15, 14, 5, 4, s.mid);
    fillEllipse(img, 13, 20, 1, 2, s.light);
    img.set(20, 19, s.light);
    img.set(18, 16, s.light);
    fillRect(img, 14, 6, 7, 3, f.wood);
    fillRect(img, 14, 8, 7, 1, f.woodDark);
}

void amulet(IndexedImage& img, const Scheme& s, const Fixed& f) {
    fillEllipse(img, 17, 13, 8, 6, s.light);
    fillEllipse(img, 17, 13, 7, 5, f.background);
    for (int x = 11; x <= 23; x += 3) img.set(x, 8, s.dark);
    fillEllipse(img, 17, 22, 7, 7, s.dark);
    fillEllipse(img, 17, 22, 6, 6, s.mid);
    fillEllipse(img, 17, 22, 3, 3, s.dark);
    fillEllipse(img, 17, 22, 2, 2, s.gem);
    img.set(16, 21, s.light);
    drawLine(img, {12, 19}, {13, 17}, s.light);
    fillRect(img, 16, 14, 3, 2, s.dark);
}

void staff(IndexedImage& img, const Scheme& s, const Fixed& f) {
    drawLine(img, {8, 29}, {21, 11}, f.woodDark, 1);
    drawLine(img, {8, 29}, {21, 11}, f.wood, 0);
    drawLine(img, {18, 11}, {20, 5}, s.dark, 1);
    drawLine(img, {24, 14}, {28, 9}, s.dark, 1);
    fillEllipse(img, 23, 9, 4, 4, s.dark);
    fillEllipse(img, 23, 9, 3, 3, s.mid);
    fillEllipse(img, 22, 8, 1, 1, s.light);
    img.set(25, 11, s.gem);
    img.set(24, 11, s.gem);
    img.set(25, 10, s.gem);
}

void shield(IndexedImage& img, const Scheme& s, const Fixed&) {
    polygon(img, std::array<Point, 7>{{{10, 8}, {27, 8}, {27, 18}, {23, 25}, {18, 29}, {14, 25}, {10, 18}}}, s.dark);
    polygon(img, std::array<Point, 7>{{{12, 10}, {25, 10}, {25, 18}, {22, 23}, {18, 27}, {15, 23}, {12, 18}}}, s.mid);
    fillRect(img, 17, 10, 3, 16, s.light);
    fillRect(img, 12, 14, 13, 3, s.light);
    fillEllipse(img, 18, 15, 2, 2, s.dark);
    fillEllipse(img, 18, 15, 1, 1, s.gem);
}

void crown(IndexedImage& img, const Scheme& s, const Fixed&) {
    polygon(img, std::array<Point, 7>{{{7, 22}, {7, 10}, {12, 16}, {17, 8}, {22, 16}, {28, 10}, {28, 22}}}, s.mid);
    polygon(img, std::array<Point, 4>{{{17, 10}, {20, 15}, {17, 19}, {14, 15}}}, s.light);
    fillRect(img, 7, 20, 21, 6, s.dark);
    fillRect(img, 8, 21, 19, 4, s.mid);
    fillRect(img, 8, 21, 19, 1, s.light);
    for (const int x : {11, 17, 23}) fillEllipse(img, x, 23, 1, 1, s.gem);
    for (const Point tip : {Point{7, 9}, Point{17, 7}, Point{28, 9}}) {
        fillEllipse(img, tip.x, tip.y, 1, 1, s.light);
    }
}

void scroll(IndexedImage& img, const Scheme& s, const Fixed& f) {
    fillRect(img, 11, 10, 14, 16, s.light);
    fillRect(img, 23, 10, 2, 16, s.mid);
    for (const auto& [y, w] : {std::pair{13, 9}, {16, 7}, {19, 9}, {22, 5}}) fillRect(img, 13, y, w, 1, f.ink);
    for (const int y : {8, 25}) {
        fillRect(img, 9, y, 18, 3, s.dark);
        fillRect(img, 10, y, 16, 1, s.mid);
        fillRect(img, 8, y, 1, 3, f.wood);
        fillRect(img, 27, y, 1, 3, f.wood);
    }
    fillEllipse(img, 21, 21, 2, 2, s.gem);
    drawLine(img, {20, 23}, {19, 25}, s.gem);
    drawLine(img, {22, 23}, {23, 25}, s.gem);
}

using IconDrawer = void (*)(IndexedImage&, const Scheme&, const Fixed&);
constexpr std::array<IconDrawer, kItemSheetColumns> kShapes{sword, ring, potion, amulet, staff, shield, crown, scroll};

IndexedImage drawCell(int index, const Fixed& f) {
    IndexedImage cell = IndexedImage::blank(kItemIconSize, kItemIconSize, f.background, templatePalette());
    kShapes[index % kItemSheetColumns](cell, scheme(index / kItemSheetColumns), f);
    frameRect(cell, 0, 0, kItemIconSize, kItemIconSize, f.frame);
    drawNumber(cell, kLabelAt.x, kLabelAt.y, index, f.label);
    return cell;
}

constexpr std::string_view kSetsFolder = "SETS";
constexpr std::string_view kSetFolder = "SETS\\Fantasy";
constexpr std::string_view kSheetPath = "SETS\\Fantasy\\ITEMS.PCX";

}  // namespace

IndexedImage drawItemSheet() {
    const Fixed f = fixedColours();
    IndexedImage sheet = IndexedImage::blank(kItemSheetColumns * kItemIconSize, kItemSheetRows * kItemIconSize,
                                             f.background, templatePalette());
    for (int i = 0; i < kItemIconCount; ++i) {
        const IndexedImage cell = drawCell(i, f);
        const int left = i % kItemSheetColumns * kItemIconSize, top = i / kItemSheetColumns * kItemIconSize;
        for (int y = 0; y < kItemIconSize; ++y)
            for (int x = 0; x < kItemIconSize; ++x) sheet.set(left + x, top + y, cell.at(x, y));
    }
    return sheet;
}

std::vector<std::pair<std::string, core::Bytes>> itemSheetFiles() {
    std::vector<std::pair<std::string, core::Bytes>> files;
    files.emplace_back(std::string(kSheetPath), encodePcx8(drawItemSheet()));
    return files;
}

bool writeItemSheet(const core::DataRoot& root) {
    if (!root.makeDirectory(kSetsFolder) || !root.makeDirectory(kSetFolder)) return false;
    for (const auto& [path, bytes] : itemSheetFiles())
        if (bytes.empty() || !root.writeAtomic(path, bytes)) return false;
    return true;
}

}  // namespace kestrel::sample
