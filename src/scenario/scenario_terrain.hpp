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
#include "core/record_format.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kScenarioTerrainFile = "TERRAIN.DAT";

// The classes a slot may be given, by stored value.
inline constexpr std::array<std::string_view, 12> kSlotClassNames{
    "Basic", "Water", "Bonus1", "Bonus2", "Flier", "Illegal", "Feature", "Special", "Animated", "Road", "River", "3x3",
};

// Names are entry names of TERRAIN\DATA and TERRAIN\BONUS. The bonuses,
// their texts and forest flags are those of move bonus 1, move bonus 2 and
// both together; the move icons those of water, ship and flying moves.
inline constexpr std::array<core::Field, 14> kScenarioTerrainFields{{
    core::s16("slotCount", 0),
    core::s16("roadCount", 2),
    core::s16("forestCount", 4),
    core::text("terrain", 6, 9, 22),
    core::s16("firstClass", 204, 22).named(kSlotClassNames).meaningsOnly(),
    core::text("roads", 248, 9, 2),
    core::text("forests", 266, 9, 4),
    core::text("bonuses", 302, 9, 3),
    core::text("bonusTexts", 329, 32, 3),
    core::text("moveIcons", 425, 9, 3),
    core::text("river", 452, 9),
    core::bytes("untouched", 461, 1),
    core::s16("secondClass", 462, 22).named(kSlotClassNames).meaningsOnly(),
    core::u8("forestFlags", 506, 2).within(0, 1),
}};
inline constexpr core::Format kScenarioTerrainFormat{"scenario terrain", 508, kScenarioTerrainFields};
static_assert(core::wellFormed(kScenarioTerrainFormat));

struct ScenarioTerrainLayout {
    static constexpr const core::Format& kF = kScenarioTerrainFormat;
    static constexpr std::size_t kSize = kF.size;
    static constexpr std::size_t kNameSize = kF.sizeOf("terrain");
    static constexpr std::size_t kTextSize = kF.sizeOf("bonusTexts");
    static constexpr std::size_t kSlotCount = kF.at("slotCount"), kRoadCount = kF.at("roadCount"),
                                 kForestCount = kF.at("forestCount");
    static constexpr std::size_t kTerrainNames = kF.at("terrain"), kSlots = kF.field("terrain").count;
    static constexpr std::size_t kFirstClasses = kF.at("firstClass"), kClassSize = kF.sizeOf("firstClass");
    static constexpr std::size_t kRoadNames = kF.at("roads"), kRoads = kF.field("roads").count;
    static constexpr std::size_t kForestNames = kF.at("forests"), kForests = kF.field("forests").count;
    static constexpr std::size_t kBonusNames = kF.at("bonuses"), kBonuses = kF.field("bonuses").count;
    static constexpr std::size_t kBonusTexts = kF.at("bonusTexts");
    static constexpr std::size_t kMoveIcons = kF.at("moveIcons"), kIcons = kF.field("moveIcons").count;
    static constexpr std::size_t kRiverName = kF.at("river");
    static constexpr std::size_t kUntouched = kF.at("untouched");
    static constexpr std::size_t kSecondClasses = kF.at("secondClass");
    static constexpr std::size_t kForestFlags = kF.at("forestFlags"), kFlags = kF.field("forestFlags").count;
};

// The codec reads every name in one width and the classes as 16-bit lists.
constexpr bool scenarioTerrainNamesAlike() {
    using L = ScenarioTerrainLayout;
    for (const auto name : {"roads", "forests", "bonuses", "moveIcons", "river"})
        if (L::kF.sizeOf(name) != L::kNameSize) return false;
    return L::kF.field("firstClass").count == L::kSlots && L::kF.field("secondClass").count == L::kSlots &&
           L::kF.field("bonusTexts").count == L::kBonuses;
}
static_assert(scenarioTerrainNamesAlike());

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
