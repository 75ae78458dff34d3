// The sample's map pictures, drawn from simple shapes: terrain sheets of
// 48 by 48 cells, road sheets, and the symbol sheet of cities, ruins and
// sites. Sprites stand on magenta, the colour the map views leave out.
#pragma once
#include <cstdint>
#include <vector>

#include "sample/indexed_image.hpp"

namespace kestrel::sample {

inline constexpr int kMapCell = 48;
inline constexpr std::uint8_t kMapTransparent = 255;  // magenta in every map picture

// 8 by 4 cells; the tile's variant picks one (column bits 0-2, row bits 3-4).
enum class GroundLook { Grass, Sea, Hills, Marsh, Sand, Snow };
IndexedImage drawGroundSheet(GroundLook look);

// Blocks of 3 by 3 cells, six to a row; a 3 by 3 group of tiles shows one
// block whole.
enum class BlockLook { Forest, Mountains };
IndexedImage drawBlockSheet(BlockLook look, int blocks = 6);

// 8 by 4 cells on magenta; cell (column, row) joins the tile's centre to the
// edges of the bits of roadJoins(column, row).
enum class RoadLook { Paved, Track };
inline constexpr int kRoadNorth = 1, kRoadEast = 2, kRoadSouth = 4, kRoadWest = 8;
IndexedImage drawRoadSheet(RoadLook look);
inline int roadJoins(int column, int row) { return (row * 8 + column) & 15; }
// The first cell that joins these edges: column, then row.
inline int roadColumnFor(int joins) { return joins & 7; }
inline int roadRowFor(int joins) { return (joins >> 3) & 1; }

// 144 by 96 on magenta: a walled city over the four cells at (0, 0), (48, 0),
// (0, 48) and (48, 48), a ruin at (96, 0) and a site at (96, 48).
IndexedImage drawSymbolSheet();

// A strategic overview of a map, `width` by `height` pixels: each pixel takes
// the look of the tile under it, so the picture matches the map it shows.
enum class OverviewLook : std::uint8_t { Sea, Grass, Hills, Forest, Road };
IndexedImage drawMapOverview(const std::vector<OverviewLook>& tiles, int mapWidth, int mapHeight, int width,
                             int height);

}  // namespace kestrel::sample
