// Terrain bonus record: the entry name and the bonus's name.
#pragma once
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"

namespace kestrel::datasets {

struct TerrainBonusLayout {
    static constexpr std::size_t kSize = 41;
    static constexpr std::size_t kEntryName = 0, kEntryNameSize = 9;
    static constexpr std::size_t kName = 9, kNameSize = 32;
};

struct TerrainBonusLimits {
    static constexpr std::size_t kName = 31;
};

struct TerrainBonus {
    std::string entryName;
    std::string name;
    bool operator==(const TerrainBonus&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TerrainBonus& bonus);

TerrainBonus readTerrainBonus(std::span<const std::uint8_t> record);
core::Bytes writeTerrainBonus(const TerrainBonus& bonus);
TerrainBonus newTerrainBonus(std::string_view entryName);

}  // namespace kestrel::datasets
