// A position on the map, in whole tiles.
#pragma once
#include <ostream>

namespace kestrel::scenario {

struct MapPosition {
    int x = 0;
    int y = 0;
    bool operator==(const MapPosition&) const = default;
};

// A rectangle of whole tiles: its top-left tile, then its width and height.
struct MapRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const MapRect&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const MapPosition& p) {
    return out << "(" << p.x << ", " << p.y << ")";
}

}  // namespace kestrel::scenario
