// ITEM.INI, ARMY.INI and HERO.INI, binary despite their names: where items,
// groups of armies and heroes start when a scenario begins, each with a
// chance. Each file is a 16-bit count, then fixed records.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/bytes.hpp"
#include "core/data_root.hpp"
#include "datasets/ability_entry.hpp"
#include "scenario/map_position.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kItemPlacementFile = "ITEM.INI";
inline constexpr std::string_view kArmyPlacementFile = "ARMY.INI";
inline constexpr std::string_view kHeroPlacementFile = "HERO.INI";

// The name a new item or army placement carries until one is chosen.
inline constexpr std::string_view kUnchosenName = "?????";

struct ItemPlacementLayout {
    static constexpr std::size_t kSize = 34, kMaxRecords = 200;
    static constexpr std::size_t kItem = 0, kItemSize = 9;
    static constexpr std::size_t kGround = 9, kHero = 10, kRuin = 11;  // one byte each
    static constexpr std::size_t kChance = 12, kX = 14, kY = 16;
    static constexpr std::size_t kHolder = 18, kHolderSize = 16;  // the hero's or the ruin's name
};

struct ArmyPlacementLayout {
    static constexpr std::size_t kSize = 20, kMaxRecords = 200;
    static constexpr std::size_t kChance = 0, kX = 2, kY = 4, kNumber = 6, kSide = 8;
    static constexpr std::size_t kArmy = 10, kArmySize = 10;
};

struct HeroPlacementLayout {
    static constexpr std::size_t kSize = 202, kMaxRecords = 50;
    static constexpr std::size_t kChance = 0, kX = 2, kY = 4, kSide = 6;
    static constexpr std::size_t kName = 8, kNameSize = 16;
    static constexpr std::size_t kFemale = 24, kClass = 26, kLevel = 28, kExperience = 30;
    static constexpr std::size_t kFlying = 32, kAllTerrain = 33;  // one byte each
    static constexpr std::size_t kAbilities = 34, kAbilitySlots = 10;
    static constexpr std::size_t kStrength = 194, kMovement = 196, kHits = 198, kView = 200;
};

// One special ability slot of a hero record: its text takes 10 bytes here.
struct HeroAbilityLayout {
    static constexpr std::size_t kSize = 16;
    static constexpr std::size_t kCode = 0, kFirst = 2, kSecond = 4, kText = 6, kTextSize = 10;
};

// What the dialogs accept.
struct PlacementLimits {
    static constexpr int kMaxChance = 100, kMaxX = 127, kMaxY = 159;
    static constexpr int kMaxArmyY = 160;  // army placements reach one row further
    static constexpr int kMaxArmies = 8;
    static constexpr int kNeutrals = 8, kSides = 8;
    static constexpr int kLevels = 11, kMaxExperience = 1024;
    static constexpr int kMaxStrength = 9, kMaxMovement = 99, kMaxHits = 4, kMaxView = 9;
    static constexpr int kMaxAbilityValue = 999;
    static constexpr std::size_t kHeroName = 15, kAbilityText = 8;
    static constexpr std::size_t kEditedAbilities = 5;  // slots shown; the others are kept as read
};

struct ItemPlacement {
    std::string item{kUnchosenName};
    std::int8_t ground = 1, hero = 0, ruin = 0;  // as stored: the dialog writes exactly one of them
    std::int16_t chance = 0;
    MapPosition at;  // stored in 16 bits; meant for the ground only
    std::string holder;
    bool operator==(const ItemPlacement&) const = default;
};

struct ArmyPlacement {
    std::int16_t chance = 0;
    MapPosition at;
    std::int16_t number = 1;
    std::int16_t side = PlacementLimits::kNeutrals;
    std::string army{kUnchosenName};
    bool operator==(const ArmyPlacement&) const = default;
};

struct HeroPlacement {
    std::int16_t chance = 0;
    MapPosition at;
    std::int16_t side = 0;
    std::string name{"Unnamed"};
    std::int16_t female = 0;
    std::int16_t heroClass = 0;  // slot of the side's hero types
    std::int16_t level = 0;      // shown from "1"
    std::int16_t experience = 0;
    std::int8_t flying = 0, allTerrain = 0;
    std::array<datasets::SpecialAbility, HeroPlacementLayout::kAbilitySlots> abilities{{{1, 1, 0, ""}}};
    std::int16_t strength = 4, movement = 16, hits = 2, view = 2;
    bool operator==(const HeroPlacement&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ItemPlacement& item);
std::ostream& operator<<(std::ostream& out, const ArmyPlacement& army);
std::ostream& operator<<(std::ostream& out, const HeroPlacement& hero);

ItemPlacement readItemPlacement(std::span<const std::uint8_t> record);
ArmyPlacement readArmyPlacement(std::span<const std::uint8_t> record);
HeroPlacement readHeroPlacement(std::span<const std::uint8_t> record);
core::Bytes writeItemPlacement(const ItemPlacement& item);
core::Bytes writeArmyPlacement(const ArmyPlacement& army);
core::Bytes writeHeroPlacement(const HeroPlacement& hero);

// Whole files: as many records as the count says, clamped to 0..limit and to
// the records the file reaches (a cut last record reads as if padded with
// zeros); written as the count, then at most `limit` records.
std::vector<ItemPlacement> readItemPlacements(std::span<const std::uint8_t> file);
std::vector<ArmyPlacement> readArmyPlacements(std::span<const std::uint8_t> file);
std::vector<HeroPlacement> readHeroPlacements(std::span<const std::uint8_t> file);
core::Bytes writeItemPlacements(std::span<const ItemPlacement> items);
core::Bytes writeArmyPlacements(std::span<const ArmyPlacement> armies);
core::Bytes writeHeroPlacements(std::span<const HeroPlacement> heroes);

// Nothing when the scenario's file cannot be read.
std::optional<std::vector<ItemPlacement>> loadItemPlacements(const core::DataRoot& root, std::string_view scenario);
std::optional<std::vector<ArmyPlacement>> loadArmyPlacements(const core::DataRoot& root, std::string_view scenario);
std::optional<std::vector<HeroPlacement>> loadHeroPlacements(const core::DataRoot& root, std::string_view scenario);
bool saveItemPlacements(const core::DataRoot& root, std::string_view scenario, std::span<const ItemPlacement> items);
bool saveArmyPlacements(const core::DataRoot& root, std::string_view scenario, std::span<const ArmyPlacement> armies);
bool saveHeroPlacements(const core::DataRoot& root, std::string_view scenario, std::span<const HeroPlacement> heroes);

// The abilities a placed hero can have, in the order of the dialog's lists.
std::span<const datasets::AbilityChoice> heroPlacementAbilities();

}  // namespace kestrel::scenario
