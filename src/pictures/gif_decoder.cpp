// GIF: the first image of a file with a global colour table, LZW coded,
// plain or interlaced. Local colour tables are not supported.
#include <algorithm>
#include <array>
#include <cstring>

#include "core/le.hpp"
#include "pictures/picture_formats.hpp"

namespace kestrel::pictures::detail {

namespace {

constexpr std::size_t kScreenEnd = 13;
constexpr std::size_t kPaletteBytes = 768;
constexpr std::uint8_t kExtension = 0x21;
constexpr std::uint8_t kImage = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;
constexpr int kMaxCodeBits = 12;
constexpr int kTableSize = 1 << kMaxCodeBits;

// The data sub-blocks as one stream of codes, least significant bit first.
class CodeReader {
public:
    CodeReader(const std::uint8_t* p, const std::uint8_t* end) : p_(p), end_(end) {}

    // False once the blocks or the file end.
    bool next(int bits, int& code) {
        while (held_ < bits) {
            if (blockLeft_ == 0) {
                if (p_ == end_ || *p_ == 0) return false;
                blockLeft_ = *p_++;
            }
            if (p_ == end_) return false;
            buffer_ |= static_cast<std::uint32_t>(*p_++) << held_;
            held_ += 8;
            --blockLeft_;
        }
        code = static_cast<int>(buffer_ & ((1u << bits) - 1));
        buffer_ >>= bits;
        held_ -= bits;
        return true;
    }

private:
    const std::uint8_t* p_;
    const std::uint8_t* end_;
    std::size_t blockLeft_ = 0;
    std::uint32_t buffer_ = 0;
    int held_ = 0;
};

// Where decoded pixels go: rows of `width` pixels at stride bytesPerLine,
// in file order or in the four interlace passes.
class RowWriter {
public:
    RowWriter(const PictureHeader& h, std::uint8_t* out)
        : out_(out), width_(static_cast<std::size_t>(h.width)), height_(h.height),
          stride_(static_cast<std::size_t>(h.bytesPerLine)), interlaced_(h.interlaced) {
        row_ = out_;
    }

    bool done() const { return rowsDone_ == height_; }
    std::size_t roomInRow() const { return width_ - x_; }
    // Room for `n` pixels at the current position, n <= roomInRow().
    std::uint8_t* take(std::size_t n) {
        std::uint8_t* at = row_ + x_;
        x_ += n;
        if (x_ == width_) nextRow();
        return at;
    }

private:
    void nextRow() {
        x_ = 0;
        if (++rowsDone_ == height_) return;
        if (!interlaced_) {
            row_ += stride_;
            return;
        }
        static constexpr int kStart[4] = {0, 4, 2, 1};
        static constexpr int kStep[4] = {8, 8, 4, 2};
        y_ += kStep[pass_];
        while (y_ >= height_ && pass_ < 3) y_ = kStart[++pass_];
        if (y_ >= height_) rowsDone_ = height_;
        row_ = out_ + stride_ * static_cast<std::size_t>(y_);
    }

    std::uint8_t* out_;
    std::uint8_t* row_;
    std::size_t width_;
    int height_;
    std::size_t stride_;
    bool interlaced_;
    std::size_t x_ = 0;
    int rowsDone_ = 0;
    int y_ = 0;
    int pass_ = 0;
};

struct StringTable {
    std::array<std::uint16_t, kTableSize> prefix;
    std::array<std::uint16_t, kTableSize> length;
    std::array<std::uint8_t, kTableSize> suffix;
    std::array<std::uint8_t, kTableSize> first;
};

// Writes the string of `code`, walking its chain from the last pixel back;
// false once the picture is full.
bool emit(const StringTable& t, int code, RowWriter& rows, std::uint8_t* spill) {
    std::size_t left = t.length[code];
    if (left <= rows.roomInRow()) {
        std::uint8_t* o = rows.take(left) + left;
        for (int c = code; left-- > 0; c = t.prefix[c]) *--o = t.suffix[c];
        return !rows.done();
    }
    std::uint8_t* s = spill + left;
    for (int c = code; s != spill; c = t.prefix[c]) *--s = t.suffix[c];
    while (left > 0) {
        const std::size_t n = std::min(left, rows.roomInRow());
        std::memcpy(rows.take(n), s, n);
        s += n;
        left -= n;
        if (rows.done()) return false;
    }
    return true;
}

// A local colour table sits between the image descriptor and the data, and
// its colours are the ones the pixels mean; read past it, the table would
// decode as noise.
bool takeLocalTable(FileBytes file, std::uint8_t imagePacked, PictureHeader& h) {
    const std::size_t entries = std::size_t{2} << (imagePacked & 7);
    if (file.size() - h.pixelOffset < 3 * entries) return false;
    const std::uint8_t* p = file.data() + h.pixelOffset;
    h.palette.assign(256, Rgb{});
    for (std::size_t i = 0; i < entries; ++i, p += 3) h.palette[i] = {p[0], p[1], p[2]};
    h.pixelOffset += 3 * entries;
    return true;
}

}  // namespace

std::optional<PictureHeader> readGifHeader(FileBytes file) {
    if (file.size() < kScreenEnd || std::memcmp(file.data(), "GIF8", 4) != 0 ||
        (file[4] != '7' && file[4] != '9') || file[5] != 'a')
        return std::nullopt;
    const std::uint8_t packed = file[10];
    if ((packed & 0x80) == 0) return std::nullopt;
    PictureHeader h;
    h.kind = PictureKind::Gif;
    // Always 256 entries from behind the screen descriptor, whatever the
    // table's size; bytes past the end of a short file count as zero.
    std::array<std::uint8_t, kPaletteBytes> rgb{};
    std::memcpy(rgb.data(), file.data() + kScreenEnd, std::min(kPaletteBytes, file.size() - kScreenEnd));
    h.palette.resize(256);
    for (std::size_t i = 0; i < 256; ++i) h.palette[i] = {rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]};

