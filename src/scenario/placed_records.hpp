// The names and positions of the cities, ruins and sites of a scenario, as
// the map views and the map location read them from CITY.DAT, RUIN.DAT and
// SITE.DAT (a 16-bit count, then fixed records).
#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/data_root.hpp"
#include "core/record_format.hpp"
#include "scenario/city_file.hpp"
#include "scenario/map_position.hpp"
#include "scenario/placed_head.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/site_file.hpp"

namespace kestrel::scenario {

struct PlacedFile {
    std::string_view file;
    std::size_t recordSize;
    std::size_t positionAt;  // x, then y, both 16-bit
    int limit;               // records the editors hold
    // The same file read to the last record its count names.
    constexpr PlacedFile unlimited() const { return {file, recordSize, positionAt, 32767}; }
};

inline constexpr PlacedFile kCityPlaces{kCityFile, kCityFormat.size, kCityFormat.at("x"),
                                        static_cast<int>(CityFileLayout::kLimit)};
inline constexpr PlacedFile kRuinPlaces{kRuinFile, kRuinFormat.size, kRuinFormat.at("x"),
                                        static_cast<int>(RuinLayout::kMaxRecords)};
inline constexpr PlacedFile kSitePlaces{kSiteFile, kSiteFormat.size, kSiteFormat.at("x"),
                                        static_cast<int>(SiteLayout::kMaxRecords)};

// What the views read of each: the name first, and y right after x.
inline constexpr std::size_t kPlacedNameSize = PlacedHeadLayout::kNameSize;
constexpr bool namedAndPlaced(const core::Format& format) {
    return format.at("name") == 0 && format.sizeOf("name") == kPlacedNameSize && format.at("y") == format.at("x") + 2;
}
static_assert(namedAndPlaced(kCityFormat) && namedAndPlaced(kRuinFormat) && namedAndPlaced(kSiteFormat));

struct Placed {
    std::string name;  // at offset 0 of the record
    MapPosition at;
};

// The file's count, clamped to 0..limit and to the records the file holds.
std::size_t placedCount(std::span<const std::uint8_t> file, const PlacedFile& layout);
// The records of the scenario's file, or nothing when it cannot be read.
std::optional<std::vector<Placed>> readPlaced(const core::DataRoot& root, std::string_view scenario,
                                              const PlacedFile& layout);

// The record nearest to `at` by the larger of the two distances, the earliest
// on ties; -1 when there are none. Distances from `start` on never win.
int nearestPlaced(std::span<const MapPosition> positions, MapPosition at, int start = 1000);
std::vector<MapPosition> positionsOf(std::span<const Placed> placed);

}  // namespace kestrel::scenario
