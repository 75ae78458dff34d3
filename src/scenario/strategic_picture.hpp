// The large strategic picture (STRAT_L) of the city, ruin and site editors:
// the whole map in 200 by 250 pixels at (20, 20), with a marker per record.
#pragma once
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "core/data_root.hpp"
#include "pictures/picture.hpp"
#include "scenario/map_position.hpp"

namespace kestrel::ui {
class Host;
}

namespace kestrel::scenario {

inline constexpr std::string_view kStrategicFindError = "Error finding file STRAT_L";
inline constexpr std::string_view kPictureLoadError = "Error loading picture";
inline constexpr std::string_view kMapMissingError = "Map file not found (MAP.DAT)!";

class LargeStrategicPicture {
public:
    static constexpr int kLeft = 20, kTop = 20, kWidth = 200, kHeight = 250;
    static constexpr int kMarkerBefore = 5, kMarkerAfter = 8;  // the marker spans px-5 .. px+8, right edge excluded
    static constexpr pictures::Rgb kRed{255, 0, 0}, kWhite{255, 255, 255};

    // Loads STRAT_L and the map's size, showing the messages of each failure.
    // False when the picture could not be had: the dialog then holds no data.
    bool load(ui::Host& host, const core::DataRoot& root, std::string_view scenario);
    bool loaded() const { return picture_ != nullptr; }
    int mapWidth() const { return width_; }
    int mapHeight() const { return height_; }

    // The pixel of a map position, and the map position of a pixel inside the
    // picture (nothing outside it).
    MapPosition pixelOf(MapPosition at) const;
    std::optional<MapPosition> positionAt(int px, int py) const;

    // The picture, then a marker per position in order: the current one red
    // framed white, the others white framed red. `current` may be -1.
    void paint(pictures::Surface& client, std::span<const MapPosition> markers, int current) const;

private:
    std::unique_ptr<pictures::Picture> picture_;
    int width_ = 32;
    int height_ = 40;
};

}  // namespace kestrel::scenario
