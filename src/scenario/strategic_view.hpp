// The small strategic view of the position picker: the scenario's STRAT_S
// overview of the whole map, with a white frame round the part that the
// tile map view shows. A click on it scrolls the tile map view.
#pragma once
#include <memory>
#include <optional>
#include <string_view>

#include "core/bytes.hpp"
#include "core/data_root.hpp"
#include "pictures/picture.hpp"
#include "scenario/map_position.hpp"

namespace kestrel::scenario {

class TileMapView;

inline constexpr std::string_view kTerrainColoursFile = "TERRCOL.DAT";
inline constexpr std::size_t kTerrainColoursSize = 1942;

class StrategicView {
public:
    static constexpr pictures::Rgb kFrame{255, 255, 255};

    StrategicView();
    ~StrategicView();

    // Loads STRAT_S of the scenario (BMP, else PCX); false when it cannot be
    // had. The picture is shown at (left, top) in `width` by `height` pixels.
    // A loaded view returns true at once.
    bool Create(const core::DataRoot& root, int left, int top, int width, int height, std::string_view scenario,
                const TileMapView* tiles);
    bool loaded() const { return picture_ != nullptr; }

    // The picture, then, when asked, the frame of the tiles the tile map
    // view shows, kept inside the picture.
    void Paint(pictures::Surface& client, bool withFrame = true) const;
    bool Contains(int px, int py) const;
    // The map position under a pixel of the picture, by the tile map view's map size.
    MapPosition PositionAt(int px, int py) const;

    // TERRCOL.DAT as read when created (not interpreted), when there was one.
    const std::optional<core::Bytes>& terrainColours() const { return terrainColours_; }

private:
    std::unique_ptr<pictures::Picture> picture_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    const TileMapView* tiles_ = nullptr;
    std::optional<core::Bytes> terrainColours_;
};

}  // namespace kestrel::scenario
