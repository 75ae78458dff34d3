// PNG files read back by libpng's own reader, not by anything of ours.
#pragma once
#include <png.h>

#include <optional>
#include <vector>

#include "core/bytes.hpp"
#include "pictures/surface.hpp"

namespace kestrel::testing {

inline std::optional<pictures::Surface> readPng(const core::Bytes& bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return std::nullopt;
    image.format = PNG_FORMAT_RGB;
    std::vector<pictures::Rgb> pixels(PNG_IMAGE_SIZE(image) / 3);
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return std::nullopt;
    return pictures::Surface::fromPixels(static_cast<int>(image.width), static_cast<int>(image.height),
                                         std::move(pixels));
}

}  // namespace kestrel::testing
