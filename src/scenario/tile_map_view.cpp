#include "scenario/tile_map_view.hpp"

#include <algorithm>

namespace kestrel::scenario {

bool TileMapView::Create(const core::DataRoot& root, int left, int top, int width, int height,
                         std::string_view scenario, StrategicView* strategic, MarkerTest markerTest,
                         MarkerPainter markerPainter) {
    if (loaded()) return true;
    if (scenario.empty()) return false;
    left_ = left;
    top_ = top;
    across_ = std::max(0, width) / kTileSize;
    down_ = std::max(0, height) / kTileSize;
    width_ = across_ * kTileSize;
    height_ = down_ * kTileSize;
    strategic_ = strategic;
    markerTest_ = std::move(markerTest);
    markerPainter_ = std::move(markerPainter);
    return !tiles_.load(root, scenario);
}

void TileMapView::clampOrigin() {
    // At least 0 first, then at most the last origin (not std::clamp: the
    // bounds cross for a map narrower than the view, which ends with a
    // negative origin and shows the map at the right).
    origin_.x = std::min(std::max(origin_.x, 0), tiles_.width() - across_);
    origin_.y = std::min(std::max(origin_.y, 0), tiles_.height() - down_);
}

void TileMapView::ScrollTo(int originX, int originY) {
    if (!loaded()) return;
    if (originX >= 0) origin_.x = originX;
    if (originY >= 0) origin_.y = originY;
    clampOrigin();
}

void TileMapView::CentreOn(MapPosition at) {
    if (!loaded()) return;
    origin_ = {at.x - across_ / 2, at.y - down_ / 2};
    clampOrigin();
}

void TileMapView::Paint(pictures::Surface& client, int originX, int originY) {
    if (!loaded()) return;
    ScrollTo(originX, originY);
    for (int r = 0; r < down_; ++r)
        for (int c = 0; c < across_; ++c) {
            const MapPosition at{origin_.x + c, origin_.y + r};
            const int left = left_ + c * kTileSize, top = top_ + r * kTileSize;
            if (!tiles_.onMap(at)) continue;
            tiles_.paintTile(client, at, left, top);
            if (markerTest_ && markerPainter_ && markerTest_(at)) markerPainter_(at, client, left, top);
        }
}

bool TileMapView::Contains(int px, int py) const {
    return px >= left_ && px < left_ + width_ && py >= top_ && py < top_ + height_;
}

MapPosition TileMapView::PositionAt(int px, int py) const {
    return {origin_.x + (px - left_) / kTileSize, origin_.y + (py - top_) / kTileSize};
}

}  // namespace kestrel::scenario
