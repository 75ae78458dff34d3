#include "pictures/picture.hpp"

#include <algorithm>
#include <cctype>
#include <new>
#include <string>

#include "pictures/device_image.hpp"
#include "pictures/file_bytes.hpp"

namespace kestrel::pictures {

namespace {

constexpr std::size_t kStartBytes = 20;

// Open and Load re-read only what is about the layout; the palette may change.
// Everything but the palette, which Load takes anew.
bool sameLayout(const PictureHeader& a, PictureHeader b) {
    b.palette = a.palette;
    return a == b;
}

std::optional<PictureHeader> readHeaderOf(PictureKind kind, const core::Bytes& file, const Display& display) {
    const std::span<const std::uint8_t> bytes(file);
    if (!detectPictureKind(bytes.first(std::min(kStartBytes, bytes.size())), bytes.size())) return std::nullopt;
    return readPictureHeader(kind, bytes, display);
}

std::optional<PictureKind> kindFromEnding(const std::filesystem::path& path) {
    const std::string name = path.string();
    if (name.size() < 3) return std::nullopt;
    std::string ending = name.substr(name.size() - 3);
    for (char& c : ending) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (ending == "PCX") return PictureKind::Pcx;
    if (ending == "BMP") return PictureKind::Bmp;
    if (ending == "GIF") return PictureKind::Gif;
    if (ending == "ICO") return PictureKind::Icon;
    return std::nullopt;
}

std::unique_ptr<Picture> makePicture(PictureKind kind, const std::filesystem::path& path, const Display& display) {
    switch (kind) {
        case PictureKind::Pcx: return std::make_unique<PcxPicture>(path, display);
        case PictureKind::Icon: return std::make_unique<IconPicture>(path, display);
        case PictureKind::Gif: return std::make_unique<GifPicture>(path, display);
        case PictureKind::Bmp: return std::make_unique<BmpPicture>(path, display);
    }
    return nullptr;
}

}  // namespace

Picture::Picture(PictureKind kind, std::filesystem::path path, Display display)
    : kind_(kind), path_(std::move(path)), display_(std::move(display)) {
    if (display_.isPalette()) display_.systemPalette.resize(static_cast<std::size_t>(display_.colourCount()));
}

Picture::~Picture() = default;

PcxPicture::PcxPicture(std::filesystem::path p, Display d) : Picture(PictureKind::Pcx, std::move(p), std::move(d)) {}
IconPicture::IconPicture(std::filesystem::path p, Display d) : Picture(PictureKind::Icon, std::move(p), std::move(d)) {}
GifPicture::GifPicture(std::filesystem::path p, Display d) : Picture(PictureKind::Gif, std::move(p), std::move(d)) {}
BmpPicture::BmpPicture(std::filesystem::path p, Display d) : Picture(PictureKind::Bmp, std::move(p), std::move(d)) {}

bool Picture::Open() {
    // A new header needs a new Load.
    header_.reset();
    loaded_ = false;
    logicalPalette_.clear();
    deviceData_.clear();
    shown_ = Surface();
    opaque_ = OpaqueMask();
    try {
        const auto file = readWholeFile(path_);
        if (!file) return false;
        header_ = readHeaderOf(kind_, *file, display_);
    } catch (const std::bad_alloc&) {
        header_.reset();
    }
    return header_.has_value();
}

bool Picture::Load() {
    loaded_ = false;
    logicalPalette_.clear();
    deviceData_.clear();
    shown_ = Surface();
    opaque_ = OpaqueMask();
    if (!header_) return false;
    try {
        const auto file = readWholeFile(path_);
        if (!file) return false;
        const auto now = readHeaderOf(kind_, *file, display_);
        if (!now || !sameLayout(*now, *header_)) return false;
        header_->palette = now->palette;
        const PixelData pixels = decodePixels(*header_, *file);
        auto image = makeDeviceImage(*header_, pixels, display_);
        if (!image) return false;
        logicalPalette_ = std::move(image->logicalPalette);
        deviceData_ = std::move(image->data);
        shown_ = std::move(image->shown);
    } catch (const std::bad_alloc&) {
        return false;
    }
    loaded_ = true;
    return true;
}

void Picture::Draw(int sx, int sy, int width, int height, Surface& target, int tx, int ty) const {
    if (loaded_) target.copyRect(shown_, {sx, sy, width, height}, tx, ty);
}

void Picture::DrawTransparent(int sx, int sy, int width, int height, Surface& target, int tx, int ty, Rgb colour) {
    if (!loaded_) return;
    if (!opaque_.foundFor(colour)) opaque_ = OpaqueMask(shown_, colour);
    target.copyRectTransparent(shown_, {sx, sy, width, height}, tx, ty, opaque_);
}

std::unique_ptr<Picture> OpenPicture(const std::filesystem::path& path, const Display& display) {
    std::optional<PictureKind> kind;
    if (readFileStart(path, 0))
        kind = DetectPictureKind(path);
    else
        kind = kindFromEnding(path);
    if (!kind) return nullptr;
    auto picture = makePicture(*kind, path, display);
    picture->Open();
    return picture;
}

}  // namespace kestrel::pictures
