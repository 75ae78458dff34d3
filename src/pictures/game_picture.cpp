#include "pictures/game_picture.hpp"

#include <string>

namespace kestrel::pictures {

std::unique_ptr<Picture> loadGamePicture(const core::DataRoot& root, std::string_view base, const Display& display) {
    const std::string bmp = std::string(base) + ".BMP";
    const auto path = root.resolve(root.read(bmp, 0) ? bmp : std::string(base) + ".PCX");
    if (!path) return nullptr;
    auto picture = OpenPicture(*path, display);
    if (!picture || !picture->Load()) return nullptr;
    return picture;
}

}  // namespace kestrel::pictures
