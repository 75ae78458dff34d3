// Hero type record: 1380 bytes now, 1378 in the earlier layout (no medal
// chance, no padding byte before the XP table).
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

// The editor's lists; a stored value is a position in its list.
inline constexpr std::array<std::string_view, 8> kHeroMoveSoundNames{
    "None (0)", "Walk (1)", "March (2)", "Cavalry (3)", "Stomp (4)", "Flap (5)", "Water (6)", "Wagon (7)"};
inline constexpr std::array<std::string_view, 8> kHeroFacingNames{"North", "Northeast", "East", "Southeast",
                                                                  "South", "Southwest", "West", "Northwest"};
inline constexpr std::array<std::string_view, 8> kHeroTriggerNames{"None",   "Group All", "To Boat",  "From Boat",
                                                                   "Attack", "Select",    "Deselect", "Search"};

// What the editor accepts for each field.
struct HeroTypeLimits {
    static constexpr std::size_t kName = 31, kDescription = 127, kTerrain = 8, kLevelName = 31, kDefaultName = 15;
    static constexpr int kMinMedal = -100, kMaxMedal = 100;
    static constexpr int kMaxStrength = 9, kMaxMove = 99, kMaxHits = 9, kMaxView = 9, kMaxCombatBonus = 9;
    static constexpr int kMaxXp = 1000, kMaxAp = 9, kMaxCost = 9, kMaxTriggerCount = 10;
};

// The abilities a hero type can have, in the order of the editor's lists.
std::span<const AbilityChoice> heroAbilities();
// "Spell <code>": the code text names a spell.
inline constexpr std::int16_t kHeroSpellAbility = 20;
using HeroAbilityEntry = AbilityEntryFormat<&heroAbilities, 9, kListedAbilities>;

// Byte 270 is reserved, and the level tables keep an 11th slot that nothing
// uses (with the padding byte before the XP table): all stay uncovered.
inline constexpr std::array<core::Field, 26> kHeroTypeFields{{
    core::text("maleName", 0, 32),
    core::text("femaleName", 32, 32),
    core::text("description", 64, 128),
    core::text("entryName", 192, 9),
    core::text("malePicture", 201, 9),
    core::text("femalePicture", 210, 9),
    core::s8("medalChance", 219).within(HeroTypeLimits::kMinMedal, HeroTypeLimits::kMaxMedal),
    core::u8("strength", 220).within(0, HeroTypeLimits::kMaxStrength),
    core::u8("move", 221).within(0, HeroTypeLimits::kMaxMove),
    core::u8("hits", 222).within(0, HeroTypeLimits::kMaxHits),
    core::u8("view", 223).within(0, HeroTypeLimits::kMaxView),
    core::text("moveTerrains", 224, 9, 4),
    core::text("combatTerrain", 260, 9),
    core::u8("combatBonus", 269).within(0, HeroTypeLimits::kMaxCombatBonus),
    core::text("maleLevels", 271, 32, 10),
    core::text("femaleLevels", 623, 32, 10),
    core::s16("xp", 976, 10).within(0, HeroTypeLimits::kMaxXp),
    core::s16("ap", 998, 10).within(0, HeroTypeLimits::kMaxAp),
    core::records("abilities", 1020, HeroAbilityEntry::format, 10),
    core::s16("costs", 1180, 10).within(0, HeroTypeLimits::kMaxCost),
    core::text("defaultNames", 1200, 16, 10),
    core::u8("femaleFlags", 1360, 10).within(0, 1),
    core::u8("moveSound", 1370).named(kHeroMoveSoundNames).meaningsOnly(),
    core::u8("facing", 1371).named(kHeroFacingNames).meaningsOnly(),
    core::u8("triggers", 1372, 4).named(kHeroTriggerNames).meaningsOnly(),
    core::u8("triggerCounts", 1376, 4).within(0, HeroTypeLimits::kMaxTriggerCount),
}};
inline constexpr core::Format kHeroTypeFormat{"hero type", 1380, kHeroTypeFields};
static_assert(core::wellFormed(kHeroTypeFormat));

// No medal chance: strength to the female level names lie one byte earlier,
// and without the padding byte everything from the XP table on two earlier.
inline constexpr auto kOldHeroTypeFields =
    core::withoutCuts<25>(kHeroTypeFields, std::array<core::Cut, 2>{{{219, 1}, {975, 1}}});
inline constexpr core::Format kOldHeroTypeFormat{"earlier hero type", 1378, kOldHeroTypeFields};
static_assert(core::wellFormed(kOldHeroTypeFormat));

inline constexpr std::size_t kHeroLevels = kHeroTypeFormat.field("maleLevels").count;
inline constexpr std::size_t kHeroAbilities = kHeroTypeFormat.field("abilities").count;
inline constexpr std::size_t kHeroDefaultNames = kHeroTypeFormat.field("defaultNames").count;
inline constexpr std::size_t kHeroMoveTerrains = kHeroTypeFormat.field("moveTerrains").count;
inline constexpr std::size_t kHeroSoundTriggers = kHeroTypeFormat.field("triggers").count;

