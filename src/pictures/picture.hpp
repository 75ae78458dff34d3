// Pictures read from PCX, BMP, GIF and icon files: recognised by content,
// decoded into the shared pixel layout with their own palette, made into a
// device image for a display and drawn into a Surface.
#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "core/bytes.hpp"
#include "pictures/display.hpp"
#include "pictures/pixel_data.hpp"
#include "pictures/surface.hpp"

namespace kestrel::pictures {

enum class PictureKind { Pcx, Icon, Gif, Bmp };
const char* pictureKindName(PictureKind kind);  // "PCX", "ICO", "GIF", "BMP"

// What Open reads: the header and palette, and where the pixels start.
struct PictureHeader {
    PictureKind kind = PictureKind::Pcx;
    int planes = 1;
    int bitsPerPixel = 8;      // 1, 2, 4 or 8; 24 or 32 for true-colour BMP files
    int colourCount = 0;       // entries of the picture palette; 0 for true colour
    int bytesPerLine = 0;      // of one plane, rounded up to an even number; true colour: 4 x width
    int storedBytesPerLine = 0;  // PCX: one plane's line in the file, as its header states; 0 elsewhere
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;  // colourCount entries, at least 16; none for true colour
    std::size_t pixelOffset = 0;  // GIF: behind the image descriptor; BMP: start of the rows
    bool interlaced = false;      // GIF
    std::uint64_t dataSize() const;  // planes x bytes per line x height (true colour: 4 x width x height)
    bool operator==(const PictureHeader&) const = default;
};

// Pictures whose decoded data would exceed this are refused at Open, and
// so are pictures of more pixels than this (the device image holds a colour
// per pixel).
inline constexpr std::uint64_t kMaxDataSize = 256u << 20;
// The largest picture file Open reads: twice the largest data (the worst a
// run-length or LZW stream can grow to) and room for headers and palettes.
// Larger files are refused without being read.
inline constexpr std::uint64_t kMaxFileSize = 2 * kMaxDataSize + (1u << 20);

// Recognition from the first bytes and the file's length.
std::optional<PictureKind> detectPictureKind(std::span<const std::uint8_t> start, std::uint64_t fileLength);
std::optional<PictureKind> DetectPictureKind(const std::filesystem::path& path);

// Header and palette of a whole file of a known kind; nothing when invalid.
// PCX palette entries past the header's 16 are black unless the file ends
// in a marked palette; GIF palette bytes past the end of a short file count
// as zero, and a local colour table replaces the global palette. PCX window bounds are unsigned, and lines are read at the stated
// length when it holds the width. BMP files follow their stated pixel
// offset and colours-used count; sizes beyond 16 bits, top-down rows,
// run-length coding and the older 12-byte header are refused.
std::optional<PictureHeader> readPictureHeader(PictureKind kind, std::span<const std::uint8_t> file,
                                               const Display& display);
// The decoded pixel data (dataSize() bytes, rows top to bottom); rows the
// stream does not reach stay zero. Never reads or writes out of bounds.
// Each row holds, plane after plane, bytesPerLine bytes: 1 bit per pixel
// from bit 7 (plane p gives bit p of the index), 2 bits with the leftmost
// pixel in the two lowest bits, 4 bits high nibble first, 8 bits one byte
// each. True colour rows hold R, G, B, 0 per pixel. A header Open would
// refuse gives nothing.
PixelData decodePixels(const PictureHeader& header, std::span<const std::uint8_t> file);

// Bytes per line of one plane: 1 bit (w+7)/8, 2 bits (w+3)/4, 4 bits
// (w+1)/2, 8 bits w, rounded up to even; 24 and 32 bits 4 x w.
int planeBytesPerLine(int bitsPerPixel, int width);
// 1 bit: 2^planes; 2, 4, 8 bits: 4, 16, 256; true colour and the rest: 0.
int colourCountFor(int bitsPerPixel, int planes);

class Picture {
public:
    virtual ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    PictureKind kind() const { return kind_; }
    const std::filesystem::path& path() const { return path_; }
    const Display& display() const { return display_; }
    bool opened() const { return header_.has_value(); }
    bool loaded() const { return loaded_; }
    // Valid once opened.
    const PictureHeader& header() const { return *header_; }

    // Reads the header and palette; a failure leaves the picture unopened.
    bool Open();
    // Decodes the file anew and makes the logical palette and device image.
    // The file's layout must still be the opened one; its palette is taken
    // afresh. On a palette display this realizes the logical palette into
    // the picture's copy of the display. Fails for true colour pictures on
    // palette displays.
    bool Load();
    bool Realize() const { return loaded_; }
    void Draw(int sx, int sy, int width, int height, Surface& target, int tx, int ty) const;
    // Which pixels are not `colour` is found at the first draw in it.
    void DrawTransparent(int sx, int sy, int width, int height, Surface& target, int tx, int ty, Rgb colour);

    // The device image as the display shows it, and for palette displays the
    // logical palette and the packed device data (display layout, rows top
    // to bottom). On the true colour display: the picture palette and
    // R, G, B, 0 per pixel.
    const Surface& shown() const { return shown_; }
    const std::vector<Rgb>& logicalPalette() const { return logicalPalette_; }
    const core::Bytes& deviceData() const { return deviceData_; }

protected:
    Picture(PictureKind kind, std::filesystem::path path, Display display);

private:
    friend std::unique_ptr<Picture> OpenPicture(const std::filesystem::path&, const Display&);

    PictureKind kind_;
    std::filesystem::path path_;
    Display display_;
    std::optional<PictureHeader> header_;
    bool loaded_ = false;
    std::vector<Rgb> logicalPalette_;
    core::Bytes deviceData_;
    Surface shown_;
    OpaqueMask opaque_;  // of shown_, for the last transparent colour drawn
};

class PcxPicture final : public Picture { public: PcxPicture(std::filesystem::path p, Display d); };
class IconPicture final : public Picture { public: IconPicture(std::filesystem::path p, Display d); };
class GifPicture final : public Picture { public: GifPicture(std::filesystem::path p, Display d); };
class BmpPicture final : public Picture { public: BmpPicture(std::filesystem::path p, Display d); };

// A picture of the kind the content says (or, for a file that cannot be
// opened, the path's ending says), opened; nothing for an unknown kind.
std::unique_ptr<Picture> OpenPicture(const std::filesystem::path& path, const Display& display = Display::trueColour());

}  // namespace kestrel::pictures
