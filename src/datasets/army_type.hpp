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
#include "core/record_format.hpp"
#include "datasets/ability_entry.hpp"

namespace kestrel::datasets {

// The editor's lists, in their order; the record stores the ability's code
// and the other lists' indices.
std::span<const AbilityChoice> armyAbilities();
inline constexpr std::array<std::string_view, 11> kArmyMoveSounds{
    "None (0)", "Walk (1)", "March (2)", "Stomp (3)", "Gallop (4)",         "Sail (5)",
    "Flap (6)", "Pad (7)",  "Wagon (8)", "Soar (9)",  "Fire / Special (10)"};
inline constexpr std::array<std::string_view, 8> kArmyFacings{"North", "Northeast", "East", "Southeast",
                                                              "South", "Southwest", "West", "Northwest"};
inline constexpr std::array<std::string_view, 8> kArmySoundTriggers{"None",   "Group All", "To Boat",  "From Boat",
                                                                    "Attack", "Select",    "Deselect", "Search"};

// What the editor accepts.
struct ArmyTypeLimits {
    static constexpr std::size_t kName = 15, kDescription = 127, kSubtype = 8;
    static constexpr int kMaxMedalChance = 100, kMaxStrength = 20, kMaxMove = 99, kMaxHits = 8, kMaxTime = 10;
    static constexpr int kMaxUpkeep = 100, kMaxViewRange = 99, kMaxCombatBonus = 9, kMaxCost = 10000;
    static constexpr int kMaxAbilityValue = 99, kMaxTriggerNumber = 10;
};

// A list's index, or -1 when nothing was chosen in it.
constexpr core::Field listIndex(core::Field f, std::span<const std::string_view> items) {
    return f.named(items).within(-1, static_cast<std::int32_t>(items.size()) - 1);
}

// Byte 224 is reserved and 225 unused: both are written as zero.
inline constexpr std::array<core::Field, 21> kArmyTypeFields{{
    core::text("name", 0, 16),
    core::text("description", 16, 128),
    core::text("entryName", 144, 9),
    core::u8("medalChance", 153).within(0, ArmyTypeLimits::kMaxMedalChance),
    core::u8("strength", 154).within(0, ArmyTypeLimits::kMaxStrength),
    core::u8("move", 155).within(0, ArmyTypeLimits::kMaxMove),
    core::u8("hits", 156).within(0, ArmyTypeLimits::kMaxHits),
    core::u8("time", 157).within(0, ArmyTypeLimits::kMaxTime),
    core::u8("upkeep", 158).within(0, ArmyTypeLimits::kMaxUpkeep),
    core::u8("viewRange", 159).within(0, ArmyTypeLimits::kMaxViewRange),
    core::text("subtype", 160, 9, 2),
    core::text("moveBonus", 178, 9, 4),
    core::text("combatBonus", 214, 9),
    core::u8("combatBonusValue", 223).within(0, ArmyTypeLimits::kMaxCombatBonus),
    core::s16("newCost", 226).within(0, ArmyTypeLimits::kMaxCost),
    core::s16("setupPoints", 228).within(0, ArmyTypeLimits::kMaxCost),
    core::records("ability", 230,
                  AbilityEntryFormat<&armyAbilities, 9, listedAbilitiesUpTo(ArmyTypeLimits::kMaxAbilityValue)>::format),
    listIndex(core::s8("moveSound", 246), kArmyMoveSounds),
    listIndex(core::s8("facing", 247), kArmyFacings),
    listIndex(core::s8("trigger", 248, 2), kArmySoundTriggers),
    core::s8("triggerNumber", 250, 2).within(0, ArmyTypeLimits::kMaxTriggerNumber),
}};
inline constexpr core::Format kArmyTypeFormat{"army type", 252, kArmyTypeFields};
static_assert(core::wellFormed(kArmyTypeFormat));

// Before the medal chance: everything behind the entry name one byte sooner,
// and from the costs on two bytes sooner; byte 223 is unused.
inline constexpr auto kEarlierArmyTypeFields =
    core::withoutCuts<20>(kArmyTypeFields, std::array<core::Cut, 2>{{{153, 1}, {224, 1}}});
inline constexpr core::Format kEarlierArmyTypeFormat{"earlier army type", 250, kEarlierArmyTypeFields};
static_assert(core::wellFormed(kEarlierArmyTypeFormat));

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
    static constexpr std::size_t kName = kArmyTypeFormat.at("name"), kNameSize = kArmyTypeFormat.sizeOf("name");
    static constexpr std::size_t kDescription = kArmyTypeFormat.at("description"),
                                 kDescriptionSize = kArmyTypeFormat.sizeOf("description");
    static constexpr std::size_t kEntryName = kArmyTypeFormat.at("entryName"),
                                 kTextSize = kArmyTypeFormat.sizeOf("entryName");
};

// A layout's offsets as its table gives them; without a medal chance, 0.
constexpr ArmyTypeLayout armyTypeLayoutOf(const core::Format& f) {
    std::size_t medalChance = 0;
    for (const core::Field& field : f.fields)
        if (field.name == "medalChance") medalChance = field.at;
    return {f.size,          medalChance,         f.at("strength"),     f.at("move"),
            f.at("hits"),    f.at("time"),        f.at("upkeep"),       f.at("viewRange"),
            f.at("subtype"), f.at("moveBonus"),   f.at("combatBonus"),  f.at("combatBonusValue"),
            f.at("newCost"), f.at("setupPoints"), f.at("ability"),      f.at("moveSound"),
            f.at("facing"),  f.at("trigger"),     f.at("triggerNumber")};
}
inline constexpr ArmyTypeLayout kArmyTypeLayout = armyTypeLayoutOf(kArmyTypeFormat);
inline constexpr ArmyTypeLayout kEarlierArmyTypeLayout = armyTypeLayoutOf(kEarlierArmyTypeFormat);
static_assert(kEarlierArmyTypeLayout.medalChance == 0 &&
              ArmyTypeLayout::kEntryName == kEarlierArmyTypeFormat.at("entryName") &&
              ArmyTypeLayout::kDescription == kEarlierArmyTypeFormat.at("description"));

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

std::span<const std::string_view> armyMoveSounds();
std::span<const std::string_view> armyFacings();
std::span<const std::string_view> armySoundTriggers();

}  // namespace kestrel::datasets
