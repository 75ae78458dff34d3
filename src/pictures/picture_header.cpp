// The rules every kind shares: layout limits, bytes per line, colour
// counts, and the dispatch to the per-format readers and decoders.
#include <algorithm>

#include "pictures/picture.hpp"
#include "pictures/picture_formats.hpp"

namespace kestrel::pictures {

namespace {

#ifdef NDEBUG
constexpr bool kPoisonFreshPixels = false;
#else
constexpr bool kPoisonFreshPixels = true;
#endif

bool isTrueColour(int bits) { return bits == 24 || bits == 32; }

// True colour is for BMP files only.
bool supportedLayout(PictureKind kind, int bits, int planes) {
    if (bits == 1) return planes >= 1 && planes <= 4;
    return planes == 1 && (bits == 2 || bits == 4 || bits == 8 || (kind == PictureKind::Bmp && isTrueColour(bits)));
}

}  // namespace

int planeBytesPerLine(int bitsPerPixel, int width) {
    const long long w = std::max(width, 0);
    long long bytes = 0;
    switch (bitsPerPixel) {
        case 1: bytes = (w + 7) / 8; break;
        case 2: bytes = (w + 3) / 4; break;
        case 4: bytes = (w + 1) / 2; break;
        case 8: bytes = w; break;
        case 24:
        case 32: return static_cast<int>(std::min(4 * w, 1LL << 30));
        default: return 0;
    }
    return static_cast<int>(bytes + (bytes & 1));
}

int colourCountFor(int bitsPerPixel, int planes) {
    switch (bitsPerPixel) {
        case 1: return planes >= 1 && planes <= 8 ? 1 << planes : 0;
        case 2: return 4;
        case 4: return 16;
        case 8: return 256;
        default: return 0;
    }
}

std::uint64_t PictureHeader::dataSize() const {
    if (planes <= 0 || bytesPerLine <= 0 || height <= 0) return 0;
    return static_cast<std::uint64_t>(planes) * static_cast<std::uint64_t>(bytesPerLine) *
           static_cast<std::uint64_t>(height);
}

const char* pictureKindName(PictureKind kind) {
    switch (kind) {
        case PictureKind::Pcx: return "PCX";
        case PictureKind::Icon: return "ICO";
        case PictureKind::Gif: return "GIF";
        case PictureKind::Bmp: return "BMP";
    }
    return "";
}

namespace detail {

bool checkLayout(PictureHeader& h) {
    if (h.width <= 0 || h.height <= 0 || !supportedLayout(h.kind, h.bitsPerPixel, h.planes)) return false;
    if (h.kind != PictureKind::Icon) h.colourCount = colourCountFor(h.bitsPerPixel, h.planes);
    h.bytesPerLine = planeBytesPerLine(h.bitsPerPixel, h.width);
    const auto pixels = static_cast<std::uint64_t>(h.width) * static_cast<std::uint64_t>(h.height);
    return h.dataSize() <= kMaxDataSize && pixels <= kMaxDataSize;
}

int packedBytesPerLine(int bitsPerPixel, int width) {
    return static_cast<int>((static_cast<long long>(std::max(width, 0)) * bitsPerPixel + 7) / 8);
}

bool layoutConsistent(const PictureHeader& h) {
    PictureHeader check = h;
    if (!checkLayout(check) || check.bytesPerLine != h.bytesPerLine || check.colourCount != h.colourCount)
        return false;
    const int stored = h.storedBytesPerLine;
    if (stored == 0) return true;
    return h.kind == PictureKind::Pcx &&
           (stored == h.bytesPerLine || (stored >= packedBytesPerLine(h.bitsPerPixel, h.width) && stored <= 0xFFFF));
}

}  // namespace detail

std::optional<PictureHeader> readPictureHeader(PictureKind kind, std::span<const std::uint8_t> file,
                                               const Display& display) {
    switch (kind) {
        case PictureKind::Pcx: return detail::readPcxHeader(file);
        case PictureKind::Bmp: return detail::readBmpHeader(file);
        case PictureKind::Gif: return detail::readGifHeader(file);
        case PictureKind::Icon: return detail::readIconHeader(file, display);
    }
    return std::nullopt;
}

PixelData decodePixels(const PictureHeader& header, std::span<const std::uint8_t> file) {
    // A header made by hand must not steer the decoders outside the data.
    if (!detail::layoutConsistent(header)) return {};
    PixelData data(header.dataSize());
    if (header.kind != PictureKind::Pcx) {
        std::fill(data.begin(), data.end(), 0);
    } else if (kPoisonFreshPixels) {
        // Tests see a byte the PCX decoder failed to write.
        std::fill(data.begin(), data.end(), 0xA5);
    }
    switch (header.kind) {
        case PictureKind::Pcx: detail::decodePcx(header, file, data.data()); break;
        case PictureKind::Bmp: detail::decodeBmp(header, file, data.data()); break;
        case PictureKind::Gif: detail::decodeGif(header, file, data.data()); break;
        case PictureKind::Icon: detail::decodeIcon(header, file, data.data()); break;
    }
    return data;
}

}  // namespace kestrel::pictures
