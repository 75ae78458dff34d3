// Flag record: only the entry name, marking that the flag exists; the flag
// itself is its picture.
#pragma once
#include <array>
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"
#include "core/record_format.hpp"

namespace kestrel::datasets {

inline constexpr std::array<core::Field, 1> kFlagFields{core::text("entryName", 0, 9)};
inline constexpr core::Format kFlagFormat{"flag", 9, kFlagFields};
static_assert(core::wellFormed(kFlagFormat));

struct FlagLayout {
    static constexpr std::size_t kSize = kFlagFormat.size;
    static constexpr std::size_t kEntryName = kFlagFormat.at("entryName"),
                                 kEntryNameSize = kFlagFormat.sizeOf("entryName");
};

struct Flag {
    std::string entryName;
    bool operator==(const Flag&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Flag& flag);

Flag readFlag(std::span<const std::uint8_t> record);
core::Bytes writeFlag(const Flag& flag);
Flag newFlag(std::string_view entryName);

}  // namespace kestrel::datasets
