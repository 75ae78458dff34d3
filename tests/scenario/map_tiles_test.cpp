// What the map views read (AREA.DAT) and how one tile
// is painted: terrain cell, city quarter, ruin, site, road.
#include <gtest/gtest.h>

#include "scenario/area_file.hpp"
#include "scenario/map_tiles.hpp"
#include "scenario/map_scene.hpp"

namespace kestrel::scenario {
namespace {

using testing::cellColour;
using testing::kSymbolTag;
using testing::MapScene;

TEST(AreaFile, NameOfEachRecordAndNoneOutside) {
    AreaNames areas;
    areas.names[0] = "Open Sea";
    areas.names[255] = "Fifteen letters";
    areas.names[7] = "Sixteen letters!";  // cut to the field, no NUL room left
    const core::Bytes file = writeAreaNames(areas);
    ASSERT_EQ(file.size(), 256u * 34);
    EXPECT_EQ(areaName(file, 255), "Fifteen letters");
    EXPECT_EQ(file[255 * 34 + 15], 0);
    EXPECT_EQ(areaName(file, 7), "Sixteen letters!");
    EXPECT_EQ(readAreaNames(file).names[0], "Open Sea");
    EXPECT_EQ(areaName(file, 256), "");
    EXPECT_EQ(areaName(file, -1), "");
    EXPECT_EQ(areaName(core::Bytes(file.begin(), file.begin() + 34 * 7 + 3), 7), "Six");  // short file
}

TEST(TerrainCell, GridSlotsTakeTheBitsBlockSlotsTheMapPosition) {
    struct Case {
        int slot, variant;
        MapPosition at;
        TerrainCell cell;
    };
    const Case cases[] = {
        {12, 7, {4, 5}, {4, 5}},     // block 1 of the second row of blocks, cell (1, 2) in it
        {3, 7, {4, 5}, {7, 0}},      // bits 5-7 = 7, bits 8-9 = 0
        {10, 31, {9, 9}, {7, 3}},    // the last grid slot
        {11, 0, {2, 5}, {2, 2}},     // the first block slot
        {21, 31, {30, 38}, {3, 17}},  // block 31: column 1 x 3 + 0, row 5 x 3 + 2
    };
    for (const Case& c : cases) EXPECT_EQ(terrainCell(c.slot, c.variant, c.at), c.cell) << c.slot << " " << c.variant;
}

// Paints tile (x, y) alone into a 48 by 48 surface of grey.
pictures::Surface tile(MapTiles& tiles, int x, int y) {
    pictures::Surface s(48, 48, {1, 2, 3});
    tiles.paintTile(s, {x, y}, 0, 0);
    return s;
}

TEST(MapTilesPaint, TerrainCellsAndSlotsWithoutAPicture) {
    MapScene scene;
    scene.t.write("TERRAIN/DATA/SMALL.PCX", testing::cellPicture(4, 2, 1));  // 96 x 48
    scene.terrain.terrain[1] = "SMALL";
    scene.saveTerrain();
    scene.setCell(4, 5, [](MapCell& c) { c.setTerrainSlot(12), c.setVariant(7); });
    scene.setCell(1, 1, [](MapCell& c) { c.setVariant(3 | 2 << 3); });
    scene.setCell(2, 1, [](MapCell& c) { c.setTerrainSlot(5); });
    scene.setCell(3, 1, [](MapCell& c) { c.setTerrainSlot(25); });
    scene.setCell(5, 1, [](MapCell& c) { c.setTerrainSlot(1), c.setVariant(1); });
    scene.setCell(6, 1, [](MapCell& c) { c.setTerrainSlot(1), c.setVariant(31); });
    MapTiles tiles;
    ASSERT_EQ(tiles.load(scene.t.root(), MapScene::kScenario), std::nullopt);
    const auto expectTile = [&](MapPosition at, pictures::Rgb colour) {
        EXPECT_EQ(tile(tiles, at.x, at.y).pixel(0, 0), colour) << at;
        EXPECT_EQ(tile(tiles, at.x, at.y).pixel(47, 47), colour) << at;
    };
    expectTile({4, 5}, cellColour(2, 4, 5));
    expectTile({1, 1}, cellColour(1, 3, 2));
    expectTile({0, 0}, cellColour(1, 0, 0));
    expectTile({5, 1}, cellColour(4, 1, 0));
    // Slots named nothing, beyond the 22 or beyond their picture; off the map
    // (32 x 40), even where the stride stores cells: nothing.
    const MapPosition nothing[] = {{2, 1}, {3, 1}, {6, 1}, {32, 0}, {0, 40}, {-1, 0}};
    for (const MapPosition at : nothing) expectTile(at, {1, 2, 3});
}

TEST(MapTilesPaint, CitiesCoverFourTilesAndHideRuinsAndSitesThere) {
    MapScene scene;
    scene.cities({{"Late", 11, 11}, {"Port", 10, 10}, {"Far", 20, 20}});  // the first in file order that covers wins
    scene.ruins({{"Tomb", 11, 11}, {"Keep", 5, 5}, {"Both", 6, 6}, {"Hidden", 21, 21}});
    scene.sites({{"Shrine", 6, 6}, {"Well", 7, 7}});
    scene.setCell(12, 12, [](MapCell& c) { c.setOverlayKind(2); });  // covered by Late, but no symbols here
    MapTiles tiles;
    ASSERT_EQ(tiles.load(scene.t.root(), MapScene::kScenario), std::nullopt);
    const std::pair<MapPosition, pictures::Rgb> expected[] = {
        {{10, 10}, cellColour(kSymbolTag, 0, 0)}, {{11, 10}, cellColour(kSymbolTag, 1, 0)},
        {{10, 11}, cellColour(kSymbolTag, 0, 1)}, {{11, 11}, cellColour(kSymbolTag, 0, 0)},  // Late's own corner
        {{12, 11}, cellColour(kSymbolTag, 1, 0)}, {{5, 5}, cellColour(kSymbolTag, 2, 0)},
        {{6, 6}, cellColour(kSymbolTag, 2, 0)},   {{7, 7}, cellColour(kSymbolTag, 2, 1)},
        {{12, 12}, cellColour(1, 0, 0)},          {{9, 9}, cellColour(1, 0, 0)},
        {{21, 21}, cellColour(kSymbolTag, 1, 1)},  // a city's south-east quarter
    };
    for (const auto& [at, colour] : expected) {
        const pictures::Surface s = tile(tiles, at.x, at.y);
        EXPECT_EQ(s.pixel(0, 0), colour) << at;
        EXPECT_EQ(s.pixel(22, 22), cellColour(1, 0, 0)) << at;  // magenta lets the terrain through
    }
}

TEST(MapTilesPaint, RoadsOnOverlayOneFromEitherRoadPicture) {
    MapScene scene;
    scene.t.write("TERRAIN/DATA/TRACK.PCX", testing::cellPicture(4, 8, 4, true));
    scene.terrain.roads[1] = "TRACK";
    scene.saveTerrain();
    scene.cities({{"Port", 0, 0}});
    const auto road = [](int picture, int column, int row) {
        return [=](MapCell& c) { c.setOverlayKind(1), c.setRoadPicture(picture), c.setRoadColumn(column), c.setRoadRow(row); };
    };
    scene.setCell(1, 1, road(0, 6, 3));  // under the city: the road, not the city
    scene.setCell(3, 0, road(1, 2, 1));
    scene.setCell(4, 0, road(2, 0, 0));  // no such road type
    MapTiles tiles;
    ASSERT_EQ(tiles.load(scene.t.root(), MapScene::kScenario), std::nullopt);
    EXPECT_EQ(tile(tiles, 1, 1).pixel(0, 0), cellColour(3, 6, 3));
    EXPECT_EQ(tile(tiles, 1, 1).pixel(22, 22), cellColour(1, 0, 0));
    EXPECT_EQ(tile(tiles, 3, 0).pixel(0, 0), cellColour(4, 2, 1));
    EXPECT_EQ(tile(tiles, 4, 0).pixel(0, 0), cellColour(1, 0, 0));
}

TEST(MapTilesLoad, MissingFilesAndPicturesThatCannotBeLoaded) {
    MapScene scene;
    const auto load = [&] {
        MapTiles tiles;
        const auto why = tiles.load(scene.t.root(), MapScene::kScenario);
        EXPECT_EQ(tiles.loaded(), !why);
        return why.value_or("loaded");
    };
    EXPECT_EQ(load(), "loaded");
    scene.terrain.terrain[4] = "GONE";
    scene.saveTerrain();
    EXPECT_EQ(load(), "cannot load the picture TERRAIN\\DATA\\GONE (.BMP or .PCX)");
    scene.t.write("TERRAIN/DATA/SUB/GRID.PCX", testing::cellPicture(1, 8, 4));
    scene.terrain.terrain[4] = "SUB\\GRID";  // names a picture, but is no plain file name
    scene.saveTerrain();
    EXPECT_EQ(load(), "cannot load the picture TERRAIN\\DATA\\SUB\\GRID (.BMP or .PCX)");
    scene.terrain.terrain[4] = "";
    scene.terrain.roads[1] = "NOROAD";
    scene.saveTerrain();
    EXPECT_EQ(load(), "cannot load the picture TERRAIN\\DATA\\NOROAD (.BMP or .PCX)");
    scene.terrain.roads[1] = "";
    scene.saveTerrain();
    scene.t.write("WSDATA/PICTS.PCX", "not a picture");
    EXPECT_EQ(load(), "cannot load the picture WSDATA\\PICTS (.BMP or .PCX)");
    scene.t.write("WSDATA/PICTS.BMP", std::string("BM"));  // the BMP is taken when it opens
    EXPECT_EQ(load(), "cannot load the picture WSDATA\\PICTS (.BMP or .PCX)");
    std::filesystem::remove(scene.t.path() / "WSDATA/PICTS.BMP");
    scene.t.write("WSDATA/PICTS.PCX", testing::cellPicture(kSymbolTag, 3, 2, true));
    core::Bytes huge = newMapFile(mapSizes()[0]);
    core::putS16(huge, 4, 30000);  // a stride no map has
    scene.setMap(huge);
    EXPECT_EQ(load(), "cannot read SCENARIO\\ISLE\\MAP.DAT: its header names more tiles than a map holds");
    std::filesystem::remove(scene.t.path() / "SCENARIO/ISLE/MAP.DAT");
    EXPECT_EQ(load(), "cannot read SCENARIO\\ISLE\\MAP.DAT");
}

TEST(MapTilesLoad, WithoutTerrainOrRecordFilesNothingOfTheirsIsPainted) {
    MapScene scene;
    scene.setCell(0, 0, [](MapCell& c) { c.setOverlayKind(1); });
    std::filesystem::remove(scene.t.path() / "SCENARIO/ISLE/TERRAIN.DAT");
    scene.t.mkdir("SCENARIO/ISLE/CITY.DAT");  // a folder in its place
    MapTiles tiles;
    ASSERT_EQ(tiles.load(scene.t.root(), MapScene::kScenario), std::nullopt);
    EXPECT_EQ(tile(tiles, 0, 0).pixel(0, 0), (pictures::Rgb{1, 2, 3}));
    EXPECT_EQ(tile(tiles, 1, 0).pixel(0, 0), (pictures::Rgb{1, 2, 3}));

    // A map file cut short reads its missing tiles as zero: slot 0, no overlay.
    MapScene cut;
    core::Bytes map = newMapFile(mapSizes()[0]);
    map.resize(18 + 10 * 5);
    cut.setMap(map);
    ASSERT_EQ(tiles.load(cut.t.root(), MapScene::kScenario), std::nullopt);
    EXPECT_EQ(tile(tiles, 31, 39).pixel(0, 0), cellColour(1, 0, 0));
}

TEST(MapTilesPaint, WholeMapIsATilePerPositionOnTheBackground) {
    MapScene scene;
    scene.setCell(31, 39, [](MapCell& c) { c.setTerrainSlot(12), c.setVariant(0); });
    scene.setCell(30, 0, [](MapCell& c) { c.setTerrainSlot(3); });
    MapTiles tiles;
    ASSERT_EQ(tiles.load(scene.t.root(), MapScene::kScenario), std::nullopt);
    const pictures::Surface map = paintWholeMap(tiles, {9, 9, 9});
    ASSERT_EQ(map.width(), 32 * 48);
    ASSERT_EQ(map.height(), 40 * 48);
    EXPECT_EQ(map.pixel(31 * 48, 39 * 48), cellColour(2, 31 % 3, 39 % 3));
    EXPECT_EQ(map.pixel(30 * 48 + 47, 47), (pictures::Rgb{9, 9, 9}));
    EXPECT_EQ(map.pixel(29 * 48 + 47, 47), cellColour(1, 0, 0));
    MapTiles none;
    EXPECT_EQ(paintWholeMap(none, {}).width(), 0);
}

}  // namespace
}  // namespace kestrel::scenario
