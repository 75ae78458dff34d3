#include "sample/template_art.hpp"

#include <array>
#include <cmath>
#include <initializer_list>

#include "sample/pcx_writer.hpp"

namespace kestrel::sample {

namespace {

enum Colour : std::uint8_t {
    kBlack, kWhite, kDarkGrey, kGrey, kLightGrey,
    kStone, kStoneDark, kStoneLight,
    kRoof, kRoofDark,
    kGrass, kGrassDark, kGrassLight,
    kEarth, kEarthDark,
    kSea, kSeaDark, kSeaLight,
    kSky, kSkyLight,
    kGold, kGoldDark, kGoldLight,
    kRuby, kRubyLight,
    kSkin, kSkinDark,
    kCloth, kClothDark,
    kSteel, kWood, kSnow, kSand,
    kNamedCount,
};

constexpr std::array<Rgb, kNamedCount> kNamedColours{{
    {0, 0, 0}, {255, 255, 255}, {64, 64, 64}, {128, 128, 128}, {192, 192, 192},
    {150, 140, 120}, {100, 92, 80}, {200, 190, 165},
    {170, 40, 30}, {110, 25, 20},
    {70, 140, 50}, {40, 95, 35}, {120, 180, 80},
    {120, 85, 50}, {80, 55, 30},
    {40, 80, 160}, {25, 50, 110}, {90, 140, 210},
    {140, 190, 235}, {200, 225, 245},
    {230, 190, 40}, {160, 120, 20}, {255, 235, 140},
    {190, 25, 55}, {240, 110, 130},
    {220, 170, 130}, {160, 110, 80},
    {70, 55, 120}, {38, 30, 70},
    {170, 180, 190}, {140, 95, 50}, {235, 240, 245}, {215, 195, 140},
}};

constexpr Rgb kMagenta{255, 0, 255};
constexpr int kCubeLevels = 6;
constexpr int kCubeStep = 51;
// The cube gives up its magenta, so it needs one slot less than its size.
static_assert(kNamedCount + kCubeLevels * kCubeLevels * kCubeLevels - 1 <= kTransparentIndex);

// Named art colours first, then a colour cube, then a grey ramp up to magenta.
Palette makePalette() {
    Palette p{};
    std::size_t i = 0;
    for (const Rgb& c : kNamedColours) p[i++] = c;
    for (int r = 0; r < kCubeLevels; ++r)
        for (int g = 0; g < kCubeLevels; ++g)
            for (int b = 0; b < kCubeLevels; ++b) {
                const Rgb c{static_cast<std::uint8_t>(r * kCubeStep), static_cast<std::uint8_t>(g * kCubeStep),
                            static_cast<std::uint8_t>(b * kCubeStep)};
                // Magenta stays unique so transparency has one index only.
                if (c != kMagenta) p[i++] = c;
            }
    const std::size_t greys = kTransparentIndex - i;
    for (std::size_t k = 0; i < kTransparentIndex; ++i, ++k) {
        const auto v = static_cast<std::uint8_t>(255 * (k + 1) / (greys + 1));
        p[i] = {v, v, v};
    }
    p[kTransparentIndex] = kMagenta;
    return p;
}

using DesignPoint = std::pair<double, double>;

// Art is laid out on a fixed design grid and scaled to the requested size.
class Canvas {
public:
    Canvas(int width, int height, double designWidth, double designHeight, std::uint8_t background)
        : img_(IndexedImage::blank(width, height, background, templatePalette())),
          sx_(img_.width / designWidth), sy_(img_.height / designHeight) {}

