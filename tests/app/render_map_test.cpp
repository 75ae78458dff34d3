// kstred render-map: the whole map as a BMP, or one line on what is missing.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "app/command_line.hpp"
#include "app/render_map_command.hpp"
#include "app/sample_root.hpp"
#include "scenario/area_file.hpp"
#include "scenario/map_tiles.hpp"
#include "scenario/map_scene.hpp"

namespace kestrel::app {
namespace {

using scenario::testing::cellColour;
using scenario::testing::MapScene;

struct Rendered {
    int status;
    std::string out, err;
};

Rendered render(const MapScene& scene, const std::string& name, const std::filesystem::path& to) {
    Options o;
    o.command = Command::RenderMap;
    o.name = name;
    o.mapOut = to;
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

}  // namespace
}  // namespace kestrel::app
