#include "sample/map_art.hpp"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

namespace kestrel::sample {

namespace {

enum Colour : std::uint8_t {
    kBlack, kWhite, kDarkGrey, kGrey, kLightGrey,
    kGrass, kGrassDark, kGrassLight,
    kSea, kSeaDark, kSeaLight,
    kEarth, kEarthDark, kEarthLight,
    kStone, kStoneDark, kStoneLight,
    kRoof, kRoofDark, kWood,
    kSnow, kSand, kMarsh, kMarshWater,
    kGold, kLeaf, kLeafLight, kIce, kSandDark, kRock, kRockLight,
    kColourCount,
};

constexpr std::array<Rgb, kColourCount> kColours{{
    {0, 0, 0}, {255, 255, 255}, {64, 64, 64}, {128, 128, 128}, {192, 192, 192},
    {70, 140, 50}, {40, 95, 35}, {120, 180, 80},
    {40, 80, 160}, {25, 50, 110}, {90, 140, 210},
    {120, 85, 50}, {80, 55, 30}, {170, 130, 80},
    {150, 140, 120}, {100, 92, 80}, {200, 190, 165},
    {170, 40, 30}, {110, 25, 20}, {140, 95, 50},
    {235, 240, 245}, {215, 195, 140}, {85, 110, 70}, {60, 90, 100},
    {230, 190, 40}, {30, 75, 30}, {60, 120, 45}, {180, 200, 220}, {180, 155, 100}, {120, 115, 110}, {165, 160, 150},
}};

const Palette& mapPalette() {
    static const Palette palette = [] {
        Palette p{};
        std::copy(kColours.begin(), kColours.end(), p.begin());
        p[kMapTransparent] = {255, 0, 255};
        return p;
    }();
    return palette;
}

// A repeatable scatter: the same art on every run.
unsigned scatter(unsigned a, unsigned b, unsigned c) {
    unsigned h = a * 73856093u ^ b * 19349663u ^ c * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    return h ^ (h >> 15);
}

void line(IndexedImage& img, int x0, int y0, int x1, int y1, std::uint8_t c, int radius = 0) {
    drawLine(img, {x0, y0}, {x1, y1}, c, radius);
}

void polygon(IndexedImage& img, std::initializer_list<Point> points, std::uint8_t c) {
    const std::vector<Point> p(points);
    fillPolygon(img, p, c);
}

// Speckles of two colours over a cell.
void speckle(IndexedImage& img, int left, int top, unsigned seed, int count, std::uint8_t a, std::uint8_t b) {
    for (int i = 0; i < count; ++i) {
        const unsigned h = scatter(seed, static_cast<unsigned>(i), 7);
        img.set(left + static_cast<int>(h % kMapCell), top + static_cast<int>((h >> 8) % kMapCell), i % 2 ? a : b);
    }
}

void groundCell(IndexedImage& img, GroundLook look, int left, int top, int variant) {
    const auto v = static_cast<unsigned>(variant);
    const int cx = left + kMapCell / 2, cy = top + kMapCell / 2;
    const auto near = [&](unsigned k, int spread) {
        return Point{cx + static_cast<int>(scatter(v, k, 1) % (2 * spread + 1)) - spread,
                     cy + static_cast<int>(scatter(v, k, 2) % (2 * spread + 1)) - spread};
    };
    switch (look) {
        case GroundLook::Grass:
            fillRect(img, left, top, kMapCell, kMapCell, kGrass);
            speckle(img, left, top, v, 40 + variant * 2, kGrassLight, kGrassDark);
            if (variant % 5 == 0) speckle(img, left, top, v + 100, 12, kGold, kWhite);
            if (variant % 7 == 3) {
                const Point p = near(3, 12);
                fillEllipse(img, p.x, p.y, 5, 4, kGrassDark);
                fillEllipse(img, p.x - 1, p.y - 1, 2, 2, kGrassLight);
            }
            break;
        case GroundLook::Sea:
            fillRect(img, left, top, kMapCell, kMapCell, variant >= 16 ? kSeaDark : kSea);
            for (unsigned k = 0; k < 6 + v % 5; ++k) {
                const Point p = near(k + 10, 20);
                line(img, p.x - 3, p.y, p.x, p.y - 1, kSeaLight);
                line(img, p.x, p.y - 1, p.x + 3, p.y, kSeaLight);
            }
            break;
        case GroundLook::Hills:
            fillRect(img, left, top, kMapCell, kMapCell, kGrass);
            speckle(img, left, top, v, 24, kGrassLight, kGrassDark);
            for (unsigned k = 0; k < 1 + v % 3; ++k) {
                const Point p = near(k + 20, 9);
                fillEllipse(img, p.x, p.y + 2, 13, 8, kEarthDark);
                fillEllipse(img, p.x, p.y, 12, 7, kEarth);
                fillEllipse(img, p.x - 3, p.y - 2, 6, 3, kEarthLight);
            }
            break;
        case GroundLook::Marsh:
            fillRect(img, left, top, kMapCell, kMapCell, kMarsh);
            for (unsigned k = 0; k < 2 + v % 3; ++k) {
                const Point p = near(k + 30, 14);
                fillEllipse(img, p.x, p.y, 7, 4, kMarshWater);
            }
            for (unsigned k = 0; k < 8; ++k) {
                const Point p = near(k + 40, 20);
                line(img, p.x, p.y, p.x, p.y - 4, kGrassDark);
            }
            break;
        case GroundLook::Sand:
            fillRect(img, left, top, kMapCell, kMapCell, kSand);
            for (unsigned k = 0; k < 3; ++k) {
                const Point p = near(k + 50, 16);
                line(img, p.x - 8, p.y + 2, p.x, p.y - 2, kSandDark);
                line(img, p.x, p.y - 2, p.x + 8, p.y + 2, kSandDark);
            }
            break;
        case GroundLook::Snow:
            fillRect(img, left, top, kMapCell, kMapCell, kSnow);
            speckle(img, left, top, v, 30, kIce, kLightGrey);
            break;
    }
}

void tree(IndexedImage& img, int x, int y, int size) {
    fillRect(img, x - 1, y + size - 2, 3, 5, kWood);
    fillEllipse(img, x, y, size, size, kLeaf);
    fillEllipse(img, x - size / 3, y - size / 3, size / 2, size / 2, kLeafLight);
}

void mountain(IndexedImage& img, int x, int base, int half, int height) {
    polygon(img, {{x - half, base}, {x, base - height}, {x + half, base}}, kRock);
    polygon(img, {{x, base - height}, {x + half, base}, {x + half / 4, base}}, kStoneDark);
    const int cap = height / 3;
    polygon(img, {{x - cap * half / height, base - height + cap}, {x, base - height},
                  {x + cap * half / height, base - height + cap}},
            kSnow);
}

void block(IndexedImage& img, BlockLook look, int left, int top, int index) {
    const int side = 3 * kMapCell;
    const int cx = left + side / 2, cy = top + side / 2;
    const auto b = static_cast<unsigned>(index);
    if (look == BlockLook::Forest) {
        fillRect(img, left, top, side, side, kGrassDark);
        // Trees stay clear of the block's edges, so repeated blocks do not cut them.
        for (int y = top + 14; y < top + side - 14; y += 18)
            for (int x = left + 14; x < left + side - 14; x += 18) {
                const unsigned h = scatter(b, static_cast<unsigned>(x), static_cast<unsigned>(y));
                const int tx = x + static_cast<int>(h % 7) - 3, ty = y + static_cast<int>((h >> 4) % 7) - 3;
                const int dx = tx - cx, dy = ty - cy;
                if (index % 3 != 0 && dx * dx + dy * dy < 30 * 30) continue;  // a clearing or a pond
                tree(img, tx, ty, 7 + static_cast<int>((h >> 8) % 3));
            }
        if (index % 3 == 1) fillEllipse(img, cx, cy, 22, 18, kGrass);
        if (index % 3 == 2) {
            fillEllipse(img, cx, cy, 22, 16, kSea);
            fillEllipse(img, cx - 6, cy - 4, 8, 4, kSeaLight);
        }
        return;
    }
    fillRect(img, left, top, side, side, kGrass);
    speckle(img, left, top, b, 200, kGrassLight, kGrassDark);
    const int peaks = 1 + index % 3;
    for (int p = 0; p < peaks; ++p) {
        const int x = left + side * (p + 1) / (peaks + 1);
        const int height = 70 + static_cast<int>(scatter(b, static_cast<unsigned>(p), 3) % 40);
        mountain(img, x, top + side - 18, 36 + 6 * (peaks == 1), height);
    }
}

void road(IndexedImage& img, RoadLook look, int left, int top, int joins) {
    const int cx = left + kMapCell / 2, cy = top + kMapCell / 2;
    const int outer = look == RoadLook::Paved ? 6 : 4, inner = look == RoadLook::Paved ? 4 : 2;
    const std::uint8_t edge = look == RoadLook::Paved ? kStoneDark : kEarthDark;
    const std::uint8_t surface = look == RoadLook::Paved ? kStoneLight : kSand;
    const std::array<std::pair<int, Point>, 4> ends{{{kRoadNorth, {cx, top}},
                                                     {kRoadEast, {left + kMapCell - 1, cy}},
                                                     {kRoadSouth, {cx, top + kMapCell - 1}},
                                                     {kRoadWest, {left, cy}}}};
    for (const std::uint8_t c : {edge, surface}) {
        const int radius = c == edge ? outer : inner;
        fillEllipse(img, cx, cy, radius, radius, c);
        for (const auto& [bit, end] : ends)
            if (joins & bit) line(img, cx, cy, end.x, end.y, c, radius);
    }
}

void city(IndexedImage& img) {
    // Walls with a courtyard inside.
    fillRect(img, 10, 12, 76, 74, kStoneDark);
    fillRect(img, 16, 18, 64, 62, kEarthLight);
    for (int x = 12; x < 86; x += 8) fillRect(img, x, 8, 4, 4, kStoneDark);
    // Houses.
    const Point houses[] = {{20, 24}, {56, 22}, {22, 56}, {58, 58}, {40, 64}, {24, 40}, {62, 40}};
    for (const Point& h : houses) {
        fillRect(img, h.x, h.y + 4, 14, 9, kStoneLight);
        polygon(img, {{h.x - 1, h.y + 5}, {h.x + 7, h.y - 2}, {h.x + 15, h.y + 5}}, kRoof);
        fillRect(img, h.x + 5, h.y + 8, 3, 5, kRoofDark);
    }
    // The keep with its flag.
    fillRect(img, 38, 30, 20, 22, kStone);
    frameRect(img, 38, 30, 20, 22, kStoneDark);
    fillRect(img, 45, 42, 6, 10, kDarkGrey);
    line(img, 48, 30, 48, 16, kBlack);
    polygon(img, {{49, 16}, {58, 19}, {49, 22}}, kGold);
    // Corner towers and the gate.
    for (const Point& t : {Point{13, 15}, Point{83, 15}, Point{13, 83}, Point{83, 83}}) {
        fillEllipse(img, t.x, t.y, 10, 10, kStoneDark);
        fillEllipse(img, t.x, t.y, 7, 7, kStone);
        fillEllipse(img, t.x - 2, t.y - 2, 3, 3, kStoneLight);
    }
    fillRect(img, 41, 78, 14, 10, kStoneDark);
    fillRect(img, 44, 80, 8, 8, kBlack);
}

void ruin(IndexedImage& img, int left, int top) {
    fillEllipse(img, left + 24, top + 40, 20, 6, kStoneDark);
    for (const int x : {8, 20, 33}) {
        const int height = 14 + (x * 7) % 13;
        fillRect(img, left + x, top + 38 - height, 7, height, kStoneLight);
        fillRect(img, left + x + 5, top + 38 - height, 2, height, kStone);
        polygon(img, {{left + x, top + 38 - height}, {left + x + 3, top + 34 - height}, {left + x + 7, top + 37 - height}},
                kStoneLight);
    }
    fillRect(img, left + 10, top + 40, 22, 5, kStone);
}

void site(IndexedImage& img, int left, int top) {
    fillRect(img, left + 6, top + 38, 36, 4, kStoneDark);
    fillRect(img, left + 9, top + 34, 30, 4, kStone);
    for (int x = 12; x <= 32; x += 6) fillRect(img, left + x, top + 18, 4, 16, kStoneLight);
    fillRect(img, left + 9, top + 14, 30, 4, kStone);
    polygon(img, {{left + 7, top + 14}, {left + 24, top + 4}, {left + 41, top + 14}}, kRoof);
    fillEllipse(img, left + 24, top + 10, 2, 2, kGold);
}

// Each cell is drawn on its own, so that nothing runs into its neighbours.
template <class Draw>
IndexedImage cellSheet(int columns, int rows, int side, std::uint8_t background, Draw draw) {
    IndexedImage sheet = IndexedImage::blank(columns * side, rows * side, background, mapPalette());
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            IndexedImage cell = IndexedImage::blank(side, side, background, mapPalette());
            draw(cell, c, r);
            for (int y = 0; y < side; ++y)
                std::copy_n(cell.pixels.begin() + y * side, side,
                            sheet.pixels.begin() + (r * side + y) * sheet.width + c * side);
        }
    return sheet;
}

}  // namespace

