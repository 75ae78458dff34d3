// kstred render-map: the whole map as a BMP, or one line on what is missing.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "app/command_line.hpp"
#include "app/render_map_command.hpp"
#include "app/sample_root.hpp"
#include "scenario/area_file.hpp"
#include "scenario/map_picture.hpp"
#include "scenario/map_scene.hpp"
#include "scenario/map_tiles.hpp"
#include "support/png_read.hpp"

namespace kestrel::app {
namespace {

using scenario::testing::cellColour;
using scenario::testing::MapScene;

struct Rendered {
    int status;
    std::string out, err;
};

Rendered render(const MapScene& scene, const std::string& name, const std::filesystem::path& to, int shrink = 1,
                std::optional<scenario::MapRect> region = std::nullopt) {
    Options o;
    o.command = Command::RenderMap;
    o.name = name;
    o.mapOut = to;
    o.mapShrink = shrink;
    o.mapRegion = region;
    std::ostringstream out, err;
    const int status = renderMap(o, scene.t.path(), out, err);
    return {status, out.str(), err.str()};
}

// The pixel at (x, y) of a bottom-up 24-bit BMP.
pictures::Rgb bmpPixel(const core::Bytes& bmp, int width, int height, int x, int y) {
    const std::size_t at = 54 + static_cast<std::size_t>(height - 1 - y) * (width * 3) + x * 3;
    return {bmp[at + 2], bmp[at + 1], bmp[at]};
}

TEST(RenderMap, EveryTileOfTheMapAtFortyEightPixels) {
    MapScene scene(1);  // 40 by 50, stored 64 to a row
    scene.setCell(39, 49, [](scenario::MapCell& c) { c.setTerrainSlot(12); });
    scene.setCell(1, 0, [](scenario::MapCell& c) { c.setTerrainSlot(7); });  // no picture
    scene.cities({{"Port", 2, 2}});
    const auto to = scene.t.path() / "map.bmp";
    const Rendered run = render(scene, "isle", to);  // the folder in any case
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "The map of isle (40 x 50 tiles) written to " + to.string() + ", 1920 x 2400 pixels\n");
    EXPECT_EQ(run.err, "");
    const core::Bytes bmp = scene.t.read("map.bmp");
    ASSERT_EQ(bmp.size(), 54u + 1920 * 3 * 2400);
    EXPECT_EQ(bmpPixel(bmp, 1920, 2400, 0, 0), cellColour(1, 0, 0));
    EXPECT_EQ(bmpPixel(bmp, 1920, 2400, 48, 0), kMapBackground);
    EXPECT_EQ(bmpPixel(bmp, 1920, 2400, 3 * 48 + 47, 3 * 48), cellColour(30, 1, 1));
    EXPECT_EQ(bmpPixel(bmp, 1920, 2400, 1919, 2399), cellColour(2, 39 % 3, 49 % 3));
}

TEST(RenderMap, SampleMapHasEveryPictureItsTerrainNamesGridsBlocksAndRoads) {
    kestrel::testing::TempRoot t;
    ASSERT_TRUE(writeSampleRoot(t.root()));
    scenario::MapTiles tiles;
    ASSERT_EQ(tiles.load(t.root(), "ISLANDS"), std::nullopt);
    std::set<int> slots, roads, areas;
    for (int y = 0; y < tiles.height(); ++y)
        for (int x = 0; x < tiles.width(); ++x) {
            const scenario::MapCell c = tiles.cell({x, y});
            slots.insert(c.terrainSlot());
            areas.insert(c.area());
            if (c.overlayKind() == 1) roads.insert(c.roadPicture());
        }
    EXPECT_EQ(slots, (std::set<int>{0, 1, 2, 11}));
    EXPECT_EQ(roads, (std::set<int>{0, 1}));
    const core::Bytes areaFile = t.read("SCENARIO/ISLANDS/AREA.DAT");
    ASSERT_EQ(areaFile.size(), 256u * 34);
    for (const int area : areas) EXPECT_NE(scenario::areaName(areaFile, area), "") << area;
    EXPECT_EQ(t.read("SCENARIO/ISLANDS/TERRAIN.DAT").size(), 508u);
}

TEST(RenderMap, SaysWhatIsMissingAndWritesNothing) {
    MapScene scene;
    const auto expectRefused = [&](const std::string& name, const std::string& err, const char* to = "map.bmp") {
        const Rendered run = render(scene, name, scene.t.path() / to);
        EXPECT_EQ(run.status, 1) << err;
        EXPECT_EQ(run.err, err + "\n");
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(scene.t.exists("map.bmp"));
    };
    expectRefused("NONE", "kstred: there is no scenario folder SCENARIO\\NONE");
    expectRefused("../ISLE", "kstred: there is no scenario folder SCENARIO\\../ISLE");
    scene.t.write("TERRAIN/DATA/GRID.PCX", "not a picture");
    expectRefused("ISLE", "kstred: cannot load the picture TERRAIN\\DATA\\GRID (.BMP or .PCX)");
    scene.t.write("TERRAIN/DATA/GRID.PCX", scenario::testing::cellPicture(1, 8, 4));
    core::Bytes empty = scenario::newMapFile(scenario::mapSizes()[0]);
    core::putS16(empty, 0, 0);
    scene.setMap(empty);
    expectRefused("ISLE", "kstred: the map of ISLE (0 x 40 tiles) cannot be painted whole");
    std::filesystem::remove(scene.t.path() / "SCENARIO/ISLE/MAP.DAT");
    expectRefused("ISLE", "kstred: cannot read SCENARIO\\ISLE\\MAP.DAT");
    scene.setMap(scenario::newMapFile(scenario::mapSizes()[0]));
    scene.t.mkdir("folder.bmp");
    expectRefused("ISLE", "kstred: cannot write " + (scene.t.path() / "folder.bmp").string(), "folder.bmp");

    Options o;
    o.name = "ISLE";
    std::ostringstream out, err;
    EXPECT_EQ(renderMap(o, scene.t.path() / "none", out, err), 2);
}

// A block tile and a city whose symbols have holes that show the terrain.
void addCity(MapScene& scene) {
    scene.setCell(5, 0, [](scenario::MapCell& c) { c.setTerrainSlot(12); });
    scene.cities({{"Port", 2, 2}});
}

pictures::Surface wholeMap(const MapScene& scene) {
    scenario::MapTiles tiles;
    EXPECT_EQ(tiles.load(scene.t.root(), MapScene::kScenario), std::nullopt);
    return scenario::paintWholeMap(tiles, kMapBackground);
}

TEST(RenderMap, PngReadBackByLibpngIsTheMapsPixels) {
    MapScene scene;
    addCity(scene);
    const auto to = scene.t.path() / "map.PNG";
    const Rendered run = render(scene, "ISLE", to);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "The map of ISLE (32 x 40 tiles) written to " + to.string() + ", 1536 x 1920 pixels\n");
    const auto png = kestrel::testing::readPng(scene.t.read("map.PNG"));
    ASSERT_TRUE(png);
    const pictures::Surface map = wholeMap(scene);
    ASSERT_EQ(png->width(), map.width());
    ASSERT_EQ(png->height(), map.height());
    EXPECT_TRUE(png->pixels() == map.pixels());
    EXPECT_EQ(png->pixel(2 * 48, 2 * 48), cellColour(30, 0, 0));  // the city's first quarter
}

