#include "pictures/file_bytes.hpp"

#include <fstream>

namespace kestrel::pictures {

namespace {

std::optional<std::ifstream> openFile(const std::filesystem::path& path, std::uint64_t& length) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    const auto end = in.tellg();
    if (end < 0) return std::nullopt;
    length = static_cast<std::uint64_t>(end);
    in.seekg(0);
    if (!in) return std::nullopt;
    return in;
}

}  // namespace

std::optional<core::Bytes> readWholeFile(const std::filesystem::path& path) {
    std::uint64_t length = 0;
    auto in = openFile(path, length);
    if (!in) return std::nullopt;
    core::Bytes bytes(length);
    in->read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(length));
    if (static_cast<std::uint64_t>(in->gcount()) != length) return std::nullopt;
    return bytes;
}

std::optional<FileStart> readFileStart(const std::filesystem::path& path, std::size_t count) {
    FileStart start;
    auto in = openFile(path, start.length);
    if (!in) return std::nullopt;
    start.bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(count, start.length)));
    in->read(reinterpret_cast<char*>(start.bytes.data()), static_cast<std::streamsize>(start.bytes.size()));
    if (static_cast<std::size_t>(in->gcount()) != start.bytes.size()) return std::nullopt;
    return start;
}

}  // namespace kestrel::pictures
