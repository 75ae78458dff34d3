// Small writers of PCX, BMP, GIF and icon files for tests, seeds and
// benchmarks. Header-only so the separate fuzzing build can use it too.
#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace kestrel::pictures::peer {

using Bytes = std::vector<std::uint8_t>;

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Colour&) const = default;
};

// One palette index per pixel, rows top to bottom.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    std::vector<Colour> palette;
    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    // Black past the end of the palette.
    Colour colour(int i) const { return i < static_cast<int>(palette.size()) ? palette[i] : Colour{}; }
};

// Three bytes per pixel, rows top to bottom.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;
};

namespace detail {
// Little-endian fields in the order given.
inline void put16(Bytes& b, std::initializer_list<std::uint32_t> values) {
    for (const std::uint32_t v : values) b.insert(b.end(), {std::uint8_t(v & 0xFF), std::uint8_t((v >> 8) & 0xFF)});
}
inline void put32(Bytes& b, std::initializer_list<std::uint32_t> values) {
    for (const std::uint32_t v : values) put16(b, {v & 0xFFFF, v >> 16});
}
inline void putRgb(Bytes& b, Colour c) { b.insert(b.end(), {c.r, c.g, c.b}); }
}  // namespace detail

// A deterministic generator so every run writes the same files.
class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
    std::uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }

private:
    std::uint32_t state_;
};

inline std::vector<Colour> randomPalette(int count, std::uint32_t seed) {
    Lcg rng(seed);
    std::vector<Colour> p(count);
    for (auto& c : p) c = {std::uint8_t(rng.below(256)), std::uint8_t(rng.below(256)), std::uint8_t(rng.below(256))};
    return p;
}

// Noise over the first `colours` indices with flat rectangles, so that LZW
// and RLE meet both long runs and incompressible stretches.
inline IndexedImage patternImage(int width, int height, int colours, std::uint32_t seed) {
    IndexedImage img{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height),
                     randomPalette(colours, seed ^ 0x5A5Au)};
    Lcg rng(seed);
    for (auto& p : img.pixels) p = static_cast<std::uint8_t>(rng.below(colours));
    for (int r = 0; r < 3; ++r) {
        const int x0 = rng.below(std::max(1, width)), y0 = rng.below(std::max(1, height));
        const int w = 1 + rng.below(std::max(1, width / 2)), h = 1 + rng.below(std::max(1, height / 2));
        const auto c = static_cast<std::uint8_t>(rng.below(colours));
        for (int y = y0; y < std::min(height, y0 + h); ++y)
            for (int x = x0; x < std::min(width, x0 + w); ++x) img.pixels[static_cast<std::size_t>(y) * width + x] = c;
    }
    return img;
}

// ---------------------------------------------------------------- GIF

struct GifOptions {
    int minCodeSize = 8;     // 2..8
    bool interlaced = false;
    int clearEvery = 0;      // emit a clear code after this many codes; 0: only when the table is full
    bool deferredClear = false;   // a full table is kept (no clear code) until the end
    int tableBits = 8;            // the global colour table holds 2^tableBits entries
    bool graphicControl = false;  // a graphic control extension before the image
    bool comment = false;         // a comment extension before the image
    std::string version = "GIF89a";
    bool localTable = false;      // the palette goes into a local table; the global one is grey
};

