#include "app/picture_command.hpp"

#include <fstream>

#include "pictures/picture.hpp"

namespace kestrel::app {

int describePicture(const std::filesystem::path& file, const std::optional<std::filesystem::path>& bmpOut,
                    std::ostream& out, std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        err << "kstred: cannot open " << file.string() << '\n';
        return 1;
    }
    const auto picture = pictures::OpenPicture(file);
    if (!picture || !picture->opened()) {
        err << "kstred: " << file.string() << " is not a PCX, BMP, GIF or icon picture that can be read\n";
        return 1;
    }
    const auto& h = picture->header();
    out << pictures::pictureKindName(h.kind) << ' ' << h.width << " x " << h.height << ", " << h.planes
        << (h.planes == 1 ? " plane, " : " planes, ") << h.bitsPerPixel << " bits per pixel, " << h.colourCount
        << " colours\n";
    if (!bmpOut) return 0;
    if (!picture->Load()) {
        err << "kstred: the pixels of " << file.string() << " cannot be decoded\n";
        return 1;
    }
    const auto bmp = picture->shown().toBmp();
    std::ofstream to(*bmpOut, std::ios::binary);
    to.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    if (!to.flush()) {
        err << "kstred: cannot write " << bmpOut->string() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace kestrel::app
