// A whole data root as a tree of JSON files and back: each record file as
// FILE.json at its place, every other file copied as it is.
#pragma once
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "core/data_root.hpp"

namespace kestrel::records {

struct TreeReport {
    std::size_t converted = 0, copied = 0;
    std::vector<std::string> skipped;  // not regular files, with why
    std::vector<std::string> errors;   // "PATH: line N: field F: message"
    bool ok() const { return errors.empty(); }
};

// Record files larger than this are copied as they are: their JSON would be
// of no use to a person, and the copy keeps the round trip lossless.
inline constexpr std::uint64_t kLargestConvertedFile = 64u << 20;

TreeReport rootToJson(const std::filesystem::path& root, const std::filesystem::path& dir);

// Converts every JSON file of `dir` first; writes into `root` only when all
// converted, each file replaced atomically. Files of the root that the tree
// does not name are left alone.
TreeReport rootFromJson(const std::filesystem::path& dir, const core::DataRoot& root);

}  // namespace kestrel::records
