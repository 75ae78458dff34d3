// What ruin and site records share: the same fields at the same offsets in
// their first 152 bytes, and files that hold a 16-bit count, then records.
#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "core/bytes.hpp"
#include "core/record_fields.hpp"
#include "core/record_format.hpp"
#include "scenario/map_position.hpp"
#include "scenario/misc_data.hpp"

namespace kestrel::scenario {

// What the dialogs accept.
struct PlacedHeadLimits {
    static constexpr std::size_t kName = 15, kDescription = 127;
    static constexpr int kMaxChance = 100, kMaxX = 128, kMaxY = 160;
};

inline constexpr std::array<core::Field, 6> kPlacedHeadFields{{
    core::text("name", 0, 16),
    core::text("description", 16, 128),
    core::s16("type", 144)
        .within(0, static_cast<int>(MiscDataLayout::kSetSlots) - 1),  // slot of the scenario's ruin or site sets
    core::s16("chance", 146).within(0, PlacedHeadLimits::kMaxChance),
    core::s16("x", 148).within(0, PlacedHeadLimits::kMaxX),
    core::s16("y", 150).within(0, PlacedHeadLimits::kMaxY),
}};
inline constexpr core::Format kPlacedHeadFormat{"placed head", 152, kPlacedHeadFields};
static_assert(core::wellFormed(kPlacedHeadFormat));

// The fields of a record that begins with the placed head: the head's, then its own.
template <std::size_t N>
constexpr std::array<core::Field, kPlacedHeadFields.size() + N> afterPlacedHead(const std::array<core::Field, N>& own) {
    std::array<core::Field, kPlacedHeadFields.size() + N> fields{};
    std::copy(own.begin(), own.end(), std::copy(kPlacedHeadFields.begin(), kPlacedHeadFields.end(), fields.begin()));
    return fields;
}

struct PlacedHeadLayout {
    static constexpr std::size_t kSize = kPlacedHeadFormat.size;
    static constexpr std::size_t kName = kPlacedHeadFormat.at("name"), kNameSize = kPlacedHeadFormat.sizeOf("name");
    static constexpr std::size_t kDescription = kPlacedHeadFormat.at("description"),
                                 kDescriptionSize = kPlacedHeadFormat.sizeOf("description");
    static constexpr std::size_t kType = kPlacedHeadFormat.at("type"), kChance = kPlacedHeadFormat.at("chance");
    static constexpr std::size_t kX = kPlacedHeadFormat.at("x"), kY = kPlacedHeadFormat.at("y");
    static constexpr std::size_t kCountSize = core::kCountFormat.size;  // before the first record of the file
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
