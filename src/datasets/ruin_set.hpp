// Ruin set record: the entry name and whether a searched ruin loses its top.
#pragma once
#include <cstddef>
#include <ostream>
#include <span>
#include <string>

#include "core/bytes.hpp"

namespace kestrel::datasets {

struct RuinSetLayout {
    static constexpr std::size_t kSize = 10;
    static constexpr std::size_t kEntryName = 0, kEntryNameSize = 9;
    static constexpr std::size_t kRemoveTop = 9;
};

struct RuinSet {
    std::string entryName;
    bool removeTop = false;
    bool operator==(const RuinSet&) const = default;
};

std::ostream& operator<<(std::ostream& out, const RuinSet& set);

RuinSet readRuinSet(std::span<const std::uint8_t> record);
core::Bytes writeRuinSet(const RuinSet& set);
RuinSet newRuinSet(std::string_view entryName);

}  // namespace kestrel::datasets
