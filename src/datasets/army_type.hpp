// Army type record: 252 bytes now, 250 in the earlier layout (no medal
// chance, and one byte less before the costs).
#pragma once
#include <array>
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"
#include "datasets/ability_entry.hpp"

namespace kestrel::datasets {

struct ArmyTypeLayout {
    std::size_t size;
    std::size_t medalChance;  // 0: the layout has none
    std::size_t strength, move, hits, time, upkeep, viewRange;
    std::size_t subtypes;     // two text fields, one after the other
    std::size_t moveBonuses;  // four
    std::size_t combatBonus, combatBonusValue;
    std::size_t newCost, setupPoints, ability;
    std::size_t moveSound, facing, triggers, triggerNumbers;  // the last two: two bytes each
    // Shared by both layouts.
    static constexpr std::size_t kName = 0, kNameSize = 16;
    static constexpr std::size_t kDescription = 16, kDescriptionSize = 128;
    static constexpr std::size_t kEntryName = 144, kTextSize = 9;
};
inline constexpr ArmyTypeLayout kArmyTypeLayout{252, 153, 154, 155, 156, 157, 158, 159, 160, 178,
                                                214, 223, 226, 228, 230, 246, 247, 248, 250};
inline constexpr ArmyTypeLayout kEarlierArmyTypeLayout{250, 0,   153, 154, 155, 156, 157, 158, 159, 177,
                                                       213, 222, 224, 226, 228, 244, 245, 246, 248};

// What the editor accepts.
struct ArmyTypeLimits {
    static constexpr std::size_t kName = 15, kDescription = 127, kSubtype = 8;
    static constexpr int kMaxMedalChance = 100, kMaxStrength = 20, kMaxMove = 99, kMaxHits = 8, kMaxTime = 10;
    static constexpr int kMaxUpkeep = 100, kMaxViewRange = 99, kMaxCombatBonus = 9, kMaxCost = 10000;
    static constexpr int kMaxAbilityValue = 99, kMaxTriggerNumber = 10;
};

// The medal chance shown for a record of the earlier layout, which has none.
inline constexpr int kEarlierMedalChance = 20;
// Move bonus 1 of an army type that flies.
inline constexpr std::string_view kFlyMoveBonus = "FLY";

struct ArmyType {
    std::string name;
    std::string description;
    std::string entryName;
    int medalChance = 0;
    int strength = 0, move = 0, hits = 0, time = 0, upkeep = 0, viewRange = 0;
    std::array<std::string, 2> subtypes;
    std::array<std::string, 4> moveBonuses;  // the first may be kFlyMoveBonus
    std::string combatBonus;
    int combatBonusValue = 0;
    int newCost = 0, setupPoints = 0;
    SpecialAbility ability;
    // List indices; -1 is nothing chosen.
    int moveSound = 0, facing = 0;
    std::array<int, 2> triggers{};
    std::array<int, 2> triggerNumbers{};
    bool operator==(const ArmyType&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ArmyType& army);

// Exactly 252 bytes is the current layout; any other length is the earlier
// one (its first 250 bytes), with the medal chance kEarlierMedalChance.
ArmyType readArmyType(std::span<const std::uint8_t> record);
core::Bytes writeArmyType(const ArmyType& army, const ArmyTypeLayout& layout = kArmyTypeLayout);
ArmyType newArmyType(std::string_view entryName);
bool canFly(const ArmyType& army);

// The editor's lists, in their order.
std::span<const AbilityChoice> armyAbilities();
std::span<const std::string_view> armyMoveSounds();
std::span<const std::string_view> armyFacings();
std::span<const std::string_view> armySoundTriggers();

}  // namespace kestrel::datasets
