// The pictures the decode benchmarks share, made in memory: photo-like
// gradients with noise, and flat areas as in drawn game pictures.
#pragma once
#include <algorithm>

#include "picture_writers.hpp"

namespace kestrel::bench {

using pictures::peer::IndexedImage;
using pictures::peer::Lcg;

inline IndexedImage photoLike(int width, int height, std::uint32_t seed) {
    IndexedImage img{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height),
                     pictures::peer::randomPalette(256, seed)};
    Lcg rng(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int base = (x * 3 + y * 2) / 8 + ((x * y) >> 13);
            const int noisy = base + rng.below(5) - 2;
            img.pixels[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint8_t>(noisy & 0xFF);
        }
    for (int r = 0; r < 24; ++r) {
        const int w = 16 + rng.below(width / 4), h = 16 + rng.below(height / 4);
        const int x0 = rng.below(width - w), y0 = rng.below(height - h);
        const auto c = static_cast<std::uint8_t>(rng.below(256));
        for (int y = y0; y < y0 + h; ++y)
            std::fill_n(img.pixels.begin() + static_cast<std::ptrdiff_t>(y) * width + x0, w, c);
    }
    return img;
}

// Drawn art: flat shapes over banded shading, with outlines and a few
// dithered patches, the content PCX files usually hold.
inline IndexedImage drawnLike(int width, int height, std::uint32_t seed) {
    IndexedImage img{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height),
                     pictures::peer::randomPalette(256, seed)};
    Lcg rng(seed);
    auto at = [&](int x, int y) -> std::uint8_t& { return img.pixels[static_cast<std::size_t>(y) * width + x]; };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) at(x, y) = static_cast<std::uint8_t>(16 + (y / 6 + x / 97) % 32);
    for (int s = 0; s < 60; ++s) {
        const int w = 8 + rng.below(width / 5), h = 8 + rng.below(height / 5);
        const int x0 = rng.below(width - w), y0 = rng.below(height - h);
        const auto fill = static_cast<std::uint8_t>(rng.below(256));
        const auto outline = static_cast<std::uint8_t>(rng.below(256));
        const bool dithered = s % 6 == 0;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x) {
                const bool edge = x == x0 || y == y0 || x == x0 + w - 1 || y == y0 + h - 1;
                at(x, y) = edge ? outline : dithered && (x + y) % 2 ? static_cast<std::uint8_t>(fill ^ 0x21) : fill;
            }
    }
    return img;
}

}  // namespace kestrel::bench
