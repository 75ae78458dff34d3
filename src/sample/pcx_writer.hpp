// Writes paletted pictures as 8-bit, run-length encoded PCX files with the
// 256-colour palette appended after the image data.
#pragma once
#include "core/bytes.hpp"
#include "sample/indexed_image.hpp"

namespace kestrel::sample {

// Empty when the picture has no pixels, is too wide for the header's fields,
// or its pixel buffer does not match its size.
core::Bytes encodePcx8(const IndexedImage& img);

}  // namespace kestrel::sample
