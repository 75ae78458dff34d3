#include "scenario/map_picture.hpp"

#include <algorithm>

#include "pictures/shrink.hpp"

namespace kestrel::scenario {

namespace {

constexpr int kTile = MapTiles::kTileSize;

// Full-size rows a band holds: whole tile rows when one fits, so that no tile
// is painted twice; else as many rows as fit, a multiple of the shrink.
int bandRows(int width, int height, int shrink, std::size_t bandBytes) {
    const std::size_t fit = bandBytes / (static_cast<std::size_t>(width) * sizeof(pictures::Rgb));
    int rows = static_cast<int>(std::min<std::size_t>(fit, static_cast<std::size_t>(height)));
    rows -= rows >= kTile ? rows % kTile : rows % shrink;
    return std::clamp(rows, shrink, height);
}

}  // namespace

void paintMapBand(MapTiles& tiles, pictures::Rgb background, const MapRect& region, int top, pictures::Surface& band) {
    // A block of tiles at a time, painted where it stays in the cache and then
    // copied down whole: a band is written row after row, not in 48-pixel
    // pieces far apart.
    constexpr int kBlockTiles = 32;
    pictures::Surface block(kBlockTiles * kTile, kTile);
    const int bottom = std::min(top + band.height(), region.h * kTile);
    for (int ty = top / kTile; ty * kTile < bottom; ++ty) {
        const int from = std::max(top, ty * kTile), to = std::min(bottom, (ty + 1) * kTile);
        for (int x0 = 0; x0 < region.w; x0 += kBlockTiles) {
            const int across = std::min(kBlockTiles, region.w - x0);
            block.fill({0, 0, across * kTile, kTile}, background);
            for (int x = x0; x < x0 + across; ++x)
                tiles.paintTile(block, {region.x + x, region.y + ty}, (x - x0) * kTile, 0);
            band.copyRect(block, {0, from - ty * kTile, across * kTile, to - from}, x0 * kTile, from - top);
        }
    }
}

bool writeMapPicture(MapTiles& tiles, pictures::Rgb background, const MapRect& region, int shrink,
                     pictures::PictureWriter& writer, std::size_t bandBytes) {
    const int width = region.w * kTile, height = region.h * kTile;
    const int rows = bandRows(width, height, shrink, bandBytes);
    pictures::Surface band(width, rows);
    pictures::Surface small(shrink > 1 ? width / shrink : 0, shrink > 1 ? rows / shrink : 0);
    const int bands = (height + rows - 1) / rows;
    for (int i = 0; i < bands; ++i) {
        const int top = (writer.bottomUp() ? bands - 1 - i : i) * rows;
        const int count = std::min(rows, height - top);
        paintMapBand(tiles, background, region, top, band);
        if (shrink > 1) pictures::shrinkRows(band, count, shrink, small);
        const bool written = shrink > 1 ? writer.rows(small, 0, count / shrink) : writer.rows(band, 0, count);
        if (!written) return false;
    }
    return writer.finish();
}

}  // namespace kestrel::scenario
