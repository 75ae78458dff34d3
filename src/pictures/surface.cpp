#include "pictures/surface.hpp"

#include <algorithm>
#include <array>
#include <cstring>

#include "pictures/picture_writer.hpp"

namespace kestrel::pictures {

static_assert(sizeof(Rgb) == 3, "pixels are packed, so rows compare as bytes");

Surface::Surface(int width, int height, Rgb fill)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)) {
    if (!(fill == Rgb{})) this->fill({0, 0, width_, height_}, fill);  // zeroed already
}

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
    if (x1 <= x0 || y1 <= y0) return;
    Rgb* first = pixels_.data() + static_cast<std::ptrdiff_t>(y0) * width_ + x0;
    const std::ptrdiff_t n = x1 - x0;
    constexpr std::ptrdiff_t kNarrow = 16;  // a frame's sides: pixel by pixel
    if (n < kNarrow) {
        for (int y = y0; y < y1; ++y) std::fill_n(first + static_cast<std::ptrdiff_t>(y - y0) * width_, n, c);
        return;
    }
    // Wide: the first row by doubling copies, then the others as copies of
    // it, far faster than storing three bytes per pixel.
    first[0] = c;
    for (std::ptrdiff_t done = 1; done < n; done *= 2) std::copy_n(first, std::min(done, n - done), first + done);
    for (int y = y0 + 1; y < y1; ++y) std::copy_n(first, n, first + static_cast<std::ptrdiff_t>(y - y0) * width_);
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
    blitRect(src, from, x, y, nullptr, nullptr);
}

void Surface::copyRectTransparent(const Surface& src, const PixelRect& from, int x, int y, Rgb transparent) {
    blitRect(src, from, x, y, &transparent, nullptr);
}

void Surface::copyRectTransparent(const Surface& src, const PixelRect& from, int x, int y, const OpaqueMask& mask) {
    const bool fits = mask.usable_ && mask.width_ == src.width_ && mask.height_ == src.height_;
    blitRect(src, from, x, y, &mask.transparent_, fits ? &mask : nullptr);
}

namespace {

// Short runs (of a road, of a symbol) in pieces of a known size, which the
// compiler turns into plain moves instead of a call; long runs and
// overlapping ones (one surface into itself) by memmove.
void copyPixels(const Rgb* s, long long n, Rgb* d) {
    const auto* from = reinterpret_cast<const unsigned char*>(s);
    auto* to = reinterpret_cast<unsigned char*>(d);
    std::size_t bytes = static_cast<std::size_t>(n) * sizeof(Rgb);
    constexpr std::size_t kShort = 256, kPiece = 16, kWord = 4;
    if (bytes > kShort || (to < from + bytes && from < to + bytes)) {
        std::memmove(to, from, bytes);
        return;
    }
    for (; bytes >= kPiece; bytes -= kPiece, from += kPiece, to += kPiece) std::memcpy(to, from, kPiece);
    for (; bytes >= kWord; bytes -= kWord, from += kWord, to += kWord) std::memcpy(to, from, kWord);
    for (; bytes > 0; --bytes) *to++ = *from++;
}

// The opaque runs of one row, scanning: transparent stretches are skipped a
// block at a time.
template <class Found>
void scanRuns(const Rgb* s, long long n, Rgb transparent, Found found) {
    constexpr long long kBlock = 16;
    std::array<Rgb, kBlock> clear;
    clear.fill(transparent);
    for (long long i = 0; i < n;) {
        while (i + kBlock <= n && std::memcmp(s + i, clear.data(), sizeof clear) == 0) i += kBlock;
        while (i < n && s[i] == transparent) ++i;
        long long end = i;
        while (end < n && !(s[end] == transparent)) ++end;
        if (end > i) found(i, end);
        i = end;
    }
}

}  // namespace

