#include "scenario/placement_markers.hpp"

#include <algorithm>
#include <array>

namespace kestrel::scenario {

namespace {

constexpr std::array<pictures::Rgb, 9> kSideColours{{
    {255, 255, 255},  // 0 white
    {255, 255, 0},    // 1 yellow
    {255, 180, 0},    // 2 orange
    {255, 0, 0},      // 3 red
    {0, 255, 0},      // 4 green
    {0, 0, 200},      // 5 blue
    {0, 230, 230},    // 6 cyan
    {0, 0, 0},        // 7 black
    {128, 128, 128},  // 8 the neutrals, grey
}};
constexpr int kBlackSide = 7;
constexpr pictures::Rgb kBlack{0, 0, 0}, kRed{255, 0, 0};

template <class Record>
const Record* firstAt(std::span<const Record> records, MapPosition at) {
    const auto it = std::find_if(records.begin(), records.end(), [&](const Record& r) { return r.at == at; });
    return it == records.end() ? nullptr : &*it;
}

pictures::PixelRect inside(const pictures::PixelRect& r) { return {r.x + 1, r.y + 1, r.w - 2, r.h - 2}; }

void mark(pictures::Surface& client, const pictures::PixelRect& frame, int side) {
    const auto colour = sideMarkerColour(side);
    if (!colour) return;
    client.fill(inside(frame), *colour);
    client.frame(frame, sideMarkerFrame(side));
}

}  // namespace

std::optional<pictures::Rgb> sideMarkerColour(int side) {
    if (side < 0 || side >= static_cast<int>(kSideColours.size())) return std::nullopt;
    return kSideColours[static_cast<std::size_t>(side)];
}

pictures::Rgb sideMarkerFrame(int side) { return side == kBlackSide ? kRed : kBlack; }

pictures::PixelRect heroMarkerFrame(int left, int top) { return {left + 5, top + 5, 38, 38}; }

pictures::PixelRect armyMarkerFrame(int left, int top, int army) {
    const int column = army % 4, row = army / 4;
    return {left + 9 * column + 5, top + 18 * row + 5, 8, 16};
}

bool PlacementMarkers::marks(MapPosition at) const { return firstAt(heroes, at) || firstAt(armies, at); }

void PlacementMarkers::paint(MapPosition at, pictures::Surface& client, int left, int top) const {
    const HeroPlacement* hero = firstAt(heroes, at);
    const ArmyPlacement* army = firstAt(armies, at);
    if (hero && (!armiesFirst || !army)) {
        mark(client, heroMarkerFrame(left, top), hero->side);
    } else if (army) {
        // More bars than a group holds would leave the tile.
        const int bars = std::clamp<int>(army->number, 0, PlacementLimits::kMaxArmies);
        for (int n = 0; n < bars; ++n) mark(client, armyMarkerFrame(left, top, n), army->side);
    }
}

MarkerTest PlacementMarkers::test() const {
    return [markers = *this](MapPosition at) { return markers.marks(at); };
}

MarkerPainter PlacementMarkers::painter() const {
    return [markers = *this](MapPosition at, pictures::Surface& client, int left, int top) {
        markers.paint(at, client, left, top);
    };
}

}  // namespace kestrel::scenario