    void rect(double x, double y, double w, double h, std::uint8_t c) {
        fillRect(img_, px(x), py(y), px(x + w) - px(x), py(y + h) - py(y), c);
    }
    void frame(double x, double y, double w, double h, std::uint8_t c) {
        frameRect(img_, px(x), py(y), px(x + w) - px(x), py(y + h) - py(y), c);
    }
    void ellipse(double cx, double cy, double rx, double ry, std::uint8_t c) {
        fillEllipse(img_, px(cx), py(cy), px(rx), py(ry), c);
    }
    void polyline(std::initializer_list<DesignPoint> points, std::uint8_t c, double radius = 0) {
        const int r = static_cast<int>(std::lround(radius * std::min(sx_, sy_)));
        for (auto p = points.begin(); p + 1 < points.end(); ++p)
            drawLine(img_, toPixel(p[0]), toPixel(p[1]), c, r);
    }
    void polygon(std::initializer_list<DesignPoint> points, std::uint8_t c) {
        std::vector<Point> pixels;
        for (const DesignPoint& p : points) pixels.push_back(toPixel(p));
        fillPolygon(img_, pixels, c);
    }
    IndexedImage take() { return std::move(img_); }

private:
    int px(double x) const { return static_cast<int>(std::lround(x * sx_)); }
    int py(double y) const { return static_cast<int>(std::lround(y * sy_)); }
    Point toPixel(DesignPoint p) const { return {px(p.first), py(p.second)}; }

