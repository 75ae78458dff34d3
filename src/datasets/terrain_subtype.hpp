// Terrain subtype record: the entry name, the name and its condensed form.
// Other records name a subtype by its entry name.
#pragma once
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"

namespace kestrel::datasets {

struct TerrainSubtypeLayout {
    static constexpr std::size_t kSize = 41;
    static constexpr std::size_t kEntryName = 0, kEntryNameSize = 9;
    static constexpr std::size_t kName = 9, kNameSize = 16;
    static constexpr std::size_t kCondensedName = 25, kCondensedNameSize = 16;
};

struct TerrainSubtypeLimits {
    // The condensed name's field has room for 15; the editor takes 8.
    static constexpr std::size_t kName = 15, kCondensedName = 8;
};

struct TerrainSubtype {
    std::string entryName;
    std::string name;
    std::string condensedName;
    bool operator==(const TerrainSubtype&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TerrainSubtype& subtype);

TerrainSubtype readTerrainSubtype(std::span<const std::uint8_t> record);
core::Bytes writeTerrainSubtype(const TerrainSubtype& subtype);
TerrainSubtype newTerrainSubtype(std::string_view entryName);

}  // namespace kestrel::datasets
