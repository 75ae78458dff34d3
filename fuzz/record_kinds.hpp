// The kinds of the records target, by the first byte of an input: the seeds
// are made with the same numbers as the target reads them.
#pragma once
#include <cstddef>
#include <cstdint>

namespace kestrel::fuzz {

enum class RecordKind : std::uint8_t {
    // Data sets.
    CitySet,
    TerrainType,
    TerrainSubtype,
    TerrainBonus,
    ArmyType,
    EarlierArmyType,
    RuinSet,
    SiteSet,
    HeroType,
    EarlierHeroType,
    Item,
    EarlierItem,
    Advisor,
    Spell,
    Shield,
    Flag,
    // A scenario's files and the world header.
    WorldHeader,
    ScenarioHeader,
    MiscData,
    Sides,
    Map,
    Areas,
    Cities,
    CityIni,
    Ruins,
    Sites,
    ItemPlacements,
    ArmyPlacements,
    HeroPlacements,
    Diplomacy,
    ScenarioTerrain,
    ScenarioItems,
    // A campaign's files.
    Campaign,
    Reward,
    Options,
    CampaignText,
    Count
};

inline constexpr std::size_t kRecordKinds = static_cast<std::size_t>(RecordKind::Count);

}  // namespace kestrel::fuzz
