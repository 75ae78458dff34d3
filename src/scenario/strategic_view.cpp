#include "scenario/strategic_view.hpp"

#include <algorithm>
#include <string>

#include "pictures/game_picture.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/tile_map_view.hpp"

namespace kestrel::scenario {

StrategicView::StrategicView() = default;
StrategicView::~StrategicView() = default;

bool StrategicView::Create(const core::DataRoot& root, int left, int top, int width, int height,
                           std::string_view scenario, const TileMapView* tiles) {
    if (loaded()) return true;
    if (scenario.empty() || width <= 0 || height <= 0) return false;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    tiles_ = tiles;
    terrainColours_ = root.read(scenarioFile(scenario, kTerrainColoursFile), kTerrainColoursSize);
    picture_ = pictures::loadGamePicture(root, scenarioFile(scenario, "STRAT_S"));
    return loaded();
}

void StrategicView::Paint(pictures::Surface& client, bool withFrame) const {
    if (!picture_) return;
    picture_->Draw(0, 0, width_, height_, client, left_, top_);
    if (!withFrame || !tiles_ || !tiles_->loaded() || tiles_->mapWidth() <= 0 || tiles_->mapHeight() <= 0) return;
    const long w = tiles_->mapWidth(), h = tiles_->mapHeight();
    const int left = left_ + static_cast<int>(tiles_->origin().x * width_ / w);
    const int top = top_ + static_cast<int>(tiles_->origin().y * height_ / h);
    const int right = left + static_cast<int>(tiles_->tilesAcross() * width_ / w);
    const int bottom = top + static_cast<int>(tiles_->tilesDown() * height_ / h);
    // Each edge clipped to the picture: a map smaller than the tile view
    // would otherwise put the frame over the tiles.
    const auto edge = [&](int x0, int y0, int x1, int y1) {
        x0 = std::max(x0, left_);
        y0 = std::max(y0, top_);
        x1 = std::min(x1, left_ + width_);
        y1 = std::min(y1, top_ + height_);
        if (x0 < x1 && y0 < y1) client.fill({x0, y0, x1 - x0, y1 - y0}, kFrame);
    };
    if (right <= left || bottom <= top) return;
    edge(left, top, right, top + 1);
    edge(left, bottom - 1, right, bottom);
    edge(left, top, left + 1, bottom);
    edge(right - 1, top, right, bottom);
}

bool StrategicView::Contains(int px, int py) const {
    return px >= left_ && px < left_ + width_ && py >= top_ && py < top_ + height_;
}

MapPosition StrategicView::PositionAt(int px, int py) const {
    if (!loaded()) return {};
    const long w = tiles_ ? tiles_->mapWidth() : 0, h = tiles_ ? tiles_->mapHeight() : 0;
    return {static_cast<int>(w * (px - left_) / width_), static_cast<int>(h * (py - top_) / height_)};
}

}  // namespace kestrel::scenario
