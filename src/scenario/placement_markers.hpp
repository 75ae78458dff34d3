// The markers that the army and hero placement dialogs hand to the position
// picker: a coloured square for a hero, small upright bars, four to a row,
// for a group of armies, in the colour of the record's side.
#pragma once
#include <optional>
#include <span>

#include "pictures/surface.hpp"
#include "scenario/map_position.hpp"
#include "scenario/placement_files.hpp"
#include "scenario/tile_map_view.hpp"

namespace kestrel::scenario {

// The colour of a side's markers; none for a side beyond 0 to 8.
std::optional<pictures::Rgb> sideMarkerColour(int side);
// Black, but red for side 7, whose markers are black.
pictures::Rgb sideMarkerFrame(int side);

// Relative to the tile's top-left corner; right and bottom edges excluded.
pictures::PixelRect heroMarkerFrame(int left, int top);
pictures::PixelRect armyMarkerFrame(int left, int top, int army);  // army 0 to 7

// The heroes and armies of the two files, which of them a tile shows first.
struct PlacementMarkers {
    std::span<const HeroPlacement> heroes;
    std::span<const ArmyPlacement> armies;
    bool armiesFirst = false;  // the army placement dialog's order

    bool marks(MapPosition at) const;
    // The first record of the kind that goes first at that position, else the
    // first of the other kind; nothing for a side without a colour.
    void paint(MapPosition at, pictures::Surface& client, int left, int top) const;

    MarkerTest test() const;
    MarkerPainter painter() const;
};

}  // namespace kestrel::scenario
