// City set record: the names of a city's four levels, lowest first.
#pragma once
#include <array>
#include <cstddef>
#include <ostream>
#include <span>
#include <string>

#include "core/bytes.hpp"
#include "core/record_format.hpp"

namespace kestrel::datasets {

inline constexpr std::array<core::Field, 1> kCitySetFields{core::text("level", 0, 20, 4)};
inline constexpr core::Format kCitySetFormat{"city set", 80, kCitySetFields};
static_assert(core::wellFormed(kCitySetFormat));

struct CitySetLayout {
    static constexpr std::size_t kSize = kCitySetFormat.size;
    static constexpr std::size_t kLevels = kCitySetFormat.field("level").count;
    static constexpr std::size_t kNameField = kCitySetFormat.sizeOf("level");  // level n at n * kNameField
    static constexpr std::size_t kNameLimit = 16;                              // what the editor accepts
};

struct CitySet {
    std::array<std::string, CitySetLayout::kLevels> levels;
    bool operator==(const CitySet&) const = default;
};

std::ostream& operator<<(std::ostream& out, const CitySet& set);

// Fields past the end of a short record read as empty.
CitySet readCitySet(std::span<const std::uint8_t> record);
core::Bytes writeCitySet(const CitySet& set);
CitySet newCitySet();

}  // namespace kestrel::datasets
