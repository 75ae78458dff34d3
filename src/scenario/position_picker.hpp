// The position picker "Select XY Coord": 7 by 6 map tiles beside the small
// strategic picture. A left click on a tile chooses it and closes the dialog
// as OK; a click or drag on the picture scrolls the tiles; a right click on
// either tells what lies there. The placement editors open it modally.
#pragma once
#include <string>
#include <string_view>

#include "core/data_root.hpp"
#include "scenario/map_position.hpp"
#include "scenario/strategic_view.hpp"
#include "scenario/tile_map_view.hpp"
#include "ui/dialog.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kMapDisplayError = "Error creating map display";
inline constexpr std::string_view kStrategicDisplayError = "Error creating strat display";

class PositionPicker : public ui::Dialog {
public:
    // Where the two views lie in the client area, in pixels.
    static constexpr int kTilesLeft = 12, kTilesTop = 11, kTilesWidth = 336, kTilesHeight = 288;
    static constexpr int kStrategicLeft = 360, kStrategicTop = 11, kStrategicWidth = 100, kStrategicHeight = 125;
    static constexpr pictures::Rgb kSelectedFrame{255, 0, 0};

    PositionPicker(ui::Host& host, const core::DataRoot& root, std::string scenario);

    // Runs the dialog modally from the start position (a negative coordinate
    // keeps the one held, first 0, 0) and returns kIdOk or kIdCancel. The
    // caller's markers are drawn on the tiles; the selected tile is framed red.
    int PickPosition(int startX, int startY, MarkerTest markerTest = {}, MarkerPainter markerPainter = {});
    // After OK, the chosen tile.
    MapPosition selected() const { return selected_; }

    void onInit() override;
    void onPaint(pictures::Surface& client) override;
    void onMouse(const ui::MouseEvent& event) override;

private:
    bool marked(MapPosition at) const;
    void paintMarker(MapPosition at, pictures::Surface& client, int left, int top) const;
    // Makes the picture's position the first tile shown.
    void scrollFromPicture(int px, int py);

    const core::DataRoot& root_;
    std::string scenario_;
    MapPosition selected_;
    TileMapView tiles_;
    StrategicView strategic_;
    bool dragging_ = false;
    MarkerTest callerTest_;
    MarkerPainter callerPainter_;
};

}  // namespace kestrel::scenario
