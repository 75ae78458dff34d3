// Reading picture files whole or by their first bytes.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>

#include "core/bytes.hpp"

namespace kestrel::pictures {

// Nothing when the file cannot be opened or read (folders included).
std::optional<core::Bytes> readWholeFile(const std::filesystem::path& path);

struct FileStart {
    core::Bytes bytes;  // up to the asked count
    std::uint64_t length = 0;
};
std::optional<FileStart> readFileStart(const std::filesystem::path& path, std::size_t count);

}  // namespace kestrel::pictures
