// The per-format halves of readPictureHeader and decodePixels. Readers fill
// the layout and palette; checkLayout applies the shared rules. Decoders
// write into `out`, which holds header.dataSize() bytes: zeroed for all
// kinds but PCX, whose decoder writes every byte itself.
#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "pictures/picture.hpp"

namespace kestrel::pictures::detail {

using FileBytes = std::span<const std::uint8_t>;

// Completes colour count (except icons) and bytes per line from bits,
// planes and size; false when the picture must be refused.
bool checkLayout(PictureHeader& h);
// Whether a header, made anywhere, is one checkLayout would accept as it is.
bool layoutConsistent(const PictureHeader& h);
// Bytes of one plane's row without the rounding to even.
int packedBytesPerLine(int bitsPerPixel, int width);

std::optional<PictureHeader> readPcxHeader(FileBytes file);
std::optional<PictureHeader> readBmpHeader(FileBytes file);
std::optional<PictureHeader> readGifHeader(FileBytes file);
std::optional<PictureHeader> readIconHeader(FileBytes file, const Display& display);

void decodePcx(const PictureHeader& h, FileBytes file, std::uint8_t* out);
void decodeBmp(const PictureHeader& h, FileBytes file, std::uint8_t* out);
void decodeGif(const PictureHeader& h, FileBytes file, std::uint8_t* out);
void decodeIcon(const PictureHeader& h, FileBytes file, std::uint8_t* out);

}  // namespace kestrel::pictures::detail
