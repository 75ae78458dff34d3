#include "pictures/file_bytes.hpp"

#include "pictures/picture.hpp"

namespace kestrel::pictures {

std::optional<core::Bytes> readWholeFile(const std::filesystem::path& path) {
    return core::readWholeHostFile(path, kMaxFileSize);
}

std::optional<FileStart> readFileStart(const std::filesystem::path& path, std::size_t count) {
    return core::readHostFileStart(path, count);
}

}  // namespace kestrel::pictures
