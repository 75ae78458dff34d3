// The map painted and written in bands: wherever a band ends, even inside a
// tile, the pixels and the file's bytes are those of one band.
#include "scenario/map_picture.hpp"

#include <gtest/gtest.h>

#include "scenario/map_scene.hpp"

namespace kestrel::scenario {
namespace {

using testing::cellColour;
using testing::MapScene;

constexpr pictures::Rgb kBackground{9, 9, 9};

// A map with a city, a ruin, a road and tiles no picture paints.
MapTiles paintedScene(MapScene& scene) {
    scene.setCell(3, 1, [](MapCell& c) { c.setTerrainSlot(12), c.setVariant(7); });
    scene.setCell(5, 2, [](MapCell& c) { c.setTerrainSlot(4); });
    scene.setCell(6, 3, [](MapCell& c) { c.setOverlayKind(1), c.setRoadColumn(2), c.setRoadRow(1); });
    scene.cities({{"Port", 1, 2}});
    scene.ruins({{"Crypt", 7, 0}});
    MapTiles tiles;
    EXPECT_EQ(tiles.load(scene.t.root(), MapScene::kScenario), std::nullopt);
    return tiles;
}

pictures::Surface oneBand(MapTiles& tiles, const MapRect& region) {
    pictures::Surface whole(region.w * 48, region.h * 48);
    paintMapBand(tiles, kBackground, region, 0, whole);
    return whole;
}

TEST(MapBands, ABandEndingInsideATileGivesTheRowsOfOneBand) {
    MapScene scene;
    MapTiles tiles = paintedScene(scene);
    const MapRect region{1, 0, 7, 4};
    const pictures::Surface whole = oneBand(tiles, region);
    EXPECT_EQ(whole.pixel(0, 0), cellColour(1, 0, 0));            // tile (1, 0)
    EXPECT_EQ(whole.pixel(2 * 48, 48), cellColour(2, 3, 4));      // block 7, cell (0, 1) of it
    EXPECT_EQ(whole.pixel(4 * 48 + 5, 2 * 48 + 5), kBackground);  // slot 4 has no picture
    for (const int rows : {20, 48, 70}) {
        for (int top = 0; top < whole.height(); top += rows) {
            pictures::Surface band(whole.width(), rows, {1, 2, 3});
            paintMapBand(tiles, kBackground, region, top, band);
            for (int y = 0; y < rows; ++y)
                for (int x = 0; x < band.width(); x += 7) {
                    const pictures::Rgb want =
                        top + y < whole.height() ? whole.pixel(x, top + y) : pictures::Rgb{1, 2, 3};
                    ASSERT_EQ(band.pixel(x, y), want) << rows << " rows, pixel " << x << "," << top + y;
                }
        }
    }
}

core::Bytes written(MapTiles& tiles, pictures::PictureFormat format, const MapRect& region, int shrink,
                    std::size_t bandBytes) {
    core::Bytes out;
    auto writer = pictures::makePictureWriter(format, mapPixels(region.w, shrink), mapPixels(region.h, shrink),
                                              [&out](std::span<const std::uint8_t> b) {
                                                  out.insert(out.end(), b.begin(), b.end());
                                                  return true;
                                              });
    EXPECT_TRUE(writeMapPicture(tiles, kBackground, region, shrink, *writer, bandBytes));
    return out;
}

TEST(MapBands, TheFileIsTheSameWhateverTheBandsInEitherRowOrder) {
    MapScene scene;
    MapTiles tiles = paintedScene(scene);
    const MapRect region{0, 0, 8, 5};
    const core::Bytes bmp = written(tiles, pictures::PictureFormat::Bmp, region, 1, kMapBandBytes);
    EXPECT_EQ(bmp, oneBand(tiles, region).toBmp());
    const std::size_t row = 8 * 48 * 3;
    for (const std::size_t bandBytes : {row, 20 * row, 48 * row + 1, 100 * row}) {
        EXPECT_EQ(written(tiles, pictures::PictureFormat::Bmp, region, 1, bandBytes), bmp) << bandBytes / row;
        for (const pictures::PictureFormat format : {pictures::PictureFormat::Bmp, pictures::PictureFormat::Png})
            for (const int shrink : {2, 8})
                EXPECT_EQ(written(tiles, format, region, shrink, bandBytes),
                          written(tiles, format, region, shrink, kMapBandBytes))
                    << bandBytes / row << " rows, 1/" << shrink;
    }
    // Failing writers are told apart.
    const auto refusing = pictures::makeBmpWriter(8 * 48, 5 * 48, [](std::span<const std::uint8_t>) { return false; });
    EXPECT_FALSE(writeMapPicture(tiles, kBackground, region, 1, *refusing));
}

}  // namespace
}  // namespace kestrel::scenario
