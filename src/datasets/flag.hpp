// Flag record: only the entry name, marking that the flag exists; the flag
// itself is its picture.
#pragma once
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"

namespace kestrel::datasets {

struct FlagLayout {
    static constexpr std::size_t kSize = 9;
    static constexpr std::size_t kEntryName = 0, kEntryNameSize = 9;
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
