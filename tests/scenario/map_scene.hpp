// A scenario for the map views: MAP.DAT, TERRAIN.DAT, pictures whose every
// 48 by 48 cell has its own colour (so a painted pixel tells which cell of
// which picture it came from) and the records of cities, ruins and sites.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include "core/le.hpp"
#include "pictures/surface.hpp"
#include "sample/pcx_writer.hpp"
#include "scenario/map_file.hpp"
#include "scenario/scenario_terrain.hpp"
#include "support/temp_root.hpp"

namespace kestrel::scenario::testing {

inline constexpr pictures::Rgb kMagenta{255, 0, 255};
inline constexpr int kSymbolTag = 30;

inline pictures::Rgb cellColour(int tag, int column, int row) {
    return {static_cast<std::uint8_t>(8 * tag), static_cast<std::uint8_t>(10 * column), static_cast<std::uint8_t>(10 * row + 5)};
}

// Columns x rows cells; with holes, each cell has a magenta 8 by 8 square at (20, 20).
inline core::Bytes cellPicture(int tag, int columns, int rows, bool holes = false) {
    sample::IndexedImage img = sample::IndexedImage::blank(columns * 48, rows * 48, 0, {});
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const auto index = static_cast<std::uint8_t>(1 + r * columns + c);
            const pictures::Rgb colour = cellColour(tag, c, r);
            img.palette[index] = {colour.r, colour.g, colour.b};
            sample::fillRect(img, c * 48, r * 48, 48, 48, index);
            if (holes) sample::fillRect(img, c * 48 + 20, r * 48 + 20, 8, 8, 255);
        }
    img.palette[255] = {255, 0, 255};
    return sample::encodePcx8(img);
}

// A strategic picture of one blue: STRAT_L is 200 by 250, STRAT_S 100 by 125.
inline void writeBluePicture(const kestrel::testing::TempRoot& t, const std::string& name, int width, int height) {
    sample::Palette palette{};
    palette[1] = {0, 0, 200};
    t.write("SCENARIO/ISLE/" + name + ".PCX",
            sample::encodePcx8(sample::IndexedImage::blank(width, height, 1, palette)));
}

inline void expectPixels(const pictures::Surface& s, std::initializer_list<std::tuple<int, int, pictures::Rgb>> want) {
    for (const auto& [x, y, colour] : want) EXPECT_EQ(s.pixel(x, y), colour) << x << "," << y;
}

// A count and records of `size` bytes with a name at 0 and x, y at `at`.
inline core::Bytes placedFile(std::size_t size, std::size_t at, const std::vector<std::tuple<std::string, int, int>>& records) {
    core::Bytes file(2 + records.size() * size, 0);
    core::putS16(file, 0, static_cast<std::int16_t>(records.size()));
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& [name, x, y] = records[i];
        std::copy(name.begin(), name.end(), file.begin() + static_cast<std::ptrdiff_t>(2 + i * size));
        core::putS16(file, 2 + i * size + at, static_cast<std::int16_t>(x));
        core::putS16(file, 2 + i * size + at + 2, static_cast<std::int16_t>(y));
    }
    return file;
}

class MapScene {
public:
    static constexpr const char* kScenario = "ISLE";

    // A map of the size, every tile slot 0 variant 0, the symbol sheet, and
    // terrain pictures for slots 0 (tag 1, 8 x 4 cells) and 12 (tag 2, 18 x 6).
    explicit MapScene(int sizeIndex = 0) : map_(newMapFile(mapSizes()[static_cast<std::size_t>(sizeIndex)])) {
        t.mkdir("SCENARIO/ISLE");
        saveMap();
        t.write("WSDATA/PICTS.PCX", cellPicture(kSymbolTag, 3, 2, true));
        t.write("TERRAIN/DATA/GRID.PCX", cellPicture(1, 8, 4));
        t.write("TERRAIN/DATA/BLOCKS.PCX", cellPicture(2, 18, 6));
        t.write("TERRAIN/DATA/PAVED.PCX", cellPicture(3, 8, 4, true));
        terrain.terrain[0] = "GRID";
        terrain.terrain[12] = "BLOCKS";
        terrain.roads[0] = "PAVED";
        saveTerrain();
    }

    MapHeader header() const { return readMapHeader(map_); }
    void setCell(int x, int y, const std::function<void(MapCell&)>& change) {
        const std::size_t at = mapCellOffset(header(), x, y);
        MapCell cell = readMapCell(map_, at);
        change(cell);
        putMapCell(map_, at, cell);
        saveMap();
    }
    void setMap(core::Bytes map) {
        map_ = std::move(map);
        saveMap();
    }
    void saveTerrain() { t.write("SCENARIO/ISLE/TERRAIN.DAT", writeScenarioTerrain(terrain)); }
    void cities(const std::vector<std::tuple<std::string, int, int>>& records) {
        t.write("SCENARIO/ISLE/CITY.DAT", placedFile(208, 162, records));
    }
    void ruins(const std::vector<std::tuple<std::string, int, int>>& records) {
        t.write("SCENARIO/ISLE/RUIN.DAT", placedFile(192, 148, records));
    }
    void sites(const std::vector<std::tuple<std::string, int, int>>& records) {
        t.write("SCENARIO/ISLE/SITE.DAT", placedFile(154, 148, records));
    }

    kestrel::testing::TempRoot t;
    ScenarioTerrain terrain;

private:
    void saveMap() { t.write("SCENARIO/ISLE/MAP.DAT", map_); }
    core::Bytes map_;
};

}  // namespace kestrel::scenario::testing