    IndexedImage img_;
    double sx_;
    double sy_;
};

void tower(Canvas& c, double x, double top, double bottom) {
    c.rect(x, top, 12, bottom - top, kStone);
    c.rect(x + 9, top, 3, bottom - top, kStoneDark);
    c.rect(x + 5, top + 8, 2, 5, kDarkGrey);
    c.polygon({{x - 2, top}, {x + 6, top - 12}, {x + 14, top}}, kRoof);
    c.polygon({{x + 6, top - 12}, {x + 14, top}, {x + 6, top}}, kRoofDark);
    c.polyline({{x + 6, top - 12}, {x + 6, top - 17}}, kBlack);
    c.polygon({{x + 7, top - 17}, {x + 11, top - 15}, {x + 7, top - 13}}, kRoof);
}

void tree(Canvas& c, double x, double y) {
    c.rect(x - 1, y, 2, 5, kWood);
    c.ellipse(x, y - 2, 4, 4, kGrassDark);
    c.ellipse(x - 1, y - 3, 1, 1, kGrassLight);
}

void brokenColumn(Canvas& c, double x, double top, double bottom) {
    c.rect(x, top, 7, bottom - top, kStoneLight);
    c.rect(x + 5, top, 2, bottom - top, kStone);
    c.polygon({{x, top}, {x + 2, top - 4}, {x + 4, top - 1}, {x + 7, top - 3}, {x + 7, top + 1}, {x, top + 1}},
              kStoneLight);
    c.rect(x - 1, bottom - 3, 9, 3, kStone);
}

void peak(Canvas& c, double x, double y, double cap) {
    c.polygon({{x, y}, {x - cap, y + cap}, {x + cap, y + cap}}, kSnow);
}

}  // namespace

const Palette& templatePalette() {
    static const Palette palette = makePalette();
    return palette;
}

IndexedImage drawCity(int width, int height) {
    Canvas c(width, height, 64, 64, kGrass);
    c.ellipse(6, 58, 8, 4, kGrassDark);
    c.ellipse(58, 60, 7, 3, kGrassLight);
    c.polygon({{28, 50}, {36, 50}, {42, 64}, {22, 64}}, kEarth);
    c.rect(22, 12, 20, 20, kStoneLight);
    c.rect(30, 17, 4, 5, kBlack);
    c.polygon({{20, 12}, {32, 1}, {44, 12}}, kRoof);
    c.polygon({{32, 1}, {44, 12}, {32, 12}}, kRoofDark);
    c.rect(8, 28, 48, 22, kStone);
    for (int i = 0; i < 8; ++i) c.rect(8 + i * 6, 25, 3, 3, kStone);
    c.rect(8, 47, 48, 3, kStoneDark);
    tower(c, 2, 20, 52);
    tower(c, 50, 20, 52);
    c.rect(27, 39, 10, 11, kWood);
    c.ellipse(32, 39, 5, 4, kWood);
    c.rect(31, 36, 2, 14, kEarthDark);
    return c.take();
}

IndexedImage drawTerrain(int width, int height) {
    Canvas c(width, height, 64, 64, kGrass);
    c.ellipse(14, 14, 11, 6, kGrassLight);
    c.ellipse(48, 46, 13, 7, kGrassDark);
    c.ellipse(46, 12, 9, 5, kEarth);
    c.ellipse(45, 11, 5, 2, kSand);
    c.polyline({{0, 26}, {20, 30}, {36, 46}, {64, 54}}, kEarth, 1);
    c.polygon({{2, 60}, {16, 38}, {30, 60}}, kEarth);
    c.polygon({{16, 38}, {30, 60}, {16, 60}}, kEarthDark);
    tree(c, 40, 28);
    tree(c, 52, 24);
    tree(c, 58, 34);
    return c.take();
}

IndexedImage drawBonus(int width, int height) {
    Canvas c(width, height, 32, 32, kTransparentIndex);
    c.ellipse(16, 16, 14, 14, kGoldDark);
    c.ellipse(15, 15, 12, 12, kGold);
    c.ellipse(11, 10, 3, 2, kGoldLight);
    c.polygon({{16, 7}, {24, 15}, {16, 25}, {8, 15}}, kRuby);
    c.polygon({{16, 7}, {16, 15}, {8, 15}}, kRubyLight);
    return c.take();
}

IndexedImage drawArmy(int width, int height) {
    Canvas c(width, height, 54, 54, kTransparentIndex);
    c.ellipse(27, 51, 14, 2, kDarkGrey);
    c.rect(39, 8, 2, 43, kWood);
    c.polygon({{40, 0}, {44, 9}, {36, 9}}, kSteel);
    c.rect(20, 36, 5, 12, kEarthDark);
    c.rect(29, 36, 5, 12, kEarthDark);
    c.rect(19, 47, 7, 3, kBlack);
    c.rect(28, 47, 7, 3, kBlack);
    c.polygon({{19, 18}, {35, 18}, {37, 37}, {17, 37}}, kRoof);
    c.rect(18, 31, 18, 2, kEarthDark);
    c.rect(34, 19, 5, 4, kRoof);
    c.ellipse(40, 21, 2, 2, kSkin);
    c.ellipse(27, 12, 5, 5, kSkin);
    c.polygon({{21, 11}, {23, 4}, {27, 2}, {31, 4}, {33, 11}}, kSteel);
    c.rect(26, 9, 2, 6, kSteel);
    c.polygon({{8, 19}, {24, 19}, {24, 31}, {16, 40}, {8, 31}}, kSeaDark);
    c.polygon({{10, 21}, {22, 21}, {22, 30}, {16, 37}, {10, 30}}, kSea);
    c.ellipse(16, 27, 2, 2, kGold);
    return c.take();
}

IndexedImage drawRuin(int width, int height) {
    Canvas c(width, height, 48, 48, kTransparentIndex);
    c.rect(1, 42, 46, 5, kStoneDark);
    c.rect(3, 39, 42, 3, kStone);
    brokenColumn(c, 8, 12, 39);
    brokenColumn(c, 21, 26, 39);
    brokenColumn(c, 35, 18, 39);
    c.polyline({{10, 20}, {12, 25}, {10, 30}}, kStoneDark);
    c.rect(24, 41, 10, 5, kStoneLight);
    c.ellipse(34, 43, 2, 2, kStone);
    return c.take();
}

IndexedImage drawSite(int width, int height) {
    Canvas c(width, height, 48, 48, kTransparentIndex);
    c.rect(1, 44, 46, 3, kStoneDark);
    c.rect(2, 40, 44, 4, kStone);
    c.rect(4, 36, 40, 4, kStoneLight);
    c.rect(20, 20, 8, 16, kDarkGrey);
    c.ellipse(24, 30, 2, 3, kGold);
    for (const double x : {6.0, 13.0, 30.0, 37.0}) {
        c.rect(x, 18, 5, 18, kStoneLight);
        c.rect(x + 4, 18, 1, 18, kStone);
    }
    c.rect(4, 14, 40, 4, kStone);
    c.polygon({{2, 14}, {24, 2}, {46, 14}}, kStoneLight);
    c.polygon({{10, 12}, {24, 5}, {38, 12}}, kStone);
    c.ellipse(24, 10, 2, 2, kGold);
    return c.take();
}

IndexedImage drawAdvisor(int width, int height) {
    Canvas c(width, height, 120, 150, kSeaDark);
    c.ellipse(60, 62, 52, 52, kSea);
    c.polygon({{8, 150}, {22, 112}, {45, 98}, {75, 98}, {98, 112}, {112, 150}}, kCloth);
    c.polyline({{40, 112}, {34, 150}}, kClothDark);
    c.polyline({{80, 112}, {86, 150}}, kClothDark);
    c.ellipse(60, 62, 34, 44, kCloth);
    c.ellipse(60, 70, 25, 34, kClothDark);
    c.ellipse(60, 74, 17, 22, kSkin);
    c.ellipse(60, 52, 19, 6, kClothDark);
    c.rect(49, 63, 8, 2, kSkinDark);
    c.rect(63, 63, 8, 2, kSkinDark);
    c.rect(50, 67, 6, 3, kBlack);
    c.rect(64, 67, 6, 3, kBlack);
    c.polyline({{60, 69}, {57, 79}, {62, 79}}, kSkinDark);
    c.polygon({{44, 82}, {76, 82}, {70, 104}, {60, 112}, {50, 104}}, kLightGrey);
    c.rect(54, 87, 12, 2, kDarkGrey);
    c.ellipse(60, 118, 4, 4, kGold);
    c.frame(0, 0, 120, 150, kGold);
    c.frame(1, 1, 118, 148, kGoldDark);
    return c.take();
}

IndexedImage drawShield(int width, int height) {
    Canvas c(width, height, 32, 40, kTransparentIndex);
    c.polygon({{1, 1}, {31, 1}, {31, 18}, {27, 29}, {16, 39}, {5, 29}, {1, 18}}, kGoldDark);
    c.polygon({{3, 3}, {29, 3}, {29, 18}, {25, 28}, {16, 36}, {7, 28}, {3, 18}}, kSea);
    c.polygon({{16, 3}, {29, 3}, {29, 18}, {25, 28}, {16, 36}}, kRoof);
    c.ellipse(16, 16, 4, 4, kGold);
    return c.take();
}

IndexedImage drawFlag(int width, int height) {
    Canvas c(width, height, 32, 24, kTransparentIndex);
    c.rect(2, 1, 2, 23, kWood);
    c.ellipse(3, 1, 1, 1, kGold);
    c.polygon({{4, 2}, {31, 8}, {4, 15}}, kRoof);
    c.polygon({{4, 6}, {22, 8}, {4, 11}}, kGold);
    return c.take();
}

IndexedImage drawStrategicMap(int width, int height) {
    Canvas c(width, height, 100, 125, kSea);
    c.polyline({{4, 70}, {9, 70}}, kSeaLight);
    c.polyline({{88, 64}, {94, 64}}, kSeaLight);
    c.polyline({{8, 118}, {13, 118}}, kSeaLight);
    c.polyline({{14, 12}, {50, 6}, {80, 16}, {86, 40}, {70, 56}, {78, 80}, {66, 104}, {40, 114}, {18, 100},
                {22, 72}, {10, 44}, {14, 12}},
               kSand, 1);
    c.polygon({{14, 12}, {50, 6}, {80, 16}, {86, 40}, {70, 56}, {78, 80}, {66, 104}, {40, 114}, {18, 100},
               {22, 72}, {10, 44}},
              kGrass);
    c.polygon({{82, 92}, {94, 96}, {92, 112}, {80, 108}}, kGrass);
    c.ellipse(30, 30, 7, 5, kGrassDark);
    c.ellipse(56, 86, 6, 5, kGrassDark);
    c.polygon({{52, 30}, {58, 18}, {64, 30}}, kEarth);
    c.polygon({{60, 36}, {66, 24}, {72, 36}}, kEarthDark);
    c.polyline({{64, 38}, {48, 44}, {50, 58}, {38, 76}, {40, 96}, {40, 116}}, kSea, 1);
    for (const auto& [x, y] : {DesignPoint{30, 50}, {62, 70}, {28, 92}, {42, 20}, {87, 102}}) {
        c.ellipse(x, y, 3, 3, kBlack);
        c.ellipse(x, y, 2, 2, kWhite);
    }
    c.frame(0, 0, 100, 125, kBlack);
    return c.take();
}

IndexedImage drawScenario(int width, int height) {
    Canvas c(width, height, 160, 120, kSky);
    c.rect(0, 36, 160, 40, kSkyLight);
    c.ellipse(124, 22, 10, 10, kGoldLight);
    c.ellipse(36, 16, 14, 5, kWhite);
    c.ellipse(46, 13, 9, 5, kWhite);
    c.polygon({{0, 70}, {30, 30}, {55, 60}, {80, 24}, {110, 62}, {135, 38}, {160, 64}, {160, 120}, {0, 120}},
              kGrey);
    peak(c, 30, 30, 7);
    peak(c, 80, 24, 8);
    peak(c, 135, 38, 6);
    c.ellipse(40, 98, 72, 26, kGrassDark);
    c.ellipse(124, 102, 62, 26, kGrass);
    c.rect(104, 66, 18, 14, kStoneDark);
    c.rect(100, 58, 6, 22, kStone);
    c.rect(120, 58, 6, 22, kStone);
    c.polygon({{98, 58}, {103, 48}, {108, 58}}, kRoof);
    c.polygon({{118, 58}, {123, 48}, {128, 58}}, kRoof);
    c.rect(110, 72, 6, 8, kBlack);
    c.rect(30, 100, 100, 14, kRoof);
    c.frame(30, 100, 100, 14, kGoldDark);
    c.frame(0, 0, 160, 120, kGold);
    return c.take();
}

std::span<const TemplatePicture> templatePictures() {
    static constexpr std::array kPictures{
        TemplatePicture{"CITY", 64, 64, drawCity},
        TemplatePicture{"TERR", 64, 64, drawTerrain},
        TemplatePicture{"BONUS", 32, 32, drawBonus},
        TemplatePicture{"ARMY", 54, 54, drawArmy},
        TemplatePicture{"RUIN", 48, 48, drawRuin},
        TemplatePicture{"SITE", 48, 48, drawSite},
        TemplatePicture{"ADVISOR", 120, 150, drawAdvisor},
        TemplatePicture{"SHIELD", 32, 40, drawShield},
        TemplatePicture{"FLAG", 32, 24, drawFlag},
        TemplatePicture{"STRAT_S", 100, 125, drawStrategicMap},
        TemplatePicture{"STRAT_L", 200, 250, drawStrategicMap},
        TemplatePicture{"SCENARIO", 160, 120, drawScenario},
    };
    return kPictures;
}

namespace {
constexpr std::string_view kFolder = "WSDATA";
constexpr std::string_view kExtension = ".PCX";
}  // namespace

std::vector<std::pair<std::string, core::Bytes>> templatePictureFiles() {
    std::vector<std::pair<std::string, core::Bytes>> files;
    for (const TemplatePicture& t : templatePictures()) {
        std::string path = std::string(kFolder) + "\\" + std::string(t.name) + std::string(kExtension);
        files.emplace_back(std::move(path), encodePcx8(t.draw(t.width, t.height)));
    }
    return files;
}

bool writeTemplatePictures(const core::DataRoot& root) {
    if (!root.makeDirectory(kFolder)) return false;
    for (const auto& [path, bytes] : templatePictureFiles())
        if (bytes.empty() || !root.writeAtomic(path, bytes)) return false;
    return true;
}

}  // namespace kestrel::sample
