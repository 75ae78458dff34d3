// The tile map view of the position picker: a window of whole map tiles,
// 48 by 48 pixels each, painted from the map and the scenario's pictures,
// with markers that the caller decides on.
#pragma once
#include <functional>
#include <string_view>

#include "core/data_root.hpp"
#include "pictures/surface.hpp"
#include "scenario/map_position.hpp"
#include "scenario/map_tiles.hpp"

namespace kestrel::scenario {

class StrategicView;

// Whether a tile carries a marker, and how to paint it over the tile whose
// top-left corner is at (left, top) of the client area.
using MarkerTest = std::function<bool(MapPosition)>;
using MarkerPainter = std::function<void(MapPosition, pictures::Surface&, int left, int top)>;

class TileMapView {
public:
    static constexpr int kTileSize = MapTiles::kTileSize;

    // Reads the map, the scenario's terrain names, cities, ruins and sites,
    // and loads the pictures; false when MAP.DAT or a named picture cannot be
    // had. A loaded view returns true at once.
    bool Create(const core::DataRoot& root, int left, int top, int width, int height, std::string_view scenario,
                StrategicView* strategic, MarkerTest markerTest = {}, MarkerPainter markerPainter = {});
    bool loaded() const { return tiles_.loaded(); }

    // Scrolls (a negative coordinate keeps that one; the origin is clamped
    // to the map) and paints every tile of the view; nothing unless loaded.
    void Paint(pictures::Surface& client, int originX = -1, int originY = -1);
    // As Paint, without painting.
    void ScrollTo(int originX, int originY);
    // Puts the position near the middle of the view, clamped; does not paint.
    void CentreOn(MapPosition at);

    bool Contains(int px, int py) const;
    MapPosition PositionAt(int px, int py) const;
    // A map narrower or lower than the view shows tiles outside it.
    bool IsOnMap(MapPosition at) const { return tiles_.onMap(at); }

    MapPosition origin() const { return origin_; }
    int tilesAcross() const { return across_; }
    int tilesDown() const { return down_; }
    int mapWidth() const { return tiles_.width(); }
    int mapHeight() const { return tiles_.height(); }
    StrategicView* strategicView() const { return strategic_; }

private:
    void clampOrigin();

    MapTiles tiles_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int across_ = 0, down_ = 0;
    MapPosition origin_;
    StrategicView* strategic_ = nullptr;
    MarkerTest markerTest_;
    MarkerPainter markerPainter_;
};

}  // namespace kestrel::scenario