// Where each field lies; the two layouts differ only in these offsets.
struct HeroTypeLayout {
    static constexpr std::size_t kNoField = static_cast<std::size_t>(-1);
    static constexpr std::size_t kMaleName = kHeroTypeFormat.at("maleName"),
                                 kFemaleName = kHeroTypeFormat.at("femaleName"),
                                 kNameSize = kHeroTypeFormat.sizeOf("maleName");
    static constexpr std::size_t kDescription = kHeroTypeFormat.at("description"),
                                 kDescriptionSize = kHeroTypeFormat.sizeOf("description");
    static constexpr std::size_t kEntryName = kHeroTypeFormat.at("entryName"),
                                 kMalePicture = kHeroTypeFormat.at("malePicture"),
                                 kFemalePicture = kHeroTypeFormat.at("femalePicture"),
                                 kShortNameSize = kHeroTypeFormat.sizeOf("entryName");
    static constexpr std::size_t kLevelNameSize = kHeroTypeFormat.sizeOf("maleLevels"),
                                 kDefaultNameSize = kHeroTypeFormat.sizeOf("defaultNames");

    std::size_t size;
    std::size_t medalChance;  // kNoField in the earlier layout
    std::size_t strength, move, hits, view;
    std::size_t moveTerrains, combatTerrain, combatBonus;
    std::size_t maleLevels, femaleLevels, xp, ap;
    std::size_t abilities, costs, defaultNames, femaleFlags;
    std::size_t moveSound, facing, triggers, triggerCounts;
};

// A layout's offsets, as its format gives them.
constexpr HeroTypeLayout heroTypeLayout(const core::Format& f) {
    return {f.size,
            f.has("medalChance") ? f.at("medalChance") : HeroTypeLayout::kNoField,
            f.at("strength"),
            f.at("move"),
            f.at("hits"),
            f.at("view"),
            f.at("moveTerrains"),
            f.at("combatTerrain"),
            f.at("combatBonus"),
            f.at("maleLevels"),
            f.at("femaleLevels"),
            f.at("xp"),
            f.at("ap"),
            f.at("abilities"),
            f.at("costs"),
            f.at("defaultNames"),
            f.at("femaleFlags"),
            f.at("moveSound"),
            f.at("facing"),
            f.at("triggers"),
            f.at("triggerCounts")};
}
inline constexpr HeroTypeLayout kHeroTypeLayout = heroTypeLayout(kHeroTypeFormat);
inline constexpr HeroTypeLayout kOldHeroTypeLayout = heroTypeLayout(kOldHeroTypeFormat);
// The texts up to the medal chance lie alike in both.
static_assert(kOldHeroTypeFormat.at("description") == HeroTypeLayout::kDescription &&
              kOldHeroTypeFormat.at("femalePicture") == HeroTypeLayout::kFemalePicture);

struct HeroDefaultName {
    std::string name;
    bool female = false;
    bool operator==(const HeroDefaultName&) const = default;
};

struct HeroType {
    std::string maleName;
    std::string femaleName;
    std::string description;
    std::string entryName;
    std::string malePicture;    // the entry name and "m"
    std::string femalePicture;  // the entry name and "f"
    int medalChance = 0;        // -100 to 100, a signed byte
    int strength = 0;
    int move = 0;
    int hits = 0;
    int view = 0;
    std::array<std::string, kHeroMoveTerrains> moveTerrains;
    std::string combatTerrain;
    int combatBonus = 0;
    std::array<std::string, kHeroLevels> maleLevels;
    std::array<std::string, kHeroLevels> femaleLevels;
    std::array<int, kHeroLevels> xp{};
    std::array<int, kHeroLevels> ap{};
    std::array<SpecialAbility, kHeroAbilities> abilities;
    std::array<int, kHeroAbilities> costs{};
    std::array<HeroDefaultName, kHeroDefaultNames> defaultNames;
    int moveSound = 0;  // positions in heroMoveSounds(), heroFacings(), heroSoundTriggers()
    int facing = 0;
    std::array<int, kHeroSoundTriggers> triggers{};
    std::array<int, kHeroSoundTriggers> triggerCounts{};
    bool operator==(const HeroType&) const = default;
};

std::ostream& operator<<(std::ostream& out, const HeroType& hero);

// A record of exactly 1378 bytes is the earlier layout, with medal chance 0;
// anything else the current one, with fields past the end read as zero.
HeroType readHeroType(std::span<const std::uint8_t> record);
// Always the current layout; the picture names come from the value as given.
core::Bytes writeHeroType(const HeroType& hero);
HeroType newHeroType(std::string_view entryName);
// The entry name with the letter of the male ("m") or female ("f") picture.
std::string heroPictureName(std::string_view entryName, bool female);

std::span<const std::string_view> heroMoveSounds();
std::span<const std::string_view> heroFacings();
std::span<const std::string_view> heroSoundTriggers();
inline constexpr int kHeroFacingSouth = 4;

}  // namespace kestrel::datasets
