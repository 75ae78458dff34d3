// Small writers of PCX, BMP, GIF and icon files for tests, seeds and
// benchmarks. Header-only so the separate fuzzing build can use it too.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
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
};

// Three bytes per pixel, rows top to bottom.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;
};

namespace detail {
inline void put16(Bytes& b, std::uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
inline void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
inline void set32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}
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
    int accBits = 0;
    int width = minCodeSize + 1;
    const int clear = 1 << minCodeSize, eoi = clear + 1;
    int next = eoi + 1;
    int sinceClear = 0;
    std::unordered_map<std::uint32_t, int> table;
    auto emit = [&](int code) {
        acc |= static_cast<std::uint32_t>(code) << accBits;
        accBits += width;
        while (accBits >= 8) {
            out.push_back(acc & 0xFF);
            acc >>= 8;
            accBits -= 8;
        }
    };
    auto reset = [&] {
        emit(clear);
        table.clear();
        width = minCodeSize + 1;
        next = eoi + 1;
        sinceClear = 0;
    };
    reset();
    if (indices.empty()) {
        emit(eoi);
        if (accBits > 0) out.push_back(acc & 0xFF);
        return out;
    }
    int cur = indices[0];
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
    emit(cur);
    emit(eoi);
    if (accBits > 0) out.push_back(acc & 0xFF);
    return out;
}

// Rows in the order an interlaced GIF stores them.
inline std::vector<int> gifRowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    if (!interlaced) {
        for (int y = 0; y < height; ++y) rows.push_back(y);
        return rows;
    }
    const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < height; y += steps[pass]) rows.push_back(y);
    return rows;
}

// A single-image GIF with a global colour table (the palette cut or padded with black).
inline Bytes writeGif(const IndexedImage& img, const GifOptions& opt = {}) {
    using namespace detail;
    if (opt.minCodeSize < 2 || opt.minCodeSize > 8) throw std::invalid_argument("GIF code size");
    if (opt.tableBits < 1 || opt.tableBits > 8) throw std::invalid_argument("GIF table size");
    Bytes b(opt.version.begin(), opt.version.end());
    put16(b, img.width);
    put16(b, img.height);
    b.push_back(static_cast<std::uint8_t>(0xF0 | (opt.tableBits - 1)));  // global table, 8-bit colour resolution
    b.push_back(0);
    b.push_back(0);
    auto table = [&](bool grey) {
        for (int i = 0; i < (1 << opt.tableBits); ++i) {
            const Colour c = grey ? Colour{128, 128, 128}
                                  : i < static_cast<int>(img.palette.size()) ? img.palette[i] : Colour{};
            b.insert(b.end(), {c.r, c.g, c.b});
        }
    };
    table(opt.localTable);
    if (opt.comment) {
        b.insert(b.end(), {0x21, 0xFE, 5, 'h', 'e', 'l', 'l', 'o', 0});
    }
    if (opt.graphicControl) {
        b.insert(b.end(), {0x21, 0xF9, 4, 0, 0, 0, 0, 0});
    }
    b.push_back(0x2C);
    put16(b, 0);
    put16(b, 0);
    put16(b, img.width);
    put16(b, img.height);
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
    b.push_back(0);
    b.push_back(0x3B);
    return b;
}

// ---------------------------------------------------------------- BMP

namespace detail {
inline void bmpHeaders(Bytes& b, int width, int height, int bits, int tableEntries, std::size_t rowBytes) {
    const std::uint32_t offset = 14 + 40 + 4 * tableEntries;
    const std::uint32_t image = static_cast<std::uint32_t>(rowBytes * height);
    b.insert(b.end(), {'B', 'M'});
    put32(b, offset + image);
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(width));
    put32(b, static_cast<std::uint32_t>(height));
    put16(b, 1);
    put16(b, bits);
    put32(b, 0);  // uncompressed
    put32(b, image);
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
}
// The colour table (blue, green, red, 0; black past the palette) and the
// packed rows bottom-up, each padded to rowBytes: shared by BMP and icon.
inline void appendTableAndRows(Bytes& b, const IndexedImage& img, int bits, std::size_t rowBytes) {
    const int entries = 1 << bits;
    for (int i = 0; i < entries; ++i) {
        const Colour c = i < static_cast<int>(img.palette.size()) ? img.palette[i] : Colour{};
        b.insert(b.end(), {c.b, c.g, c.r, 0});
    }
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
            row[x * bpp] = c.b;
            row[x * bpp + 1] = c.g;
            row[x * bpp + 2] = c.r;
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
    Bytes b(128, 0);
    b[0] = 0x0A;
    b[1] = 5;
    b[2] = 1;
    b[3] = static_cast<std::uint8_t>(bits);
    auto set16 = [&](std::size_t at, std::uint32_t v) {
        b[at] = v & 0xFF;
        b[at + 1] = (v >> 8) & 0xFF;
    };
    set16(8, img.width - 1);
    set16(10, img.height - 1);
    set16(12, 72);
    set16(14, 72);
    for (int i = 0; i < 16; ++i) {
        const Colour c = i < static_cast<int>(img.palette.size()) ? img.palette[i] : Colour{};
        b[16 + 3 * i] = c.r;
        b[17 + 3 * i] = c.g;
        b[18 + 3 * i] = c.b;
    }
    b[65] = static_cast<std::uint8_t>(planes);
    set16(66, static_cast<std::uint32_t>(bpl));
    set16(68, 1);
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
        for (int i = 0; i < 256; ++i) {
            const Colour c = i < static_cast<int>(img.palette.size()) ? img.palette[i] : Colour{};
            b.insert(b.end(), {c.r, c.g, c.b});
        }
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
    put16(b, 0);
    put16(b, 1);
    put16(b, 1);
    b.push_back(static_cast<std::uint8_t>(img.width & 0xFF));
    b.push_back(static_cast<std::uint8_t>(img.height & 0xFF));
    b.push_back(static_cast<std::uint8_t>(bits == 8 ? 0 : entries));
    b.push_back(0);
    put16(b, 1);
    put16(b, bits);
    put32(b, bodySize);
    put32(b, 22);
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(img.width));
    put32(b, static_cast<std::uint32_t>(img.height * 2));
    put16(b, 1);
    put16(b, bits);
    put32(b, 0);
    put32(b, static_cast<std::uint32_t>((rowBytes + maskBytes) * img.height));
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
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
