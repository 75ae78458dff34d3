// The fast paths of Surface (tile rows of known size, transparent copies
// through a mask, fills by copying rows) against a pixel-by-pixel reference.
#include <gtest/gtest.h>

#include <random>

#include "pictures/surface.hpp"

namespace kestrel::pictures {
namespace {

constexpr Rgb kClear{255, 0, 255};

// A surface of few colours, a quarter of them the transparent one.
Surface speckled(int w, int h, std::mt19937& random) {
    std::vector<Rgb> pixels;
    for (int i = 0; i < w * h; ++i) {
        const unsigned v = random() % 4;
        pixels.push_back(v == 0 ? kClear : Rgb{static_cast<std::uint8_t>(v * 60), static_cast<std::uint8_t>(i), 7});
    }
    return Surface::fromPixels(w, h, std::move(pixels));
}

void reference(Surface& target, const Surface& src, const PixelRect& from, int x, int y, const Rgb* clear) {
    for (int sy = from.y; sy < from.y + from.h; ++sy)
        for (int sx = from.x; sx < from.x + from.w; ++sx) {
            if (sx < 0 || sy < 0 || sx >= src.width() || sy >= src.height()) continue;
            const Rgb c = src.pixel(sx, sy);
            if (!clear || !(c == *clear)) target.setPixel(x + sx - from.x, y + sy - from.y, c);
        }
}

TEST(SurfaceCopies, EveryPathEqualsThePixelByPixelCopy) {
    std::mt19937 random(7);
    const Surface src = speckled(100, 70, random);
    const OpaqueMask mask(src, kClear);
    ASSERT_TRUE(mask.usable());
    for (int round = 0; round < 400; ++round) {
        const int w = round % 3 == 0 ? 48 : static_cast<int>(random() % 60);
        const PixelRect from{static_cast<int>(random() % 120) - 10, static_cast<int>(random() % 90) - 10, w,
                             static_cast<int>(random() % 60)};
        const int x = static_cast<int>(random() % 90) - 20, y = static_cast<int>(random() % 70) - 20;
        Surface expected = speckled(80, 60, random), plain = expected, keyed = expected, masked = expected;
        const int kind = round % 3;
        reference(expected, src, from, x, y, kind == 0 ? nullptr : &kClear);
        if (kind == 0) plain.copyRect(src, from, x, y);
        if (kind == 1) plain.copyRectTransparent(src, from, x, y, kClear);
        if (kind == 2) plain.copyRectTransparent(src, from, x, y, mask);
        ASSERT_EQ(plain.pixels(), expected.pixels()) << round;
    }
    // A mask of another surface's size is not used, and gives the same result.
    Surface a(60, 40), b(60, 40);
    a.copyRectTransparent(src, {0, 0, 60, 40}, 0, 0, OpaqueMask(Surface(3, 3), kClear));
    b.copyRectTransparent(src, {0, 0, 60, 40}, 0, 0, kClear);
    EXPECT_EQ(a.pixels(), b.pixels());
}

TEST(SurfaceFill, NarrowAndWideRectanglesClipped) {
    for (const PixelRect r : {PixelRect{-3, 2, 5, 40}, PixelRect{4, -2, 70, 3}, PixelRect{1, 1, 16, 16},
                              PixelRect{0, 0, 100, 100}, PixelRect{5, 5, 0, 4}, PixelRect{79, 59, 9, 9}}) {
        Surface s(80, 60, {1, 2, 3});
        s.fill(r, {9, 8, 7});
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 80; ++x) {
                const bool inside = x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
                ASSERT_EQ(s.pixel(x, y), (inside ? Rgb{9, 8, 7} : Rgb{1, 2, 3})) << r.x << " " << r.w << " " << x << "," << y;
            }
    }
    EXPECT_EQ(Surface(3, 2, {4, 5, 6}).pixels(), std::vector<Rgb>(6, Rgb{4, 5, 6}));
}

}  // namespace
}  // namespace kestrel::pictures
