// Recognition by content: the icon test first (it needs the length), then
// the signatures.
#include <cstring>

#include "pictures/file_bytes.hpp"
#include "pictures/picture.hpp"

namespace kestrel::pictures {

namespace {
constexpr std::size_t kStartBytes = 20;
constexpr std::uint64_t kIconMinimumLength = 766;
constexpr std::uint8_t kIconStart[8] = {0, 0, 1, 0, 1, 0, 32, 32};

bool startsWith(std::span<const std::uint8_t> start, const void* sig, std::size_t n) {
    return start.size() >= n && std::memcmp(start.data(), sig, n) == 0;
}
}  // namespace

std::optional<PictureKind> detectPictureKind(std::span<const std::uint8_t> start, std::uint64_t fileLength) {
    static constexpr std::uint8_t pcx[3] = {10, 5, 1};
    if (fileLength >= kIconMinimumLength && startsWith(start, kIconStart, sizeof kIconStart)) return PictureKind::Icon;
    if (startsWith(start, "GIF8", 4)) return PictureKind::Gif;
    if (startsWith(start, "BM", 2)) return PictureKind::Bmp;
    if (startsWith(start, pcx, sizeof pcx)) return PictureKind::Pcx;
    return std::nullopt;
}

std::optional<PictureKind> DetectPictureKind(const std::filesystem::path& path) {
    const auto start = readFileStart(path, kStartBytes);
    if (!start) return std::nullopt;
    return detectPictureKind(start->bytes, start->length);
}

}  // namespace kestrel::pictures
