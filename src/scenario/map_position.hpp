// A position on the map, in whole tiles.
#pragma once
#include <ostream>

namespace kestrel::scenario {

struct MapPosition {
    int x = 0;
    int y = 0;
    bool operator==(const MapPosition&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const MapPosition& p) {
    return out << "(" << p.x << ", " << p.y << ")";
}

}  // namespace kestrel::scenario
