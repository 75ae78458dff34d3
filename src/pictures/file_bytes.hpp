// Reading picture files whole or by their first bytes: regular files only,
// and never more than a picture file can hold.
#pragma once
#include <filesystem>
#include <optional>

#include "core/bytes.hpp"
#include "core/host_file.hpp"

namespace kestrel::pictures {

// Nothing when the file cannot be opened or read, is not a regular file, or
// is larger than kMaxFileSize.
std::optional<core::Bytes> readWholeFile(const std::filesystem::path& path);

using FileStart = core::FileStart;
std::optional<FileStart> readFileStart(const std::filesystem::path& path, std::size_t count);

}  // namespace kestrel::pictures
