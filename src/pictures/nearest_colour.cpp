#include "pictures/nearest_colour.hpp"

#include <cstdlib>

namespace kestrel::pictures {

int nearestColourIndex(std::span<const Rgb> palette, Rgb c) {
    for (std::size_t i = 0; i < palette.size(); ++i)
        if (palette[i] == c) return static_cast<int>(i);
    long best = 30000000;
    int bestIndex = 0;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const long dr = std::labs(long{palette[i].r} - c.r);
        const long dg = std::labs(long{palette[i].g} - c.g);
        const long db = std::labs(long{palette[i].b} - c.b);
        const long d = dr * dr + dg * dg + db * db;
        if (d < best) {
            best = d;
            bestIndex = static_cast<int>(i);
            if (d == 0) break;
        }
    }
    return bestIndex;
}

}  // namespace kestrel::pictures
