// City set record: the names of a city's four levels, lowest first.
#pragma once
#include <array>
#include <cstddef>
#include <ostream>
#include <span>
#include <string>

#include "core/bytes.hpp"

namespace kestrel::datasets {

struct CitySetLayout {
    static constexpr std::size_t kSize = 80;
    static constexpr std::size_t kLevels = 4;
    static constexpr std::size_t kNameField = 20;  // level n at n * kNameField
    static constexpr std::size_t kNameLimit = 16;  // what the editor accepts
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
