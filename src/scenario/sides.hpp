// SIDES.DAT: the eight player sides and the neutrals of a scenario, nine
// records of 452 bytes and nothing else.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"
#include "core/data_root.hpp"

namespace kestrel::scenario {

struct SideLayout {
    static constexpr std::size_t kSize = 452;
    static constexpr std::size_t kUsed = 0;
    static constexpr std::size_t kName = 1, kNameSize = 32;
    static constexpr std::size_t kDescription = 33, kDescriptionSize = 128;
    static constexpr std::size_t kShields = 161;  // kinds B, O, C
    static constexpr std::size_t kReserved188 = 188, kReserved188Size = 9;
    static constexpr std::size_t kAdvisor = 197;
    static constexpr std::size_t kStackingLimit = 206;
    static constexpr std::size_t kReserved208 = 208, kReserved208Size = 2;
    static constexpr std::size_t kManaType = 210, kMaxMana = 212, kInitialMana = 214;
    static constexpr std::size_t kLevel = 216;  // 218: two bytes of padding
    static constexpr std::size_t kStartingGold = 220;
    static constexpr std::size_t kGetMercenaries = 224, kSellItems = 225, kHeroOnTurn1 = 226, kEnhanced = 227;
    static constexpr std::size_t kReserved228 = 228;
    static constexpr std::size_t kReserved229 = 229, kReserved229Size = 31;
    static constexpr std::size_t kRegulars = 260, kAllies = 332, kMercenaries = 368, kShip = 395;
    static constexpr std::size_t kHeroes = 404, kArmyFlag = 440;  // 449: three bytes of padding
    static constexpr std::size_t kEntryNameSize = 9;
};

struct SidesFileLayout {
    static constexpr std::size_t kPlayerSides = 8;
    static constexpr std::size_t kRecords = 9;
    static constexpr std::size_t kNeutrals = 8;  // the last record
    static constexpr std::size_t kSize = kRecords * SideLayout::kSize;
};

inline constexpr std::string_view kSidesFile = "SIDES.DAT";
inline constexpr std::string_view kNotUsedName = "Not Used";
inline constexpr std::string_view kNeutralsName = "Neutrals";
// What a side index of 8 means in the files that name sides.
inline constexpr int kNeutralSide = static_cast<int>(SidesFileLayout::kNeutrals);
inline constexpr std::array<std::string_view, 1> kNeutralSideNames{kNeutralsName};

// What the dialogs accept.
struct SideLimits {
    static constexpr std::size_t kName = 23;  // the text import may store up to 31
    static constexpr std::size_t kDescription = 127, kEntryName = 8;
    static constexpr int kMinStacking = 4, kMaxStacking = 8;
    static constexpr int kMaxStartingGold = 10000, kMaxMana = 99;
};

// Stored levels; the dialog's radio buttons are level + 1.
inline constexpr int kLevelHuman = -1, kLevelKnight = 0, kLevelLord = 1, kLevelKestrel = 2;

// Bytes the editor does not interpret: kept as read, zero in a new file.
struct SideReserved {
    std::array<std::uint8_t, SideLayout::kReserved188Size> at188{};
    std::array<std::uint8_t, SideLayout::kReserved208Size> at208{};
    std::uint8_t at228 = 0;
    std::array<std::uint8_t, SideLayout::kReserved229Size> at229{};
    bool operator==(const SideReserved&) const = default;
};

// Defaults are those of a side in a scenario that has no SIDES.DAT yet.
struct Side {
    bool used = false;
    std::string name{kNotUsedName};
    std::string description;
    std::array<std::string, 3> shields;  // file names with the kind letter
    std::string advisor;
    int stackingLimit = 8;
    int manaType = 0;  // None, White, Gray, Black
    int maxMana = 0, initialMana = 0;
    int level = kLevelHuman;
    std::int32_t startingGold = 100;
    bool getMercenaries = true, sellItems = true, heroOnTurn1 = true, enhanced = false;
    std::array<std::string, 8> regulars;
    std::array<std::string, 4> allies;
    std::array<std::string, 3> mercenaries;
    std::string ship;
    std::array<std::string, 4> heroes;
    std::string armyFlag;
    SideReserved reserved;
    bool operator==(const Side&) const = default;
};

using Sides = std::array<Side, SidesFileLayout::kRecords>;

std::ostream& operator<<(std::ostream& out, const Side& side);

// Record 8, the neutrals, is used and named "Neutrals"; the others are not used.
Side defaultSide(std::size_t record);
Sides defaultSides();

// A record shorter than its layout keeps `missing`'s value for every field
// that lies wholly behind its end; a field it cuts reads as padded with zeros.
Side readSide(std::span<const std::uint8_t> record, const Side& missing);
core::Bytes writeSide(const Side& side);

// Records that the file does not reach at all take the defaults; bytes past
// the ninth record are ignored.
Sides readSides(std::span<const std::uint8_t> file);
core::Bytes writeSides(const Sides& sides);  // always kSize bytes

// The current scenario's sides; the defaults when SIDES.DAT cannot be read.
Sides loadSides(const core::DataRoot& root, std::string_view scenario);
bool saveSides(const core::DataRoot& root, std::string_view scenario, const Sides& sides);

}  // namespace kestrel::scenario
