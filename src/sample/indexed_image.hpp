// A paletted picture and the few shapes the bundled sample art is drawn with.
// Every drawing call clips to the picture, so art may run off its edges.
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace kestrel::sample {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

using Palette = std::array<Rgb, 256>;

struct Point {
    int x = 0, y = 0;
};

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // row-major, top row first
    Palette palette{};

    static IndexedImage blank(int width, int height, std::uint8_t fill, const Palette& palette);

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void set(int x, int y, std::uint8_t c) {
        if (contains(x, y)) pixels[static_cast<std::size_t>(y) * width + x] = c;
    }
};

void fillRect(IndexedImage& img, int x, int y, int w, int h, std::uint8_t c);
void frameRect(IndexedImage& img, int x, int y, int w, int h, std::uint8_t c);
// Radii of zero give a one pixel wide line through the centre.
void fillEllipse(IndexedImage& img, int cx, int cy, int rx, int ry, std::uint8_t c);
// A radius above zero stamps a disc at every step, for thick strokes.
void drawLine(IndexedImage& img, Point a, Point b, std::uint8_t c, int radius = 0);
// Even-odd fill sampled at pixel centres, so shared edges are not drawn twice.
void fillPolygon(IndexedImage& img, std::span<const Point> points, std::uint8_t c);

}  // namespace kestrel::sample