IndexedImage drawGroundSheet(GroundLook look) {
    return cellSheet(8, 4, kMapCell, kBlack,
                     [look](IndexedImage& cell, int c, int r) { groundCell(cell, look, 0, 0, r * 8 + c); });
}

IndexedImage drawBlockSheet(BlockLook look, int blocks) {
    blocks = std::max(blocks, 1);
    return cellSheet(std::min(blocks, 6), (blocks + 5) / 6, 3 * kMapCell, kBlack, [look, blocks](IndexedImage& cell, int c, int r) {
        if (r * 6 + c < blocks) block(cell, look, 0, 0, r * 6 + c);
    });
}

IndexedImage drawRoadSheet(RoadLook look) {
    return cellSheet(8, 4, kMapCell, kMapTransparent,
                     [look](IndexedImage& cell, int c, int r) { road(cell, look, 0, 0, roadJoins(c, r)); });
}

IndexedImage drawSymbolSheet() {
    IndexedImage img = IndexedImage::blank(3 * kMapCell, 2 * kMapCell, kMapTransparent, mapPalette());
    city(img);
    ruin(img, 2 * kMapCell, 0);
    site(img, 2 * kMapCell, kMapCell);
    return img;
}

IndexedImage drawMapOverview(const std::vector<OverviewLook>& tiles, int mapWidth, int mapHeight, int width,
                             int height) {
    IndexedImage img = IndexedImage::blank(width, height, kSea, mapPalette());
    if (mapWidth <= 0 || mapHeight <= 0 || tiles.size() < static_cast<std::size_t>(mapWidth) * mapHeight) return img;
    const auto lookAt = [&](int x, int y) { return tiles[static_cast<std::size_t>(y) * mapWidth + x]; };
    for (int py = 0; py < height; ++py)
        for (int px = 0; px < width; ++px) {
            const int x = px * mapWidth / width, y = py * mapHeight / height;
            const OverviewLook look = lookAt(x, y);
            std::uint8_t c = kSea;
            switch (look) {
                case OverviewLook::Sea: c = (scatter(px, py, 1) % 31 == 0) ? kSeaLight : kSea; break;
                case OverviewLook::Grass: c = kGrass; break;
                case OverviewLook::Hills: c = (scatter(px, py, 2) % 3 == 0) ? kEarthDark : kEarth; break;
                case OverviewLook::Forest: c = (scatter(px, py, 3) % 4 == 0) ? kLeafLight : kGrassDark; break;
                case OverviewLook::Road: c = kSand; break;
            }
            // Land beside the sea gets a light shore.
            if (look != OverviewLook::Sea) {
                const int left = (px - 1) * mapWidth / width, right = (px + 1) * mapWidth / width;
                const int up = (py - 1) * mapHeight / height, down = (py + 1) * mapHeight / height;
                const bool shore = (px > 0 && lookAt(left, y) == OverviewLook::Sea) ||
                                   (px + 1 < width && right < mapWidth && lookAt(right, y) == OverviewLook::Sea) ||
                                   (py > 0 && lookAt(x, up) == OverviewLook::Sea) ||
                                   (py + 1 < height && down < mapHeight && lookAt(x, down) == OverviewLook::Sea);
                if (shore) c = kSand;
            }
            img.set(px, py, c);
        }
    return img;
}

}  // namespace kestrel::sample
