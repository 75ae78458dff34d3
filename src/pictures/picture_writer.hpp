// Writes a picture a band of rows at a time, so that a picture far larger
// than the memory it may take is written without ever being whole in memory.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "core/bytes.hpp"
#include "pictures/surface.hpp"

namespace kestrel::pictures {

// Takes the file's bytes in order; false stops the writing.
using ByteSink = std::function<bool(std::span<const std::uint8_t>)>;

enum class PictureFormat { Bmp, Png };

class PictureWriter {
public:
    virtual ~PictureWriter() = default;
    // A BMP stores its rows bottom first: bands must then come bottom first.
    virtual bool bottomUp() const = 0;
    // Rows `first` to `first + count - 1` of `band` (as wide as the picture),
    // in the file's order. False once the sink refused or the writer failed.
    virtual bool rows(const Surface& band, int first, int count) = 0;
    // After the last row: what the file has after its pixels.
    virtual bool finish() = 0;
};

// Writers of a picture of `width` x `height` pixels (both above 0) into
// `sink`; nothing when the format cannot hold that size.
std::unique_ptr<PictureWriter> makeBmpWriter(int width, int height, ByteSink sink);
std::unique_ptr<PictureWriter> makePngWriter(int width, int height, ByteSink sink);
std::unique_ptr<PictureWriter> makePictureWriter(PictureFormat format, int width, int height, ByteSink sink);

inline constexpr std::size_t kBmpHeaderSize = 54;
// The 54 bytes before the pixels of a bottom-up 24-bit BMP.
core::Bytes bmpHeader(int width, int height);
// Bytes of a BMP row: three a pixel, padded to four.
std::size_t bmpRowSize(int width);

}  // namespace kestrel::pictures
