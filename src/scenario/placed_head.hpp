// What ruin and site records share: the same fields at the same offsets in
// their first 152 bytes, and files that hold a 16-bit count, then records.
#pragma once
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "core/bytes.hpp"
#include "core/record_fields.hpp"
#include "scenario/map_position.hpp"

namespace kestrel::scenario {

struct PlacedHeadLayout {
    static constexpr std::size_t kName = 0, kNameSize = 16;
    static constexpr std::size_t kDescription = 16, kDescriptionSize = 128;
    static constexpr std::size_t kType = 144, kChance = 146, kX = 148, kY = 150;
    static constexpr std::size_t kCountSize = 2;  // before the first record of the file
};

// What the dialogs accept.
struct PlacedHeadLimits {
    static constexpr std::size_t kName = 15, kDescription = 127;
    static constexpr int kMaxChance = 100, kMaxX = 128, kMaxY = 160;
};

struct PlacedHead {
    std::string name;
    std::string description;
    std::int16_t type = 0;    // slot of the scenario's ruin or site sets
    std::int16_t chance = 0;  // percent that it is there at all
    MapPosition at;           // stored in 16 bits
    bool operator==(const PlacedHead&) const = default;
};

std::ostream& operator<<(std::ostream& out, const PlacedHead& head);

PlacedHead readPlacedHead(std::span<const std::uint8_t> record);
void writePlacedHead(core::RecordWriter& record, const PlacedHead& head);

// The records of a counted file: as many as its count says, clamped to
// 0..limit, of those the file reaches; a cut last record reads as if padded
// with zeros.
std::vector<std::span<const std::uint8_t>> countedRecords(std::span<const std::uint8_t> file, std::size_t recordSize,
                                                          std::size_t limit);
// The count, then at most `limit` records.
core::Bytes countedFile(std::span<const core::Bytes> records, std::size_t limit);

}  // namespace kestrel::scenario
