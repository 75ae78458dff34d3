#include "scenario/position_picker.hpp"

#include "resources/layouts.hpp"
#include "scenario/map_location.hpp"
#include "ui/host.hpp"

namespace kestrel::scenario {

PositionPicker::PositionPicker(ui::Host& host, const core::DataRoot& root, std::string scenario)
    : ui::Dialog(host, resources::kPositionPicker), root_(root), scenario_(std::move(scenario)) {}

int PositionPicker::PickPosition(int startX, int startY, MarkerTest markerTest, MarkerPainter markerPainter) {
    if (startX >= 0) selected_.x = startX;
    if (startY >= 0) selected_.y = startY;
    callerTest_ = std::move(markerTest);
    callerPainter_ = std::move(markerPainter);
    const MapPosition before = selected_;
    const int result = host().runModal(*this);
    if (result != ui::kIdOk) selected_ = before;
    return result;
}

void PositionPicker::onInit() {
    dragging_ = false;
    const auto test = [this](MapPosition at) { return marked(at); };
    const auto painter = [this](MapPosition at, pictures::Surface& client, int left, int top) {
        paintMarker(at, client, left, top);
    };
    if (!tiles_.Create(root_, kTilesLeft, kTilesTop, kTilesWidth, kTilesHeight, scenario_, &strategic_, test, painter))
        host().error(kMapDisplayError);
    if (!strategic_.Create(root_, kStrategicLeft, kStrategicTop, kStrategicWidth, kStrategicHeight, scenario_, &tiles_))
        host().error(kStrategicDisplayError);
    tiles_.CentreOn(selected_);
}

bool PositionPicker::marked(MapPosition at) const {
    if (at == selected_) return true;
    return callerTest_ && callerTest_(at);
}

void PositionPicker::paintMarker(MapPosition at, pictures::Surface& client, int left, int top) const {
    if (callerPainter_) callerPainter_(at, client, left, top);
    if (at != selected_) return;
    // Two pixels wide inside the tile: (left + 1, top + 1) to (left + 47,
    // top + 47) and one pixel smaller, right and bottom edges excluded.
    const int side = TileMapView::kTileSize - 2;
    client.frame({left + 1, top + 1, side, side}, kSelectedFrame);
    client.frame({left + 2, top + 2, side - 2, side - 2}, kSelectedFrame);
}

void PositionPicker::onPaint(pictures::Surface& client) {
    tiles_.Paint(client, -1, -1);
    strategic_.Paint(client, true);
}

void PositionPicker::scrollFromPicture(int px, int py) {
    const MapPosition first = strategic_.PositionAt(px, py);
    tiles_.ScrollTo(first.x, first.y);
    invalidate();
}

void PositionPicker::onMouse(const ui::MouseEvent& event) {
    using Kind = ui::MouseEvent::Kind;
    // Only a view that shows something answers: a tile of a map that could
    // not be read, or beside a narrow map, is no position to choose.
    const bool onTiles = tiles_.loaded() && tiles_.Contains(event.x, event.y) &&
                         tiles_.IsOnMap(tiles_.PositionAt(event.x, event.y));
    const bool onPicture = strategic_.loaded() && strategic_.Contains(event.x, event.y);
    switch (event.kind) {
        case Kind::LeftDown:
            dragging_ = true;
            if (onTiles) {
                selected_ = tiles_.PositionAt(event.x, event.y);
                end(ui::kIdOk);
            } else if (onPicture) {
                scrollFromPicture(event.x, event.y);
            }
            break;
        case Kind::Move:
            if (dragging_ && onPicture) scrollFromPicture(event.x, event.y);
            break;
        case Kind::Release: dragging_ = false; break;
        case Kind::RightDown:
            if (onTiles)
                ShowMapLocation(host(), root_, scenario_, tiles_.PositionAt(event.x, event.y));
            else if (onPicture)
                ShowMapLocation(host(), root_, scenario_, strategic_.PositionAt(event.x, event.y));
            break;
    }
}

}  // namespace kestrel::scenario