// LZW codes packed least significant bit first, as GIF wants them.
inline Bytes gifLzw(const std::vector<std::uint8_t>& indices, int minCodeSize, int clearEvery,
                    bool deferredClear = false) {
    Bytes out;
    std::uint32_t acc = 0;
    int accBits = 0, width = minCodeSize + 1, sinceClear = 0;
    const int clear = 1 << minCodeSize, eoi = clear + 1;
    int next = eoi + 1;
    std::unordered_map<std::uint32_t, int> table;
    auto emit = [&](int code) {
        acc |= static_cast<std::uint32_t>(code) << accBits;
        for (accBits += width; accBits >= 8; accBits -= 8, acc >>= 8) out.push_back(acc & 0xFF);
    };
    auto reset = [&] {
        emit(clear);
        table.clear();
        width = minCodeSize + 1;
        next = eoi + 1;
        sinceClear = 0;
    };
    reset();
    int cur = indices.empty() ? 0 : indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const int p = indices[i];
        const std::uint32_t key = (static_cast<std::uint32_t>(cur) << 8) | static_cast<std::uint32_t>(p);
        if (auto it = table.find(key); it != table.end()) {
            cur = it->second;
            continue;
        }
        emit(cur);
        ++sinceClear;
        if (next < 4096) {
            table.emplace(key, next++);
            // The decoder adds its entry one code later, so it widens at the same point.
            if (next > (1 << width) && width < 12) ++width;
        }
        if ((next >= 4096 && !deferredClear) || (clearEvery > 0 && sinceClear >= clearEvery)) reset();
        cur = p;
    }
    if (!indices.empty()) emit(cur);
    emit(eoi);
    if (accBits > 0) out.push_back(acc & 0xFF);
    return out;
}

// Rows in the order a GIF stores them: one pass, or the four of interlacing.
inline std::vector<int> gifRowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < (interlaced ? 4 : 1); ++pass)
        for (int y = starts[pass]; y < height; y += interlaced ? steps[pass] : 1) rows.push_back(y);
    return rows;
}

// A single-image GIF with a global colour table (the palette cut or padded with black).
inline Bytes writeGif(const IndexedImage& img, const GifOptions& opt = {}) {
    using namespace detail;
    if (opt.minCodeSize < 2 || opt.minCodeSize > 8) throw std::invalid_argument("GIF code size");
    if (opt.tableBits < 1 || opt.tableBits > 8) throw std::invalid_argument("GIF table size");
    Bytes b(opt.version.begin(), opt.version.end());
    put16(b, {std::uint32_t(img.width), std::uint32_t(img.height)});
    b.insert(b.end(), {std::uint8_t(0xF0 | (opt.tableBits - 1)), 0, 0});  // global table, 8-bit colour resolution
    auto table = [&](bool grey) {
        for (int i = 0; i < (1 << opt.tableBits); ++i) putRgb(b, grey ? Colour{128, 128, 128} : img.colour(i));
    };
    table(opt.localTable);
    if (opt.comment) b.insert(b.end(), {0x21, 0xFE, 5, 'h', 'e', 'l', 'l', 'o', 0});
    if (opt.graphicControl) b.insert(b.end(), {0x21, 0xF9, 4, 0, 0, 0, 0, 0});
    b.push_back(0x2C);
    put16(b, {0, 0, std::uint32_t(img.width), std::uint32_t(img.height)});
    b.push_back(static_cast<std::uint8_t>((opt.interlaced ? 0x40 : 0x00) |
                                          (opt.localTable ? 0x80 | (opt.tableBits - 1) : 0)));
    if (opt.localTable) table(false);
    b.push_back(static_cast<std::uint8_t>(opt.minCodeSize));
    std::vector<std::uint8_t> ordered;
    ordered.reserve(img.pixels.size());
    const int limit = (1 << opt.minCodeSize) - 1;
    for (int y : gifRowOrder(img.height, opt.interlaced))
        for (int x = 0; x < img.width; ++x) ordered.push_back(std::min<int>(img.at(x, y), limit));
    const Bytes lzw = gifLzw(ordered, opt.minCodeSize, opt.clearEvery, opt.deferredClear);
    for (std::size_t i = 0; i < lzw.size(); i += 255) {
        const std::size_t n = std::min<std::size_t>(255, lzw.size() - i);
        b.push_back(static_cast<std::uint8_t>(n));
        b.insert(b.end(), lzw.begin() + i, lzw.begin() + i + n);
    }
    b.insert(b.end(), {0, 0x3B});
    return b;
}