TEST(RenderMap, ScaleTakesTheRoundedMeanOfEachBlock) {
    MapScene scene;
    addCity(scene);
    const Rendered run = render(scene, "ISLE", scene.t.path() / "map.bmp", 8);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "The map of ISLE (32 x 40 tiles) written to " + (scene.t.path() / "map.bmp").string() +
                           ", 192 x 240 pixels\n");
    const core::Bytes bmp = scene.t.read("map.bmp");
    ASSERT_EQ(bmp.size(), 54u + 192 * 3 * 240);
    EXPECT_EQ(bmpPixel(bmp, 192, 240, 0, 0), cellColour(1, 0, 0));
    EXPECT_EQ(bmpPixel(bmp, 192, 240, 5 * 6 + 5, 5), cellColour(2, 2, 0));
    // The block of pixels 16 to 23 of the quarter (1, 1): 48 of the symbol
    // (240, 10, 15) and 16 of the terrain through its hole (8, 0, 5); green
    // 7.5 and blue 12.5 round up.
    EXPECT_EQ(bmpPixel(bmp, 192, 240, 3 * 6 + 2, 3 * 6 + 2), (pictures::Rgb{182, 8, 13}));
    EXPECT_EQ(bmpPixel(bmp, 192, 240, 3 * 6 + 1, 3 * 6 + 2), cellColour(30, 1, 1));
    EXPECT_EQ(scenario::mapPixels(128, 4), 1536);  // the largest map at a quarter
    EXPECT_EQ(scenario::mapPixels(160, 4), 1920);
}

