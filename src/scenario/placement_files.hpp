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
#include "core/record_format.hpp"
#include "datasets/ability_entry.hpp"
#include "scenario/map_position.hpp"
#include "scenario/sides.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kItemPlacementFile = "ITEM.INI";
inline constexpr std::string_view kArmyPlacementFile = "ARMY.INI";
inline constexpr std::string_view kHeroPlacementFile = "HERO.INI";

// The name a new item or army placement carries until one is chosen.
inline constexpr std::string_view kUnchosenName = "?????";

// The abilities a placed hero can have, in the order of the dialog's lists.
std::span<const datasets::AbilityChoice> heroPlacementAbilities();

// What the dialogs accept.
struct PlacementLimits {
    static constexpr int kMaxChance = 100, kMaxX = 127, kMaxY = 159;
    static constexpr int kMaxArmyY = 160;  // army placements reach one row further
    static constexpr int kMaxArmies = 8;
    static constexpr int kNeutrals = kNeutralSide, kSides = 8;
    static constexpr int kLevels = 11, kMaxExperience = 1024;
    static constexpr int kMaxStrength = 9, kMaxMovement = 99, kMaxHits = 4, kMaxView = 9;
    static constexpr int kMaxAbilityValue = 999;
    static constexpr std::size_t kHeroName = 15, kAbilityText = 8;
    static constexpr std::size_t kEditedAbilities = 5;  // slots shown; the others are kept as read
};

inline constexpr std::array<core::Field, 8> kItemPlacementFields{{
    core::text("item", 0, 9), core::s8("ground", 9).within(0, 1), core::s8("hero", 10).within(0, 1),
    core::s8("ruin", 11).within(0, 1), core::s16("chance", 12).within(0, PlacementLimits::kMaxChance),
    core::s16("x", 14).within(0, PlacementLimits::kMaxX), core::s16("y", 16).within(0, PlacementLimits::kMaxY),
    core::text("holder", 18, 16),  // the hero's or the ruin's name
}};
inline constexpr core::Format kItemPlacementFormat{"item placement", 34, kItemPlacementFields};
static_assert(core::wellFormed(kItemPlacementFormat));

inline constexpr std::array<core::Field, 6> kArmyPlacementFields{{
    core::s16("chance", 0).within(0, PlacementLimits::kMaxChance),
    core::s16("x", 2).within(0, PlacementLimits::kMaxX),
    core::s16("y", 4).within(0, PlacementLimits::kMaxArmyY),
    core::s16("number", 6).within(0, PlacementLimits::kMaxArmies),
    core::s16("side", 8).named(kNeutralSideNames, kNeutralSide).within(0, PlacementLimits::kNeutrals),
    core::text("army", 10, 10),
}};
inline constexpr core::Format kArmyPlacementFormat{"army placement", 20, kArmyPlacementFields};
static_assert(core::wellFormed(kArmyPlacementFormat));

inline constexpr std::array<core::Field, 16> kHeroPlacementFields{{
    core::s16("chance", 0).within(0, PlacementLimits::kMaxChance),
    core::s16("x", 2).within(0, PlacementLimits::kMaxX),
    core::s16("y", 4).within(0, PlacementLimits::kMaxY),
    core::s16("side", 6).within(0, PlacementLimits::kSides - 1),
    core::text("name", 8, 16),
    core::s16("female", 24).within(0, 1),
    core::s16("heroClass", 26)
        .within(0, static_cast<int>(SideLayout::kHeroSlots) - 1),    // slot of the side's hero types
    core::s16("level", 28).within(0, PlacementLimits::kLevels - 1),  // shown from "1"
    core::s16("experience", 30).within(0, PlacementLimits::kMaxExperience),
    core::s8("flying", 32).within(0, 1),
    core::s8("allTerrain", 33).within(0, 1),
    core::records("ability", 34, datasets::AbilityEntryFormat<&heroPlacementAbilities, 10>::format, 10),
    core::s16("strength", 194).within(0, PlacementLimits::kMaxStrength),
    core::s16("movement", 196).within(0, PlacementLimits::kMaxMovement),
    core::s16("hits", 198).within(0, PlacementLimits::kMaxHits),
    core::s16("view", 200).within(0, PlacementLimits::kMaxView),
}};
inline constexpr core::Format kHeroPlacementFormat{"hero placement", 202, kHeroPlacementFields};
static_assert(core::wellFormed(kHeroPlacementFormat));

struct ItemPlacementLayout {
    static constexpr const core::Format& F = kItemPlacementFormat;
    static constexpr std::size_t kSize = F.size, kMaxRecords = 200;
    static constexpr std::size_t kItem = F.at("item"), kItemSize = F.sizeOf("item");
    static constexpr std::size_t kGround = F.at("ground"), kHero = F.at("hero"), kRuin = F.at("ruin");
    static constexpr std::size_t kChance = F.at("chance"), kX = F.at("x"), kY = F.at("y");
    static constexpr std::size_t kHolder = F.at("holder"), kHolderSize = F.sizeOf("holder");
};

struct ArmyPlacementLayout {
    static constexpr const core::Format& F = kArmyPlacementFormat;
    static constexpr std::size_t kSize = F.size, kMaxRecords = 200;
    static constexpr std::size_t kChance = F.at("chance"), kX = F.at("x"), kY = F.at("y");
    static constexpr std::size_t kNumber = F.at("number"), kSide = F.at("side");
    static constexpr std::size_t kArmy = F.at("army"), kArmySize = F.sizeOf("army");
};

struct HeroPlacementLayout {
    static constexpr const core::Format& F = kHeroPlacementFormat;
    static constexpr std::size_t kSize = F.size, kMaxRecords = 50;
    static constexpr std::size_t kChance = F.at("chance"), kX = F.at("x"), kY = F.at("y"), kSide = F.at("side");
    static constexpr std::size_t kName = F.at("name"), kNameSize = F.sizeOf("name");
    static constexpr std::size_t kFemale = F.at("female"), kClass = F.at("heroClass"), kLevel = F.at("level");
    static constexpr std::size_t kExperience = F.at("experience");
    static constexpr std::size_t kFlying = F.at("flying"), kAllTerrain = F.at("allTerrain");
    static constexpr std::size_t kAbilities = F.at("ability"), kAbilitySlots = F.field("ability").count;
    static constexpr std::size_t kStrength = F.at("strength"), kMovement = F.at("movement");
    static constexpr std::size_t kHits = F.at("hits"), kView = F.at("view");
};

// One special ability slot of a hero record: its text takes 10 bytes here.
struct HeroAbilityLayout {
    static constexpr const core::Format& F = *kHeroPlacementFormat.field("ability").format;
    static constexpr std::size_t kSize = F.size;
    static constexpr std::size_t kCode = F.at("code"), kFirst = F.at("first"), kSecond = F.at("second");
    static constexpr std::size_t kText = F.at("text"), kTextSize = F.sizeOf("text");
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

}  // namespace kestrel::scenario