// ---------------------------------------------------------------- BMP

namespace detail {
inline void bmpHeaders(Bytes& b, int width, int height, int bits, int tableEntries, std::size_t rowBytes) {
    const std::uint32_t offset = 14 + 40 + 4 * tableEntries;
    const std::uint32_t image = static_cast<std::uint32_t>(rowBytes * height);
    b.insert(b.end(), {'B', 'M'});
    put32(b, {offset + image, 0, offset, 40, std::uint32_t(width), std::uint32_t(height)});
    put16(b, {1, std::uint32_t(bits)});
    put32(b, {0, image, 2835, 2835, 0, 0});  // uncompressed, image size, resolution, colours used and important
}
// The colour table (blue, green, red, 0; black past the palette) and the
// packed rows bottom-up, each padded to rowBytes: shared by BMP and icon.
inline void appendTableAndRows(Bytes& b, const IndexedImage& img, int bits, std::size_t rowBytes) {
    const int entries = 1 << bits;
    for (int i = 0; i < entries; ++i) b.insert(b.end(), {img.colour(i).b, img.colour(i).g, img.colour(i).r, 0});
    const int mask = entries - 1;
    for (int y = img.height - 1; y >= 0; --y) {
        Bytes row(rowBytes, 0);
        for (int x = 0; x < img.width; ++x) {
            const int v = img.at(x, y) & mask;
            const std::size_t bit = static_cast<std::size_t>(x) * bits;
            row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - bits - bit % 8));
        }
        b.insert(b.end(), row.begin(), row.end());
    }
}
}  // namespace detail

// Uncompressed, bottom-up, 1, 4 or 8 bits with a full colour table.
inline Bytes writeBmp(const IndexedImage& img, int bits) {
    using namespace detail;
    if (bits != 1 && bits != 4 && bits != 8) throw std::invalid_argument("BMP bits");
    const int entries = 1 << bits;
    const std::size_t rowBytes = ((static_cast<std::size_t>(img.width) * bits + 31) / 32) * 4;
    Bytes b;
    bmpHeaders(b, img.width, img.height, bits, entries, rowBytes);
    appendTableAndRows(b, img, bits, rowBytes);
    return b;
}

