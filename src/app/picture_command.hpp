// `kstred picture FILE [--to OUT.bmp]`: what a picture file holds, and its
// decoded pixels as a 24-bit BMP, so a modder can see why it does not show.
#pragma once
#include <filesystem>
#include <optional>
#include <ostream>

namespace kestrel::app {

int describePicture(const std::filesystem::path& file, const std::optional<std::filesystem::path>& bmpOut,
                    std::ostream& out, std::ostream& err);

}  // namespace kestrel::app
