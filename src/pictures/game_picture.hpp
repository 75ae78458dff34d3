// Pictures named the game's way: a base path whose ".BMP" file is taken when
// it opens and whose ".PCX" file otherwise.
#pragma once
#include <memory>
#include <string_view>

#include "core/data_root.hpp"
#include "pictures/picture.hpp"

namespace kestrel::pictures {

// Opened and loaded, or nothing.
std::unique_ptr<Picture> loadGamePicture(const core::DataRoot& root, std::string_view base,
                                         const Display& display = Display::trueColour());

}  // namespace kestrel::pictures