    std::size_t pos = kScreenEnd + 3 * (std::size_t{2} << (packed & 7));
    for (;;) {
        if (pos >= file.size()) return std::nullopt;
        const std::uint8_t introducer = file[pos++];
        if (introducer == kTrailer) return std::nullopt;
        if (introducer == kExtension) {
            ++pos;  // the label
            for (;;) {
                if (pos >= file.size()) return std::nullopt;
                const std::uint8_t length = file[pos++];
                if (length == 0) break;
                pos += length;
            }
            continue;
        }
        if (introducer != kImage) continue;
        if (file.size() - pos < 9) return std::nullopt;
        h.width = core::getU16(file, pos + 4);
        h.height = core::getU16(file, pos + 6);
        const std::uint8_t imagePacked = file[pos + 8];
        h.interlaced = (imagePacked & 0x40) != 0;
        h.pixelOffset = pos + 9;
        if ((imagePacked & 0x80) != 0 && !takeLocalTable(file, imagePacked, h)) return std::nullopt;
        break;
    }
    h.bitsPerPixel = 8;
    h.planes = 1;
    if (!checkLayout(h)) return std::nullopt;
    return h;
}

void decodeGif(const PictureHeader& h, FileBytes file, std::uint8_t* out) {
    if (h.bitsPerPixel != 8 || h.planes != 1 || h.pixelOffset >= file.size()) return;
    const int minBits = file[h.pixelOffset];
    if (minBits < 2 || minBits > 9) return;

    CodeReader codes(file.data() + h.pixelOffset + 1, file.data() + file.size());
    RowWriter rows(h, out);
    StringTable table;
    std::array<std::uint8_t, kTableSize> spill;
    const int clear = 1 << minBits;
    const int endOfInfo = clear + 1;
    for (int c = 0; c < clear; ++c) {
        table.prefix[c] = 0;
        table.length[c] = 1;
        table.suffix[c] = static_cast<std::uint8_t>(c);
        table.first[c] = static_cast<std::uint8_t>(c);
    }

    int bits = minBits + 1;
    int nextFree = endOfInfo + 1;
    int previous = -1;
    int code = 0;
    while (codes.next(bits, code)) {
        if (code == clear) {
            bits = minBits + 1;
            nextFree = endOfInfo + 1;
            previous = -1;
            continue;
        }
        if (code == endOfInfo) return;
        if (previous < 0) {
            if (code > clear) return;  // nothing is defined yet past the roots
        } else if (code < nextFree || (code == nextFree && nextFree < kTableSize)) {
            if (nextFree < kTableSize) {
                const bool known = code < nextFree;
                table.prefix[nextFree] = static_cast<std::uint16_t>(previous);
                table.length[nextFree] = static_cast<std::uint16_t>(table.length[previous] + 1);
                table.first[nextFree] = table.first[previous];
                table.suffix[nextFree] = known ? table.first[code] : table.first[previous];
                ++nextFree;
                if (nextFree == (1 << bits) && bits < kMaxCodeBits) ++bits;
            }
        } else {
            return;  // refers to a string not yet defined
        }
        if (!emit(table, code, rows, spill.data())) return;
        previous = code;
    }
}

}  // namespace kestrel::pictures::detail
