#include "pictures/surface.hpp"

#include <algorithm>

#include "core/le.hpp"

namespace kestrel::pictures {

Surface::Surface(int width, int height, Rgb fill)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

Surface Surface::fromPixels(int width, int height, std::vector<Rgb> pixels) {
    Surface s;
    s.width_ = std::max(0, width);
    s.height_ = std::max(0, height);
    s.pixels_ = std::move(pixels);
    s.pixels_.resize(static_cast<std::size_t>(s.width_) * static_cast<std::size_t>(s.height_));
    return s;
}

Rgb Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Surface::setPixel(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

void Surface::fill(const PixelRect& r, Rgb c) {
    const int x0 = std::max(0, r.x), y0 = std::max(0, r.y);
    const int x1 = std::min(width_, r.x + r.w), y1 = std::min(height_, r.y + r.h);
    for (int y = y0; y < y1; ++y)
        std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_ + x0, std::max(0, x1 - x0), c);
}

void Surface::frame(const PixelRect& r, Rgb c) {
    if (r.w <= 0 || r.h <= 0) return;
    fill({r.x, r.y, r.w, 1}, c);
    fill({r.x, r.y + r.h - 1, r.w, 1}, c);
    fill({r.x, r.y, 1, r.h}, c);
    fill({r.x + r.w - 1, r.y, 1, r.h}, c);
}

void Surface::copy(const Surface& src, int x, int y) {
    for (int sy = 0; sy < src.height_; ++sy)
        for (int sx = 0; sx < src.width_; ++sx) setPixel(x + sx, y + sy, src.pixel(sx, sy));
}

void Surface::copyTransparent(const Surface& src, int x, int y, Rgb transparent) {
    for (int sy = 0; sy < src.height_; ++sy)
        for (int sx = 0; sx < src.width_; ++sx)
            if (const Rgb c = src.pixel(sx, sy); !(c == transparent)) setPixel(x + sx, y + sy, c);
}

namespace {

// Where one axis of a copy starts in source and target, and its length,
// clipped to both surfaces; wide enough for any int arguments.
struct AxisSpan {
    long long src = 0, dst = 0, n = 0;
};
AxisSpan clipAxis(long long from, long long length, int srcSize, long long to, int dstSize) {
    const long long lo = std::max({from, 0LL, from - to});
    const long long hi = std::min({from + length, static_cast<long long>(srcSize), from + dstSize - to});
    if (hi <= lo) return {};
    return {lo, to + (lo - from), hi - lo};
}

}  // namespace

void Surface::copyRect(const Surface& src, const PixelRect& from, int x, int y) {
    blitRect(src, from, x, y, nullptr);
}

void Surface::copyRectTransparent(const Surface& src, const PixelRect& from, int x, int y, Rgb transparent) {
    blitRect(src, from, x, y, &transparent);
}

void Surface::blitRect(const Surface& src, const PixelRect& from, int x, int y, const Rgb* transparent) {
    if (from.w <= 0 || from.h <= 0) return;
    const AxisSpan cx = clipAxis(from.x, from.w, src.width_, x, width_);
    const AxisSpan cy = clipAxis(from.y, from.h, src.height_, y, height_);
    for (long long row = 0; row < cy.n; ++row) {
        const Rgb* s = src.pixels_.data() + (cy.src + row) * src.width_ + cx.src;
        Rgb* d = pixels_.data() + (cy.dst + row) * width_ + cx.dst;
        if (!transparent) {
            std::copy_n(s, cx.n, d);
            continue;
        }
        for (long long i = 0; i < cx.n; ++i)
            if (!(s[i] == *transparent)) d[i] = s[i];
    }
}

core::Bytes Surface::toBmp() const {
    const std::size_t stride = (static_cast<std::size_t>(width_) * 3 + 3) & ~std::size_t{3};
    const std::size_t imageSize = stride * static_cast<std::size_t>(height_);
    core::Bytes out(54 + imageSize, 0);
    out[0] = 'B';
    out[1] = 'M';
    core::putU32(out, 2, static_cast<std::uint32_t>(out.size()));
    core::putU32(out, 10, 54);
    core::putU32(out, 14, 40);
    core::putS32(out, 18, width_);
    core::putS32(out, 22, height_);
    core::putU16(out, 26, 1);
    core::putU16(out, 28, 24);
    core::putU32(out, 34, static_cast<std::uint32_t>(imageSize));
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* row = out.data() + 54 + stride * static_cast<std::size_t>(height_ - 1 - y);
        for (int x = 0; x < width_; ++x) {
            const Rgb c = pixel(x, y);
            row[3 * x] = c.b;
            row[3 * x + 1] = c.g;
            row[3 * x + 2] = c.r;
        }
    }
    return out;
}

}  // namespace kestrel::pictures