TEST(RenderMap, RegionPaintsOnlyItsTilesAndMustLieOnTheMap) {
    MapScene scene;
    addCity(scene);
    const auto to = scene.t.path() / "part.png";
    const Rendered run = render(scene, "ISLE", to, 2, scenario::MapRect{2, 0, 4, 3});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "The map of ISLE (32 x 40 tiles) written to " + to.string() + ", 96 x 72 pixels\n");
    const auto png = kestrel::testing::readPng(scene.t.read("part.png"));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->pixel(0, 0), cellColour(1, 0, 0));       // tile (2, 0)
    EXPECT_EQ(png->pixel(0, 48), cellColour(30, 0, 0));     // (2, 2): the city
    EXPECT_EQ(png->pixel(3 * 24, 0), cellColour(2, 2, 0));  // (5, 0)
    EXPECT_EQ(png->pixel(95, 71), cellColour(1, 0, 0));     // (5, 2)

    for (const scenario::MapRect& off :
         {scenario::MapRect{30, 0, 3, 1}, scenario::MapRect{0, 39, 1, 2}, scenario::MapRect{32, 0, 1, 1}}) {
        const Rendered refused = render(scene, "ISLE", scene.t.path() / "off.png", 1, off);
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.err, "kstred: the region " + std::to_string(off.x) + "," + std::to_string(off.y) + "," +
                                   std::to_string(off.w) + "," + std::to_string(off.h) +
                                   " is not on the map of ISLE (32 x 40 tiles)\n");
        EXPECT_FALSE(scene.t.exists("off.png"));
    }
}

TEST(RenderMap, ADamagedMapIsReportedAndNotPainted) {
    struct Case {
        std::string what;
        std::function<void(core::Bytes&)> damage;
        std::string err;
    };
    const Case cases[] = {
        {"cut in its header", [](core::Bytes& m) { m.resize(10); },
         "it ends after 10 bytes, inside its 18-byte header"},
        {"empty", [](core::Bytes& m) { m.clear(); }, "it ends after 0 bytes, inside its 18-byte header"},
        {"stride 0", [](core::Bytes& m) { core::putS16(m, 4, 0); }, "its row stride is 0"},
        {"stride below the width", [](core::Bytes& m) { core::putS16(m, 4, 16); },
         "its row stride 16 is below its width 32"},
        {"tiles missing", [](core::Bytes& m) { m.resize(18 + 10 * 1000 + 9); },
         "it holds 1000 of the 1280 tiles its header names"},
        {"rows missing", [](core::Bytes& m) { core::putS16(m, 2, 41); },
         "it holds 1280 of the 1312 tiles its header names"},
    };
    for (const Case& c : cases) {
        MapScene scene;
        core::Bytes map = scenario::newMapFile(scenario::mapSizes()[0]);
        c.damage(map);
        scene.setMap(map);
        for (const char* to : {"map.bmp", "map.png"}) {
            const Rendered run = render(scene, "ISLE", scene.t.path() / to);
            EXPECT_EQ(run.status, 1) << c.what;
            EXPECT_EQ(run.err, "kstred: SCENARIO\\ISLE\\MAP.DAT is damaged: " + c.err + "\n") << c.what;
            EXPECT_EQ(run.out, "");
            EXPECT_FALSE(scene.t.exists(to)) << c.what;
        }
    }
}

TEST(RenderMap, AnEndingOtherThanPngOrBmpIsRefused) {
    MapScene scene;
    for (const char* to : {"map.gif", "map", "map.png.txt"}) {
        const Rendered run = render(scene, "ISLE", scene.t.path() / to);
        EXPECT_EQ(run.status, 2) << to;
        EXPECT_EQ(run.err,
                  "kstred: render-map writes a .png or .bmp file, not " + (scene.t.path() / to).string() + "\n");
        EXPECT_FALSE(scene.t.exists(to));
    }
}

}  // namespace
}  // namespace kestrel::app
