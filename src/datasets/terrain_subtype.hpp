// Terrain subtype record: the entry name, the name and its condensed form.
// Other records name a subtype by its entry name.
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

inline constexpr std::array<core::Field, 3> kTerrainSubtypeFields{{
    core::text("entryName", 0, 9),
    core::text("name", 9, 16),
    core::text("condensedName", 25, 16),
}};
inline constexpr core::Format kTerrainSubtypeFormat{"terrain subtype", 41, kTerrainSubtypeFields};
static_assert(core::wellFormed(kTerrainSubtypeFormat));

struct TerrainSubtypeLayout {
    static constexpr std::size_t kSize = kTerrainSubtypeFormat.size;
    static constexpr std::size_t kEntryName = kTerrainSubtypeFormat.at("entryName"),
                                 kEntryNameSize = kTerrainSubtypeFormat.sizeOf("entryName");
    static constexpr std::size_t kName = kTerrainSubtypeFormat.at("name"),
                                 kNameSize = kTerrainSubtypeFormat.sizeOf("name");
    static constexpr std::size_t kCondensedName = kTerrainSubtypeFormat.at("condensedName"),
                                 kCondensedNameSize = kTerrainSubtypeFormat.sizeOf("condensedName");
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