// Uncompressed, bottom-up, 24 or 32 bits.
inline Bytes writeBmpTrueColour(const RgbImage& img, int bits) {
    using namespace detail;
    if (bits != 24 && bits != 32) throw std::invalid_argument("BMP bits");
    const int bpp = bits / 8;
    const std::size_t rowBytes = (static_cast<std::size_t>(img.width) * bpp + 3) & ~std::size_t{3};
    Bytes b;
    bmpHeaders(b, img.width, img.height, bits, 0, rowBytes);
    for (int y = img.height - 1; y >= 0; --y) {
        Bytes row(rowBytes, 0);
        for (int x = 0; x < img.width; ++x) {
            const Colour c = img.pixels[static_cast<std::size_t>(y) * img.width + x];
            std::copy_n(std::array{c.b, c.g, c.r}.begin(), 3, row.begin() + x * bpp);
        }
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

// ---------------------------------------------------------------- PCX

namespace detail {
inline void pcxRle(Bytes& out, const std::uint8_t* line, std::size_t n) {
    for (std::size_t i = 0; i < n;) {
        std::size_t run = 1;
        while (i + run < n && run < 63 && line[i + run] == line[i]) ++run;
        if (run > 1 || line[i] >= 0xC0) out.push_back(static_cast<std::uint8_t>(0xC0 | run));
        out.push_back(line[i]);
        i += run;
    }
}
}  // namespace detail

// Version 5, run-length encoded. Layouts: 1 bit x 1..4 planes (header
// palette), 2 or 4 bits x 1 plane (header palette), 8 bits x 1 plane
// (trailing 256-colour palette). Lines are stored with `linePadding` bytes
// beyond the even length the width needs, as some writers do.
inline Bytes writePcx(const IndexedImage& img, int bits, int planes, int linePadding = 0) {
    using namespace detail;
    const bool ok = (bits == 1 && planes >= 1 && planes <= 4) || ((bits == 2 || bits == 4 || bits == 8) && planes == 1);
    if (!ok) throw std::invalid_argument("PCX layout");
    std::size_t bpl = (static_cast<std::size_t>(img.width) * bits + 7) / 8;
    bpl += (bpl & 1) + static_cast<std::size_t>(linePadding);
    Bytes b{0x0A, 5, 1, std::uint8_t(bits)};  // maker, version, encoding, bits
    put16(b, {0, 0, std::uint32_t(img.width - 1), std::uint32_t(img.height - 1), 72, 72});  // window, resolution
    for (int i = 0; i < 16; ++i) putRgb(b, img.colour(i));
    b.insert(b.end(), {0, std::uint8_t(planes)});  // reserved, planes
    put16(b, {std::uint32_t(bpl), 1});             // bytes per line, palette type
    b.resize(128, 0);
    const int mask = (1 << (bits * planes)) - 1;
    Bytes line(bpl * planes);
    for (int y = 0; y < img.height; ++y) {
        std::fill(line.begin(), line.end(), 0);
        for (int x = 0; x < img.width; ++x) {
            const int v = img.at(x, y) & mask;
            if (bits == 1) {
                for (int p = 0; p < planes; ++p)
                    if ((v >> p) & 1) line[p * bpl + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            } else {
                const std::size_t bit = static_cast<std::size_t>(x) * bits;
                line[bit / 8] |= static_cast<std::uint8_t>(v << (8 - bits - bit % 8));
            }
        }
        // Runs never cross a plane's line, as the format asks.
        for (int p = 0; p < planes; ++p) pcxRle(b, line.data() + p * bpl, bpl);
    }
    if (bits == 8) {
        b.push_back(12);
        for (int i = 0; i < 256; ++i) putRgb(b, img.colour(i));
    }
    return b;
}

// ---------------------------------------------------------------- icon

// One image of 1, 4 or 8 bits: directory, BITMAPINFOHEADER with the doubled
// height, colour table, colour rows and AND mask rows, bottom-up.
inline Bytes writeIcon(const IndexedImage& img, int bits, const std::vector<bool>& transparent = {}) {
    using namespace detail;
    if (bits != 1 && bits != 4 && bits != 8) throw std::invalid_argument("icon bits");
    const int entries = 1 << bits;
    const std::size_t rowBytes = ((static_cast<std::size_t>(img.width) * bits + 31) / 32) * 4;
    const std::size_t maskBytes = ((static_cast<std::size_t>(img.width) + 31) / 32) * 4;
    const std::uint32_t bodySize =
        static_cast<std::uint32_t>(40 + 4 * entries + (rowBytes + maskBytes) * img.height);
    Bytes b;
    put16(b, {0, 1, 1});  // reserved, type, count
    b.insert(b.end(), {std::uint8_t(img.width & 0xFF), std::uint8_t(img.height & 0xFF),
                       std::uint8_t(bits == 8 ? 0 : entries), 0});
    put16(b, {1, std::uint32_t(bits)});
    put32(b, {bodySize, 22, 40, std::uint32_t(img.width), std::uint32_t(img.height * 2)});
    put16(b, {1, std::uint32_t(bits)});
    put32(b, {0, std::uint32_t((rowBytes + maskBytes) * img.height), 0, 0, 0, 0});
    appendTableAndRows(b, img, bits, rowBytes);
    for (int y = img.height - 1; y >= 0; --y) {
        Bytes row(maskBytes, 0);
        for (int x = 0; x < img.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * img.width + x;
            if (i < transparent.size() && transparent[i]) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

}  // namespace kestrel::pictures::peer
