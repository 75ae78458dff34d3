// PCX: a 128-byte header, run-length coded rows, and for some files a
// palette behind a marker byte at the end.
#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

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
    // Writers store lines of odd length or with padding and say so here; a
    // stated length too short for the width is nonsense, and then the
    // computed one is the best guess.
    const int stated = core::getU16(file, 66);
    h.storedBytesPerLine = stated >= packedBytesPerLine(h.bitsPerPixel, h.width) ? stated : h.bytesPerLine;

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

class RunDecoder {
public:
    RunDecoder(const std::uint8_t* p, const std::uint8_t* end) : p_(p), end_(end) {}

    // Fills [o, rowEnd) from the stream; when the stream ends first, clears
    // the rest and answers false.
    bool fillRow(std::uint8_t* o, std::uint8_t* const rowEnd);

private:
    std::uint8_t* fillBulk(std::uint8_t* o, std::uint8_t* const rowEnd);

    const std::uint8_t* p_;
    const std::uint8_t* const end_;
};

// One group of up to eight literals, or up to seven literals and the run
// behind them. Stores up to 71 bytes and reads up to 9. The branch on the
// first byte lets the processor run ahead; without it each step waits for
// the count of the one before.
inline void decodeStep(const std::uint8_t*& p, std::uint8_t*& o) {
    if ((*p & 0xC0) != 0xC0) {
        std::uint64_t bytes;
        std::memcpy(&bytes, p, 8);
        std::memcpy(o, &bytes, 8);
        const std::uint64_t runs = runStarts(bytes);
        if (runs == 0) {
            o += 8;
            p += 8;
            return;
        }
        const int literals = std::countr_zero(runs) >> 3;
        o += literals;
        p += literals;
    }
    // 64 bytes whatever the count: cheaper than a branch on it.
    const std::uint64_t v = 0x0101010101010101ull * p[1];
    const std::uint64_t pair[2] = {v, v};
    for (int i = 0; i < 4; ++i) std::memcpy(o + 16 * i, pair, 16);
    o += *p & 0x3F;
    p += 2;
}

// The bulk of a row, two steps at a time while they fit in the row and the
// stream, with no checks per step: decoding is bound by instructions per
// token. Bytes stored ahead of the position are written again later.
std::uint8_t* RunDecoder::fillBulk(std::uint8_t* o, std::uint8_t* const rowEnd) {
    constexpr int kSteps = 2;
    constexpr std::ptrdiff_t kStores = kSteps * 72, kReads = kSteps * 9 + 1;
    if (!kLittleEndian || rowEnd - o < kStores || end_ - p_ < kReads) return o;
    std::uint8_t* const oLast = rowEnd - kStores;
    const std::uint8_t* const pLast = end_ - kReads;
    const std::uint8_t* p = p_;
    while (o <= oLast && p <= pLast)
        for (int i = 0; i < kSteps; ++i) decodeStep(p, o);
    p_ = p;
    return o;
}

// What the bulk leaves: literals go eight at a time and runs as wide stores
// where the row has room; bytes stored ahead of the position are always
// written again before the row is done, or cleared when the stream ends.
bool RunDecoder::fillRow(std::uint8_t* o, std::uint8_t* const rowEnd) {
    o = fillBulk(o, rowEnd);
    const std::uint8_t* p = p_;
    while (o < rowEnd) {
        if (p == end_) break;
        const std::uint8_t b = *p;
        if ((b & 0xC0) != 0xC0) {
            if (kLittleEndian && end_ - p >= 8 && rowEnd - o >= 8) {
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
        if (end_ - p < 2) break;
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
    p_ = p;
    if (o == rowEnd) return true;
    std::memset(o, 0, static_cast<std::size_t>(rowEnd - o));
    return false;
}

// Lines stored at another length than the layout's go through one line
// buffer: the bytes behind the pixels are dropped, the layout's pad is zero.
void decodeStoredLines(const PictureHeader& h, RunDecoder& runs, std::uint8_t* out) {
    const auto planes = static_cast<std::size_t>(h.planes);
    const auto stored = static_cast<std::size_t>(h.storedBytesPerLine);
    const auto layout = static_cast<std::size_t>(h.bytesPerLine);
    const std::size_t kept = std::min(stored, static_cast<std::size_t>(packedBytesPerLine(h.bitsPerPixel, h.width)));
    std::vector<std::uint8_t> line(planes * stored);
    std::uint8_t* o = out;
    for (int y = 0; y < h.height; ++y) {
        const bool whole = runs.fillRow(line.data(), line.data() + line.size());
        for (std::size_t plane = 0; plane < planes; ++plane, o += layout) {
            std::memcpy(o, line.data() + plane * stored, kept);
            std::memset(o + kept, 0, layout - kept);
        }
        if (!whole) break;
    }
    std::memset(o, 0, static_cast<std::size_t>(out + h.dataSize() - o));
}

}  // namespace

void decodePcx(const PictureHeader& h, FileBytes file, std::uint8_t* out) {
    const std::uint8_t* const end = file.data() + file.size();
    RunDecoder runs(file.size() > h.pixelOffset ? file.data() + h.pixelOffset : end, end);
    if (h.storedBytesPerLine != 0 && h.storedBytesPerLine != h.bytesPerLine) {
        decodeStoredLines(h, runs, out);
        return;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(h.planes) * static_cast<std::size_t>(h.bytesPerLine);
    std::uint8_t* o = out;
    for (int y = 0; y < h.height; ++y) {
        const bool whole = runs.fillRow(o, o + rowBytes);
        o += rowBytes;
        if (!whole) break;
    }
    std::memset(o, 0, static_cast<std::size_t>(out + h.dataSize() - o));
}

}  // namespace kestrel::pictures::detail
