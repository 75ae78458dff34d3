// PCX: a 128-byte header, run-length coded rows, and for some files a
// palette behind a marker byte at the end.
#include <algorithm>
#include <bit>
#include <cstring>

#include "core/le.hpp"
#include "pictures/picture_formats.hpp"

namespace kestrel::pictures::detail {

namespace {
constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kHeaderPalette = 16;
constexpr std::uint8_t kPaletteMarker = 12;
}  // namespace

std::optional<PictureHeader> readPcxHeader(FileBytes file) {
    if (file.size() < kHeaderSize || file[0] != 10 || file[1] != 5 || file[2] != 1) return std::nullopt;
    PictureHeader h;
    h.kind = PictureKind::Pcx;
    h.bitsPerPixel = file[3];
    h.planes = file[65];
    // The bounds are unsigned words; a minimum above the maximum is refused.
    h.width = int{core::getU16(file, 8)} - int{core::getU16(file, 4)} + 1;
    h.height = int{core::getU16(file, 10)} - int{core::getU16(file, 6)} + 1;
    if (!checkLayout(h)) return std::nullopt;
    h.pixelOffset = kHeaderSize;

    // Entries past the header's 16 stay black unless the file ends with a palette.
    h.palette.assign(std::max<std::size_t>(kHeaderPalette, static_cast<std::size_t>(h.colourCount)), Rgb{});
    for (std::size_t i = 0; i < kHeaderPalette; ++i)
        h.palette[i] = {file[16 + 3 * i], file[17 + 3 * i], file[18 + 3 * i]};
    const std::size_t tail = 3 * static_cast<std::size_t>(h.colourCount);
    if (file.size() >= tail + 1 && file[file.size() - tail - 1] == kPaletteMarker) {
        const std::uint8_t* p = file.data() + file.size() - tail;
        for (int i = 0; i < h.colourCount; ++i, p += 3) h.palette[i] = {p[0], p[1], p[2]};
    }
    return h;
}

namespace {

constexpr bool kLittleEndian = std::endian::native == std::endian::little;
constexpr std::uint64_t kTopBits = 0x8080808080808080ull;

// The top bit of each of eight bytes that has both top bits set, i.e. starts a run.
inline std::uint64_t runStarts(std::uint64_t v) { return v & (v << 1) & kTopBits; }

}  // namespace

// Literals go eight at a time and runs as wide stores where the row has
// room; bytes stored ahead of the position are always written again before
// the row is done, or cleared when the stream ends.
void decodePcx(const PictureHeader& h, FileBytes file, std::uint8_t* out) {
    if (file.size() <= h.pixelOffset) return;
    const std::uint8_t* p = file.data() + h.pixelOffset;
    const std::uint8_t* const end = file.data() + file.size();
    const std::size_t rowBytes = static_cast<std::size_t>(h.planes) * static_cast<std::size_t>(h.bytesPerLine);
    for (int y = 0; y < h.height; ++y) {
        std::uint8_t* o = out + rowBytes * static_cast<std::size_t>(y);
        std::uint8_t* const rowEnd = o + rowBytes;
        while (o < rowEnd) {
            if (p == end) break;
            const std::uint8_t b = *p;
            if ((b & 0xC0) != 0xC0) {
                if (kLittleEndian && end - p >= 8 && rowEnd - o >= 8) {
                    std::uint64_t v;
                    std::memcpy(&v, p, 8);
                    std::memcpy(o, &v, 8);
                    // Up to the first byte that starts a run (there is at least one literal).
                    const std::uint64_t runs = runStarts(v);
                    const int literals = runs == 0 ? 8 : std::countr_zero(runs) >> 3;
                    o += literals;
                    p += literals;
                    continue;
                }
                *o++ = b;
                ++p;
                continue;
            }
            if (end - p < 2) break;
            const std::size_t count = b & 0x3F;
            const std::uint8_t value = p[1];
            p += 2;
            const auto room = static_cast<std::size_t>(rowEnd - o);
            if (room >= 64) {
                // Wide stores; what they write past the run is overwritten next.
                const std::uint64_t v = 0x0101010101010101ull * value;
                const std::uint64_t pair[2] = {v, v};
                std::memcpy(o, pair, 16);
                if (count > 16)
                    for (int i = 1; i < 4; ++i) std::memcpy(o + 16 * i, pair, 16);
                o += count;
                continue;
            }
            // A run never carries over into the next row.
            const std::size_t n = std::min(count, room);
            std::memset(o, value, n);
            o += n;
        }
        if (o < rowEnd) {
            // The stream ended: clear what wide stores wrote past the last byte.
            std::memset(o, 0, static_cast<std::size_t>(rowEnd - o));
            return;
        }
    }
}

}  // namespace kestrel::pictures::detail
