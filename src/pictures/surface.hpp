// An RGB framebuffer: the painted client area of a dialog.
#pragma once
#include <cstdint>
#include <vector>

#include "core/bytes.hpp"

namespace kestrel::pictures {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct PixelRect {
    int x = 0, y = 0, w = 0, h = 0;
};

class Surface;

// Which bytes of a surface's pixels are not of one colour (0xFF for each
// byte of such a pixel, 0 for the others), found once, so that transparent
// copies from it blend whole rows without looking at a pixel. Surfaces too
// big for a second copy in memory get none (usable() false).
class OpaqueMask {
public:
    OpaqueMask() = default;
    OpaqueMask(const Surface& surface, Rgb transparent);
    // Found for this colour (usable or not).
    bool foundFor(Rgb transparent) const { return found_ && transparent_ == transparent; }
    bool usable() const { return usable_; }

private:
    friend class Surface;
    Rgb transparent_;
    bool found_ = false;
    bool usable_ = false;
    int width_ = 0, height_ = 0;
    std::vector<std::uint8_t> bytes_;
};

class Surface {
public:
    Surface() = default;
    Surface(int width, int height, Rgb fill = {});
    // Rows top to bottom; missing pixels are black, extra ones dropped.
    static Surface fromPixels(int width, int height, std::vector<Rgb> pixels);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb pixel(int x, int y) const;
    void setPixel(int x, int y, Rgb c);  // outside the surface: ignored
    void fill(const PixelRect& r, Rgb c);
    void frame(const PixelRect& r, Rgb c);
    // Copies `src` with its top-left corner at (x, y), clipped.
    void copy(const Surface& src, int x, int y);
    // As copy, but source pixels of `transparent` leave the target unchanged.
    void copyTransparent(const Surface& src, int x, int y, Rgb transparent);
    // As copy and copyTransparent, for the part `from` of `src` only,
    // clipped to both surfaces.
    void copyRect(const Surface& src, const PixelRect& from, int x, int y);
    void copyRectTransparent(const Surface& src, const PixelRect& from, int x, int y, Rgb transparent);
    // The same with the mask of `src` for its transparent colour, found before.
    void copyRectTransparent(const Surface& src, const PixelRect& from, int x, int y, const OpaqueMask& mask);
    const std::vector<Rgb>& pixels() const { return pixels_; }

    // Bottom-up 24-bit BMP of the surface.
    core::Bytes toBmp() const;

private:
    void blitRect(const Surface& src, const PixelRect& from, int x, int y, const Rgb* transparent,
                  const OpaqueMask* mask);

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

// The face colour of dialogs, which a fresh client area shows.
inline constexpr Rgb kDialogFace{192, 192, 192};

}  // namespace kestrel::pictures
