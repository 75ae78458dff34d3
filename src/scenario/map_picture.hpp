// A scenario's map as a picture file of any size: painted and written a band
// of rows at a time, so that memory stays the same however large the map.
#pragma once
#include <cstddef>

#include "pictures/picture_writer.hpp"
#include "pictures/surface.hpp"
#include "scenario/map_position.hpp"
#include "scenario/map_tiles.hpp"

namespace kestrel::scenario {

// Full-size pixels painted at once: a few MB, far below the largest map's 141.
inline constexpr std::size_t kMapBandBytes = std::size_t{8} << 20;

// Pixel rows `top` to top + band.height() - 1 of the tiles `region` at 48
// pixels a tile, into `band` (region.w * 48 wide), on `background` where
// nothing paints. Rows below the region are left as they are.
void paintMapBand(MapTiles& tiles, pictures::Rgb background, const MapRect& region, int top, pictures::Surface& band);

// Pixels across `tiles` tiles shrunk by `shrink` (1, 2, 4 or 8).
inline int mapPixels(int tiles, int shrink) { return tiles * MapTiles::kTileSize / shrink; }

// The tiles of `region` shrunk by `shrink`, into `writer` (made for
// mapPixels(region.w) x mapPixels(region.h)), painted in bands of at most
// `bandBytes` of full-size pixels. False when the writer fails.
bool writeMapPicture(MapTiles& tiles, pictures::Rgb background, const MapRect& region, int shrink,
                     pictures::PictureWriter& writer, std::size_t bandBytes = kMapBandBytes);

}  // namespace kestrel::scenario
