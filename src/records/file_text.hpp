// The stable text of a record file, one field a line, for people and for
// `git diff`: the same bytes always give the same text.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "records/file_kinds.hpp"
#include "records/record_leaves.hpp"

namespace kestrel::records {

std::string showFile(const FileKind& kind, std::span<const std::uint8_t> file);

// A leaf's value as `show` writes it: 12 "Engineer +N", "quoted text", hex.
std::string shownValue(const Leaf& leaf, const LeafValue& value);

}  // namespace kestrel::records
