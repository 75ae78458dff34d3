// A decoded picture made ready for a display: its logical palette, the
// device data in the display's layout and the colours the screen shows.
#pragma once
#include <optional>
#include <span>

#include "pictures/picture.hpp"

namespace kestrel::pictures {

struct DeviceImage {
    std::vector<Rgb> logicalPalette;
    core::Bytes data;
    Surface shown;
};

// `pixels` is the decoded data of `header`. On a palette display an 8-bit
// display's system palette takes the logical palette's non-static entries.
// Nothing for true colour pictures on palette displays, displays of other
// depths than 1, 2, 4, 8 or true colour, and data of the wrong size.
std::optional<DeviceImage> makeDeviceImage(const PictureHeader& header, std::span<const std::uint8_t> pixels,
                                           Display& display);

}  // namespace kestrel::pictures
