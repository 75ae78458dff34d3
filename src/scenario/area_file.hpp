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
#include "core/record_format.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kAreaFile = "AREA.DAT";

// The name holds up to 15 characters and a NUL.
inline constexpr std::array<core::Field, 1> kAreaFields{core::text("name", 0, 16)};
inline constexpr core::Format kAreaFormat{"area", 34, kAreaFields};
static_assert(core::wellFormed(kAreaFormat));

inline constexpr std::array<core::Field, 1> kAreasFields{core::records("area", 0, kAreaFormat, 256)};
inline constexpr core::Format kAreasFormat{"areas", 256 * kAreaFormat.size, kAreasFields};
static_assert(core::wellFormed(kAreasFormat));

struct AreaLayout {
    static constexpr std::size_t kRecords = kAreasFormat.field("area").count, kRecordSize = kAreaFormat.size;
    static constexpr std::size_t kFileSize = kAreasFormat.size;
    static constexpr std::size_t kName = kAreaFormat.at("name"), kNameSize = kAreaFormat.sizeOf("name");
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
