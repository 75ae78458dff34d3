// Ruin set record: the entry name and whether a searched ruin loses its top.
#pragma once
#include <array>
#include <cstddef>
#include <ostream>
#include <span>
#include <string>

#include "core/bytes.hpp"
#include "core/record_format.hpp"

namespace kestrel::datasets {

inline constexpr std::array<core::Field, 2> kRuinSetFields{{
    core::text("entryName", 0, 9),
    core::s8("removeTop", 9).within(0, 1),
}};
inline constexpr core::Format kRuinSetFormat{"ruin set", 10, kRuinSetFields};
static_assert(core::wellFormed(kRuinSetFormat));

struct RuinSetLayout {
    static constexpr std::size_t kSize = kRuinSetFormat.size;
    static constexpr std::size_t kEntryName = kRuinSetFormat.at("entryName"),
                                 kEntryNameSize = kRuinSetFormat.sizeOf("entryName");
    static constexpr std::size_t kRemoveTop = kRuinSetFormat.at("removeTop");
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
