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
#include "core/record_format.hpp"

namespace kestrel::scenario {

inline constexpr std::array<std::string_view, 4> kManaTypeNames{"None", "White", "Gray", "Black"};
// Stored levels, named from -1; the dialog's radio buttons are level + 1.
inline constexpr int kLevelHuman = -1, kLevelKnight = 0, kLevelLord = 1, kLevelKestrel = 2;
inline constexpr std::array<std::string_view, 4> kSideLevelNames{"Human", "Knight", "Lord", "Kestrel"};

// What the dialogs accept.
struct SideLimits {
    static constexpr std::size_t kName = 23;  // the text import may store up to 31
    static constexpr std::size_t kDescription = 127, kEntryName = 8;
    static constexpr int kMinStacking = 4, kMaxStacking = 8;
    static constexpr int kMaxStartingGold = 10000, kMaxMana = 99;
};

// Bytes 218-219 and 449-451 pad the record. The reserved bytes are not
// interpreted but kept as read.
inline constexpr std::array<core::Field, 25> kSideFields{{
    core::u8("used", 0).within(0, 1),
    core::text("name", 1, 32),
    core::text("description", 33, 128),
    core::text("shields", 161, 9, 3),  // kinds B, O, C
    core::bytes("reserved188", 188, 9),
    core::text("advisor", 197, 9),
    core::s16("stackingLimit", 206).within(SideLimits::kMinStacking, SideLimits::kMaxStacking),
    core::bytes("reserved208", 208, 2),
    core::s16("manaType", 210).named(kManaTypeNames).meaningsOnly(),
    core::s16("maxMana", 212).within(0, SideLimits::kMaxMana),
    core::s16("initialMana", 214).within(0, SideLimits::kMaxMana),
    core::s16("level", 216).named(kSideLevelNames, kLevelHuman).meaningsOnly(),
    core::s32("startingGold", 220).within(0, SideLimits::kMaxStartingGold),
    core::u8("getMercenaries", 224).within(0, 1),
    core::u8("sellItems", 225).within(0, 1),
    core::u8("heroOnTurn1", 226).within(0, 1),
    core::u8("enhanced", 227).within(0, 1),
    core::bytes("reserved228", 228, 1),
    core::bytes("reserved229", 229, 31),
    core::text("regulars", 260, 9, 8),
    core::text("allies", 332, 9, 4),
    core::text("mercenaries", 368, 9, 3),
    core::text("ship", 395, 9),
    core::text("heroes", 404, 9, 4),
    core::text("armyFlag", 440, 9),
}};
inline constexpr core::Format kSideFormat{"side", 452, kSideFields};
static_assert(core::wellFormed(kSideFormat));

// Records 0 to 7 are the player sides, record 8 the neutrals.
inline constexpr std::array<core::Field, 1> kSidesFields{core::records("side", 0, kSideFormat, 9)};
inline constexpr core::Format kSidesFormat{"sides", 9 * kSideFormat.size, kSidesFields};
static_assert(core::wellFormed(kSidesFormat));

struct SideLayout {
    static constexpr std::size_t kSize = kSideFormat.size;
    static constexpr std::size_t kUsed = kSideFormat.at("used");
    static constexpr std::size_t kName = kSideFormat.at("name"), kNameSize = kSideFormat.sizeOf("name");
    static constexpr std::size_t kDescription = kSideFormat.at("description"),
                                 kDescriptionSize = kSideFormat.sizeOf("description");
    static constexpr std::size_t kShields = kSideFormat.at("shields");
    static constexpr std::size_t kReserved188 = kSideFormat.at("reserved188"),
                                 kReserved188Size = kSideFormat.sizeOf("reserved188");
    static constexpr std::size_t kAdvisor = kSideFormat.at("advisor");
    static constexpr std::size_t kStackingLimit = kSideFormat.at("stackingLimit");
    static constexpr std::size_t kReserved208 = kSideFormat.at("reserved208"),
                                 kReserved208Size = kSideFormat.sizeOf("reserved208");
    static constexpr std::size_t kManaType = kSideFormat.at("manaType"), kMaxMana = kSideFormat.at("maxMana"),
                                 kInitialMana = kSideFormat.at("initialMana");
    static constexpr std::size_t kLevel = kSideFormat.at("level");
    static constexpr std::size_t kStartingGold = kSideFormat.at("startingGold"),
                                 kStartingGoldSize = kSideFormat.sizeOf("startingGold");
    static constexpr std::size_t kGetMercenaries = kSideFormat.at("getMercenaries"),
                                 kSellItems = kSideFormat.at("sellItems"), kHeroOnTurn1 = kSideFormat.at("heroOnTurn1"),
                                 kEnhanced = kSideFormat.at("enhanced");
    static constexpr std::size_t kReserved228 = kSideFormat.at("reserved228");
    static constexpr std::size_t kReserved229 = kSideFormat.at("reserved229"),
                                 kReserved229Size = kSideFormat.sizeOf("reserved229");
    static constexpr std::size_t kRegulars = kSideFormat.at("regulars"), kAllies = kSideFormat.at("allies"),
                                 kMercenaries = kSideFormat.at("mercenaries"), kShip = kSideFormat.at("ship");
    static constexpr std::size_t kHeroes = kSideFormat.at("heroes"), kArmyFlag = kSideFormat.at("armyFlag");
    static constexpr std::size_t kEntryNameSize = kSideFormat.sizeOf("advisor");
    static constexpr std::size_t kShieldSlots = kSideFormat.field("shields").count,
                                 kRegularSlots = kSideFormat.field("regulars").count,
                                 kAllySlots = kSideFormat.field("allies").count,
                                 kMercenarySlots = kSideFormat.field("mercenaries").count,
                                 kHeroSlots = kSideFormat.field("heroes").count;
};

// Every entry name is read and written in the advisor's width.
constexpr bool entryNamesAlike() {
    for (const auto name : {"shields", "regulars", "allies", "mercenaries", "ship", "heroes", "armyFlag"})
        if (kSideFormat.sizeOf(name) != SideLayout::kEntryNameSize) return false;
    return true;
}
static_assert(entryNamesAlike());

struct SidesFileLayout {
    static constexpr std::size_t kPlayerSides = 8;
    static constexpr std::size_t kRecords = kSidesFormat.field("side").count;
    static constexpr std::size_t kNeutrals = kRecords - 1;
    static constexpr std::size_t kSize = kSidesFormat.size;
};

inline constexpr std::string_view kSidesFile = "SIDES.DAT";
inline constexpr std::string_view kNotUsedName = "Not Used";
inline constexpr std::string_view kNeutralsName = "Neutrals";
// What a side index of 8 means in the files that name sides.
inline constexpr int kNeutralSide = static_cast<int>(SidesFileLayout::kNeutrals);
inline constexpr std::array<std::string_view, 1> kNeutralSideNames{kNeutralsName};

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
    std::array<std::string, SideLayout::kShieldSlots> shields;  // file names with the kind letter
    std::string advisor;
    int stackingLimit = 8;
    int manaType = 0;  // None, White, Gray, Black
    int maxMana = 0, initialMana = 0;
    int level = kLevelHuman;
    std::int32_t startingGold = 100;
    bool getMercenaries = true, sellItems = true, heroOnTurn1 = true, enhanced = false;
    std::array<std::string, SideLayout::kRegularSlots> regulars;
    std::array<std::string, SideLayout::kAllySlots> allies;
    std::array<std::string, SideLayout::kMercenarySlots> mercenaries;
    std::string ship;
    std::array<std::string, SideLayout::kHeroSlots> heroes;
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
