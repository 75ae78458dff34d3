// What painting a scenario's map tiles takes, and the painting of one tile:
// MAP.DAT's tile block, the terrain and road pictures that the scenario's
// TERRAIN.DAT names, the symbol sheet WSDATA\PICTS and the positions of the
// cities, ruins and sites. The tile map view and render-map both paint here.
#pragma once
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/bytes.hpp"
#include "core/data_root.hpp"
#include "pictures/display.hpp"
#include "pictures/picture.hpp"
#include "pictures/surface.hpp"
#include "scenario/map_file.hpp"
#include "scenario/map_position.hpp"
#include "scenario/scenario_terrain.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kSymbolSheet = "WSDATA\\PICTS";
inline constexpr std::string_view kTerrainPictures = "TERRAIN\\DATA\\";

// Where a tile's terrain comes from: the cell of its terrain picture.
struct TerrainCell {
    int column = 0, row = 0;
    bool operator==(const TerrainCell&) const = default;
};
// Slots up to 10 take column and row from the variant's bits; the others
// are drawn in blocks of 3 by 3 cells, six blocks to a row, and the map
// position picks the cell inside the variant's block.
TerrainCell terrainCell(int slot, int variant, MapPosition at);

class MapTiles {
public:
    static constexpr int kTileSize = 48;
    static constexpr int kTerrainSlots = static_cast<int>(ScenarioTerrainLayout::kSlots);
    static constexpr int kRoadTypes = static_cast<int>(ScenarioTerrainLayout::kRoads);
    static constexpr pictures::Rgb kTransparent{255, 0, 255};

    MapTiles();
    ~MapTiles();
    MapTiles(MapTiles&&) noexcept;
    MapTiles& operator=(MapTiles&&) noexcept;

    // Reads everything; on failure tells what could not be had ("cannot read
    // SCENARIO\X\MAP.DAT") and holds nothing. Missing TERRAIN.DAT, CITY.DAT,
    // RUIN.DAT or SITE.DAT are no failure: nothing of theirs is painted.
    std::optional<std::string> load(const core::DataRoot& root, std::string_view scenario,
                                    const pictures::Display& display = pictures::Display::trueColour());
    bool loaded() const { return loaded_; }

    const MapHeader& header() const { return header_; }
    // Of MAP.DAT as read: its missing tiles paint as zero (see mapFileFault).
    std::size_t fileSize() const { return fileSize_; }
    int width() const { return header_.width; }
    int height() const { return header_.height; }
    // Inside the map's width and height and inside the tile block.
    bool onMap(MapPosition at) const;
    MapCell cell(MapPosition at) const;

    // Terrain, then the city quarter, ruin or site, or the road; nothing for
    // a position off the map. (left, top) is the tile's corner in `target`.
    void paintTile(pictures::Surface& target, MapPosition at, int left, int top);

private:
    void paintSymbols(pictures::Surface& target, MapPosition at, int left, int top);
    // The cell of a terrain picture in one piece, or none when the picture
    // does not hold it whole.
    const pictures::Surface* terrainPiece(int slot, TerrainCell cell);

    bool loaded_ = false;
    MapHeader header_;
    std::size_t fileSize_ = 0;
    core::Bytes block_;  // row stride x height cells
    std::array<std::unique_ptr<pictures::Picture>, kTerrainSlots> terrain_;
    std::array<std::unique_ptr<pictures::Picture>, kRoadTypes> roads_;
    std::unique_ptr<pictures::Picture> symbols_;
    // Terrain cells drawn out of their pictures once, 48 by 48 pixels in one
    // piece: a big picture's rows lie on many memory pages, and reaching 48
    // of them for every tile costs more than copying the tile.
    std::unordered_map<std::uint32_t, pictures::Surface> pieces_;
    // What each tile with a symbol shows, sorted by position: the quarter of
    // the first city that covers it, else a ruin on it, else a site.
    struct Symbol {
        int y, x;
        MapPosition cell;  // of the symbol sheet
    };
    std::vector<Symbol> symbolAt_;
};

// Maps with more tiles are not painted whole: their picture would not fit in memory.
inline constexpr long kMostTilesPainted = 32768;
// Loaded, at least one tile and at most kMostTilesPainted.
bool canPaintWhole(const MapTiles& tiles);
// The whole map, a tile of 48 by 48 pixels per map position, on `background`
// where nothing paints. Empty for a map that cannot be painted whole.
pictures::Surface paintWholeMap(MapTiles& tiles, pictures::Rgb background);
// The same into a surface of the map's size; false (and nothing painted) when
// the map cannot be painted whole or the surface has another size.
bool paintWholeMap(MapTiles& tiles, pictures::Rgb background, pictures::Surface& map);

}  // namespace kestrel::scenario
