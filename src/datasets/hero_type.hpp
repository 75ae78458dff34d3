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
#include "datasets/ability_entry.hpp"

namespace kestrel::datasets {

inline constexpr std::size_t kHeroLevels = 10;  // the files keep an 11th slot that nothing uses
inline constexpr std::size_t kHeroAbilities = 10;
inline constexpr std::size_t kHeroDefaultNames = 10;
inline constexpr std::size_t kHeroMoveTerrains = 4;
inline constexpr std::size_t kHeroSoundTriggers = 4;

// Where each field lies; the two layouts differ only in these offsets.
struct HeroTypeLayout {
    static constexpr std::size_t kNoField = static_cast<std::size_t>(-1);
    static constexpr std::size_t kMaleName = 0, kFemaleName = 32, kNameSize = 32;
    static constexpr std::size_t kDescription = 64, kDescriptionSize = 128;
    static constexpr std::size_t kEntryName = 192, kMalePicture = 201, kFemalePicture = 210, kShortNameSize = 9;
    static constexpr std::size_t kLevelNameSize = 32, kDefaultNameSize = 16;

    std::size_t size;
    std::size_t medalChance;  // kNoField in the earlier layout
    std::size_t strength, move, hits, view;
    std::size_t moveTerrains, combatTerrain, combatBonus;
    std::size_t maleLevels, femaleLevels, xp, ap;
    std::size_t abilities, costs, defaultNames, femaleFlags;
    std::size_t moveSound, facing, triggers, triggerCounts;
};
inline constexpr HeroTypeLayout kHeroTypeLayout{1380, 219, 220,  221,  222,  223,  224,  260,  269,  271, 623,
                                                976,  998, 1020, 1180, 1200, 1360, 1370, 1371, 1372, 1376};
inline constexpr HeroTypeLayout kOldHeroTypeLayout{1378, HeroTypeLayout::kNoField,
                                                   219,  220,
                                                   221,  222,
                                                   223,  259,
                                                   268,  270,
                                                   622,  974,
                                                   996,  1018,
                                                   1178, 1198,
                                                   1358, 1368,
                                                   1369, 1370,
                                                   1374};

// What the editor accepts for each field.
struct HeroTypeLimits {
    static constexpr std::size_t kName = 31, kDescription = 127, kTerrain = 8, kLevelName = 31, kDefaultName = 15;
    static constexpr int kMinMedal = -100, kMaxMedal = 100;
    static constexpr int kMaxStrength = 9, kMaxMove = 99, kMaxHits = 9, kMaxView = 9, kMaxCombatBonus = 9;
    static constexpr int kMaxXp = 1000, kMaxAp = 9, kMaxCost = 9, kMaxTriggerCount = 10;
};

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

// The abilities a hero type can have, in the order of the editor's lists.
std::span<const AbilityChoice> heroAbilities();
std::span<const std::string_view> heroMoveSounds();
std::span<const std::string_view> heroFacings();
std::span<const std::string_view> heroSoundTriggers();
inline constexpr int kHeroFacingSouth = 4;

}  // namespace kestrel::datasets
