#include "sample/indexed_image.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kestrel::sample {

IndexedImage IndexedImage::blank(int width, int height, std::uint8_t fill, const Palette& palette) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    return {width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, fill), palette};
}

void fillRect(IndexedImage& img, int x, int y, int w, int h, std::uint8_t c) {
    const int x0 = std::max(x, 0), x1 = std::min(x + w, img.width);
    const int y0 = std::max(y, 0), y1 = std::min(y + h, img.height);
    for (int row = y0; row < y1; ++row)
        for (int col = x0; col < x1; ++col) img.set(col, row, c);
}

void frameRect(IndexedImage& img, int x, int y, int w, int h, std::uint8_t c) {
    if (w <= 0 || h <= 0) return;
    fillRect(img, x, y, w, 1, c);
    fillRect(img, x, y + h - 1, w, 1, c);
    fillRect(img, x, y, 1, h, c);
    fillRect(img, x + w - 1, y, 1, h, c);
}

void fillEllipse(IndexedImage& img, int cx, int cy, int rx, int ry, std::uint8_t c) {
    if (rx < 0 || ry < 0) return;
    // The half pixel keeps small discs round instead of diamond shaped.
    const double ax = rx + 0.5, ay = ry + 0.5;
    for (int dy = -ry; dy <= ry; ++dy) {
        const double t = dy / ay;
        const int half = static_cast<int>(std::floor(ax * std::sqrt(std::max(0.0, 1.0 - t * t))));
        fillRect(img, cx - half, cy + dy, 2 * half + 1, 1, c);
    }
}

void drawLine(IndexedImage& img, Point a, Point b, std::uint8_t c, int radius) {
    const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        if (radius > 0)
            fillEllipse(img, a.x, a.y, radius, radius, c);
        else
            img.set(a.x, a.y, c);
        if (a.x == b.x && a.y == b.y) return;
        const int e2 = 2 * err;
        if (e2 >= dy) err += dy, a.x += sx;
        if (e2 <= dx) err += dx, a.y += sy;
    }
}

void fillPolygon(IndexedImage& img, std::span<const Point> points, std::uint8_t c) {
    if (points.size() < 3) return;
    std::vector<double> crossings;
    for (int y = 0; y < img.height; ++y) {
        const double sy = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point p = points[i], q = points[(i + 1) % points.size()];
            if ((p.y <= sy) == (q.y <= sy)) continue;
            crossings.push_back(p.x + (sy - p.y) * (q.x - p.x) / (q.y - p.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int x0 = static_cast<int>(std::ceil(crossings[i] - 0.5));
            const int x1 = static_cast<int>(std::ceil(crossings[i + 1] - 0.5));
            fillRect(img, x0, y, x1 - x0, 1, c);
        }
    }
}

}  // namespace kestrel::sample
