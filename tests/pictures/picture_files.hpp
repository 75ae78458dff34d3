// Byte builders, decoding shortcuts and a scratch folder for the picture tests.
#pragma once
#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "pictures/picture.hpp"
#include "support/temp_root.hpp"

namespace kestrel::pictures::testing {

// A fresh folder per test that writes picture files and opens them.
class ScratchDir : public ::kestrel::testing::TempRoot {
public:
    std::filesystem::path write(const std::string& name, const core::Bytes& bytes) const {
        TempRoot::write(name, bytes);
        return *this / name;
    }
    // Opened and loaded, or nothing.
    std::unique_ptr<Picture> load(const std::string& name, const core::Bytes& bytes,
                                  const Display& display = Display::trueColour()) const {
        auto picture = OpenPicture(write(name, bytes), display);
        return picture && picture->Load() ? std::move(picture) : nullptr;
    }
};

// Appends little-endian fields, so a file reads as its list of fields.
class Bytes {
public:
    Bytes& u8(std::initializer_list<int> values) {
        for (int v : values) b_.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    Bytes& u16(int v) { return u8({v & 0xFF, (v >> 8) & 0xFF}); }
    Bytes& u32(long long v) { return u16(static_cast<int>(v & 0xFFFF)).u16(static_cast<int>((v >> 16) & 0xFFFF)); }
    Bytes& text(const std::string& s) { return append(core::Bytes(s.begin(), s.end())); }
    Bytes& fill(std::size_t n, int v = 0) {
        b_.insert(b_.end(), n, static_cast<std::uint8_t>(v));
        return *this;
    }
    Bytes& rgb(Rgb c) { return u8({c.r, c.g, c.b}); }
    Bytes& append(const core::Bytes& more) {
        b_.insert(b_.end(), more.begin(), more.end());
        return *this;
    }
    operator const core::Bytes&() const { return b_; }

private:
    core::Bytes b_;
};

struct Decoded {
    std::optional<PictureHeader> header;
    core::Bytes data;
};
inline Decoded decode(PictureKind kind, const core::Bytes& file, const Display& display = Display::trueColour()) {
    Decoded d{readPictureHeader(kind, file, display), {}};
    if (!d.header) return d;
    const PixelData pixels = decodePixels(*d.header, file);
    d.data.assign(pixels.begin(), pixels.end());
    return d;
}

// LZW codes of the given widths, packed least significant bit first, in
// data sub-blocks of up to `blockSize` bytes plus the terminator.
inline core::Bytes gifCodes(std::initializer_list<std::pair<int, int>> codeAndWidth, std::size_t blockSize = 255) {
    core::Bytes packed, out;
    unsigned buffer = 0;
    int held = 0;
    for (const auto& [code, width] : codeAndWidth) {
        buffer |= static_cast<unsigned>(code) << held;
        for (held += width; held >= 8; held -= 8, buffer >>= 8) packed.push_back(static_cast<std::uint8_t>(buffer));
    }
    if (held > 0) packed.push_back(static_cast<std::uint8_t>(buffer));
    for (std::size_t at = 0; at < packed.size(); at += blockSize) {
        const std::size_t n = std::min(blockSize, packed.size() - at);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), packed.begin() + static_cast<long>(at), packed.begin() + static_cast<long>(at + n));
    }
    out.push_back(0);
    return out;
}

// PCX: the 16 header colours are (16i, i, 7); the stated bytes per line is
// the even one the width needs unless given.
constexpr Rgb headerColour(int i) { return {static_cast<std::uint8_t>(16 * i), static_cast<std::uint8_t>(i), 7}; }
inline Bytes pcxHeader(int bits, int planes, int xmin, int ymin, int xmax, int ymax, int statedBytesPerLine = -1) {
    if (statedBytesPerLine < 0) statedBytesPerLine = planeBytesPerLine(bits, xmax - xmin + 1);
    Bytes b;
    b.u8({10, 5, 1, bits});                               // maker, version, encoding, bits per pixel
    b.u16(xmin).u16(ymin).u16(xmax).u16(ymax);            // window
    b.u16(300).u16(300);                                  // resolution
    for (int i = 0; i < 16; ++i) b.rgb(headerColour(i));  // 16-colour palette
    b.u8({0, planes}).u16(statedBytesPerLine);            // reserved, planes, bytes per line
    return b.fill(60);                                    // filler to 128
}
// An 8-bit PCX of `width` x rows.size() pixels: bytes written as they are
// unless both top bits are set (then as a run of one), each row padded to
// even, then the marker and 256 colours (black past `colours`).
inline core::Bytes pcx8(int width, const std::vector<std::vector<int>>& rows, const std::vector<Rgb>& colours) {
    Bytes b = pcxHeader(8, 1, 0, 0, width - 1, static_cast<int>(rows.size()) - 1);
    for (auto row : rows) {
        if (row.size() % 2) row.push_back(0);
        for (int v : row) (v & 0xC0) == 0xC0 ? b.u8({0xC1, v}) : b.u8({v});
    }
    b.u8({12});
    for (std::size_t i = 0; i < 256; ++i) b.rgb(i < colours.size() ? colours[i] : Rgb{});
    return b;
}

}  // namespace kestrel::pictures::testing