OpaqueMask::OpaqueMask(const Surface& surface, Rgb transparent)
    : transparent_(transparent), found_(true), width_(surface.width()), height_(surface.height()) {
    constexpr std::size_t kLargest = 64u << 20;  // bytes: sheets of cells, not whole maps
    const std::vector<Rgb>& pixels = surface.pixels();
    if (pixels.size() * sizeof(Rgb) > kLargest) return;
    bytes_.resize(pixels.size() * sizeof(Rgb));
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint8_t m = pixels[i] == transparent ? 0 : 0xFF;
        bytes_[3 * i] = bytes_[3 * i + 1] = bytes_[3 * i + 2] = m;
    }
    usable_ = true;
}

void Surface::blitRect(const Surface& src, const PixelRect& from, int x, int y, const Rgb* transparent,
                       const OpaqueMask* mask) {
    if (from.w <= 0 || from.h <= 0) return;
    const AxisSpan cx = clipAxis(from.x, from.w, src.width_, x, width_);
    const AxisSpan cy = clipAxis(from.y, from.h, src.height_, y, height_);
    if (cx.n <= 0 || cy.n <= 0) return;
    const std::ptrdiff_t srcStride = src.width_, dstStride = width_;
    const Rgb* s = src.pixels_.data() + cy.src * srcStride + cx.src;
    Rgb* d = pixels_.data() + cy.dst * dstStride + cx.dst;
    // The rows of a map tile: copies of known size, a few moves instead of a call.
    constexpr long long kTileRow = 48;
    if (!transparent) {
        if (cx.n == kTileRow && &src != this)
            for (long long row = 0; row < cy.n; ++row, s += srcStride, d += dstStride)
                std::memcpy(d, s, kTileRow * sizeof(Rgb));
        else
            for (long long row = 0; row < cy.n; ++row, s += srcStride, d += dstStride)
                std::memmove(d, s, static_cast<std::size_t>(cx.n) * sizeof(Rgb));
        return;
    }
    if (!mask) {
        for (long long row = 0; row < cy.n; ++row, s += srcStride, d += dstStride)
            scanRuns(s, cx.n, *transparent,
                     [&](long long begin, long long end) { copyPixels(s + begin, end - begin, d + begin); });
        return;
    }
    // Whole rows blended through the mask: no test per pixel, and a tile's
    // row of known size becomes a few vector operations.
    const std::uint8_t* m = mask->bytes_.data() + (cy.src * srcStride + cx.src) * 3;
    const auto blend = [](const Rgb* from, const std::uint8_t* keep, Rgb* to, std::size_t bytes) {
        const auto* f = reinterpret_cast<const std::uint8_t*>(from);
        auto* t = reinterpret_cast<std::uint8_t*>(to);
        std::size_t i = 0;
        for (; i + 8 <= bytes; i += 8) {  // eight bytes at a time; memcpy because rows are not aligned
            std::uint64_t fw, kw, tw;
            std::memcpy(&fw, f + i, 8);
            std::memcpy(&kw, keep + i, 8);
            std::memcpy(&tw, t + i, 8);
            tw = (fw & kw) | (tw & ~kw);
            std::memcpy(t + i, &tw, 8);
        }
        for (; i < bytes; ++i) t[i] = static_cast<std::uint8_t>((f[i] & keep[i]) | (t[i] & ~keep[i]));
    };
    const bool tileRows = cx.n == kTileRow && &src != this;
    for (long long row = 0; row < cy.n; ++row, s += srcStride, d += dstStride, m += srcStride * 3) {
        if (tileRows)
            blend(s, m, d, kTileRow * sizeof(Rgb));
        else
            blend(s, m, d, static_cast<std::size_t>(cx.n) * sizeof(Rgb));
    }
}

core::Bytes Surface::toBmp() const {
    core::Bytes out = bmpHeader(width_, height_);
    const std::size_t stride = bmpRowSize(width_);
    out.resize(out.size() + stride * static_cast<std::size_t>(height_), 0);
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* row = out.data() + kBmpHeaderSize + stride * static_cast<std::size_t>(height_ - 1 - y);
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
