#include "pictures/shrink.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kestrel::pictures {

void shrinkRows(const Surface& from, int rows, int factor, Surface& to) {
    const int width = to.width();
    if (factor < 1 || width * factor > from.width() || rows > from.height() || rows / factor > to.height()) return;
    const unsigned count = static_cast<unsigned>(factor * factor);
    std::vector<std::uint32_t> sums(static_cast<std::size_t>(width) * 3);
    const Rgb* pixels = from.pixels().data();
    for (int y = 0; y < rows / factor; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int dy = 0; dy < factor; ++dy) {
            const Rgb* row =
                pixels + static_cast<std::size_t>(y * factor + dy) * static_cast<std::size_t>(from.width());
            for (int x = 0; x < width; ++x) {
                std::uint32_t* sum = &sums[static_cast<std::size_t>(x) * 3];
                for (int dx = 0; dx < factor; ++dx, ++row) {
                    sum[0] += row->r;
                    sum[1] += row->g;
                    sum[2] += row->b;
                }
            }
        }
        for (int x = 0; x < width; ++x) {
            const std::uint32_t* sum = &sums[static_cast<std::size_t>(x) * 3];
            const auto mean = [count](std::uint32_t s) { return static_cast<std::uint8_t>((s + count / 2) / count); };
            to.setPixel(x, y, {mean(sum[0]), mean(sum[1]), mean(sum[2])});
        }
    }
}

}  // namespace kestrel::pictures
