// The scenario's TERRAIN.DAT: one 508-byte record naming the terrain types
// that paint the map's 22 terrain slots and its two road types, with their
// classes, forests, river and move bonuses. The names are known here; every
// other byte is kept as read, so that writing changes only the names.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"
#include "core/data_root.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kScenarioTerrainFile = "TERRAIN.DAT";

struct ScenarioTerrainLayout {
    static constexpr std::size_t kSize = 508;
    static constexpr std::size_t kNameSize = 9;  // entry names of TERRAIN\DATA
    static constexpr std::size_t kTerrainNames = 6, kSlots = 22;
    static constexpr std::size_t kRoadNames = 248, kRoads = 2;
};

struct ScenarioTerrain {
    std::array<std::string, ScenarioTerrainLayout::kSlots> terrain;  // slot n: empty when unused
    std::array<std::string, ScenarioTerrainLayout::kRoads> roads;
    core::Bytes record = core::Bytes(ScenarioTerrainLayout::kSize, 0);  // as read, for what is not named above
    bool operator==(const ScenarioTerrain&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ScenarioTerrain& terrain);

// A short record reads as if padded with zeros; bytes past the record are dropped.
ScenarioTerrain readScenarioTerrain(std::span<const std::uint8_t> record);
// The kept record with the names written over it.
core::Bytes writeScenarioTerrain(const ScenarioTerrain& terrain);

// The scenario's file, or nothing when it cannot be read.
std::optional<ScenarioTerrain> loadScenarioTerrain(const core::DataRoot& root, std::string_view scenario);
bool saveScenarioTerrain(const core::DataRoot& root, std::string_view scenario, const ScenarioTerrain& terrain);

}  // namespace kestrel::scenario
