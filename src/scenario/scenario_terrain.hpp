// The scenario's TERRAIN.DAT: one 508-byte record naming the terrain types
// that paint the map's 22 terrain slots, with two classes for each slot, the
// road, forest and river types, and the terrain bonuses of the move bonuses
// and move icons. The three counts at its start follow from the names.
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
    static constexpr std::size_t kNameSize = 9;   // entry names of TERRAIN\DATA and TERRAIN\BONUS
    static constexpr std::size_t kTextSize = 32;  // move bonus texts
    static constexpr std::size_t kSlotCount = 0, kRoadCount = 2, kForestCount = 4;
    static constexpr std::size_t kTerrainNames = 6, kSlots = 22;
    static constexpr std::size_t kFirstClasses = 204;
    static constexpr std::size_t kRoadNames = 248, kRoads = 2;
    static constexpr std::size_t kForestNames = 266, kForests = 4;
    // Move bonus 1, move bonus 2, both together.
    static constexpr std::size_t kBonusNames = 302, kBonuses = 3;
    static constexpr std::size_t kBonusTexts = 329;
    // Water, ship, flying.
    static constexpr std::size_t kMoveIcons = 425, kIcons = 3;
    static constexpr std::size_t kRiverName = 452;
    static constexpr std::size_t kUntouched = 461;
    static constexpr std::size_t kSecondClasses = 462;
    static constexpr std::size_t kForestFlags = 506, kFlags = 2;  // of move bonuses 1 and 2
};

// The classes a slot may be given, by stored value.
inline constexpr std::array<std::string_view, 12> kSlotClassNames{
    "Basic", "Water", "Bonus1", "Bonus2", "Flier", "Illegal", "Feature", "Special", "Animated", "Road", "River", "3x3",
};
inline constexpr std::int16_t kFeatureClass = 6;

struct ScenarioTerrain {
    using L = ScenarioTerrainLayout;
    std::array<std::string, L::kSlots> terrain;  // slot n: empty when unused
    std::array<std::int16_t, L::kSlots> firstClass{};
    std::array<std::int16_t, L::kSlots> secondClass{};
    std::array<std::string, L::kRoads> roads;
    std::array<std::string, L::kForests> forests;
    std::array<std::string, L::kBonuses> bonuses;
    std::array<std::string, L::kBonuses> bonusTexts;
    std::array<std::string, L::kIcons> moveIcons;
    std::string river;
    std::uint8_t untouched = 0;  // kept as read
    std::array<std::uint8_t, L::kFlags> forestFlags{};
    bool operator==(const ScenarioTerrain&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ScenarioTerrain& terrain);

// What a scenario without the file starts from: no names, every first class
// "Feature", the forest flag of move bonus 2 set.
ScenarioTerrain newScenarioTerrain();

// 1 + the highest index whose name is not empty; 0 when all are empty.
int namesUsed(std::span<const std::string> names);

// A short record reads as if padded with zeros; bytes past the record are
// dropped. The counts are not read: they follow from the names.
ScenarioTerrain readScenarioTerrain(std::span<const std::uint8_t> record);
core::Bytes writeScenarioTerrain(const ScenarioTerrain& terrain);

// The scenario's file, or nothing when it cannot be read.
std::optional<ScenarioTerrain> loadScenarioTerrain(const core::DataRoot& root, std::string_view scenario);
bool saveScenarioTerrain(const core::DataRoot& root, std::string_view scenario, const ScenarioTerrain& terrain);

}  // namespace kestrel::scenario
