// Terrain bonus record: the entry name and the bonus's name.
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

inline constexpr std::array<core::Field, 2> kTerrainBonusFields{{
    core::text("entryName", 0, 9),
    core::text("name", 9, 32),
}};
inline constexpr core::Format kTerrainBonusFormat{"terrain bonus", 41, kTerrainBonusFields};
static_assert(core::wellFormed(kTerrainBonusFormat));

struct TerrainBonusLayout {
    static constexpr std::size_t kSize = kTerrainBonusFormat.size;
    static constexpr std::size_t kEntryName = kTerrainBonusFormat.at("entryName"),
                                 kEntryNameSize = kTerrainBonusFormat.sizeOf("entryName");
    static constexpr std::size_t kName = kTerrainBonusFormat.at("name"), kNameSize = kTerrainBonusFormat.sizeOf("name");
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
