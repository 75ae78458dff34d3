// The scenario's areas (AREA.DAT): 256 records of 34 bytes with no header;
// record n names area n, the number a map tile carries. Only the name is
// known; the rest of a record is not interpreted.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kAreaFile = "AREA.DAT";

struct AreaLayout {
    static constexpr std::size_t kRecords = 256, kRecordSize = 34;
    static constexpr std::size_t kFileSize = kRecords * kRecordSize;
    static constexpr std::size_t kName = 0, kNameSize = 16;  // up to 15 characters and a NUL
};

struct AreaNames {
    std::array<std::string, AreaLayout::kRecords> names;  // empty: the area has no name
    bool operator==(const AreaNames&) const = default;
};

std::ostream& operator<<(std::ostream& out, const AreaNames& areas);

// The name of area `index` in a file read whole; a short file reads as if
// padded with zeros, and an index outside 0..255 has no name.
std::string areaName(std::span<const std::uint8_t> file, int index);
AreaNames readAreaNames(std::span<const std::uint8_t> file);
// A whole file: the names, zeros elsewhere.
core::Bytes writeAreaNames(const AreaNames& areas);

}  // namespace kestrel::scenario
