// RUIN.DAT: the ruins placed on a scenario's map, a 16-bit count and up to
// 100 records of 192 bytes. Bytes 0 to 151 are those a site has too.
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
#include "scenario/placed_head.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kRuinFile = "RUIN.DAT";

// The guards before the monster slots 0 to 7: none, and any monster.
inline constexpr std::array<std::string_view, 2> kRuinGuardNames{"Empty", "Any Monster"};
inline constexpr int kFirstGuardName = -2;

// The abilities a ruin can give, in the order of the dialog's list.
std::span<const datasets::AbilityChoice> ruinAbilities();

// What the dialog accepts.
struct RuinLimits {
    static constexpr int kNoGuard = kFirstGuardName, kAnyMonster = kFirstGuardName + 1, kLastMonster = 7;
    static constexpr int kMaxAbilityValue = 999;
    static constexpr std::size_t kAbilityText = 8, kSpecialFile = 8;
};

// Byte 165 has no field: it is kept as read.
inline constexpr auto kRuinFields = afterPlacedHead(std::array<core::Field, 14>{{
    core::s16("guard", 152)
        .named(kRuinGuardNames, kFirstGuardName)
        .within(RuinLimits::kNoGuard, RuinLimits::kLastMonster),
    core::s8("rewardMana", 154).within(0, 1),
    core::s8("rewardGold", 155).within(0, 1),
    core::s8("rewardItem", 156).within(0, 1),
    core::s8("rewardSage", 157).within(0, 1),
    core::s8("rewardAllies", 158).within(0, 1),
    core::s8("ruinEmpty", 159).within(0, 1),
    core::s8("whiteMana", 160).within(0, 1),
    core::s8("grayMana", 161).within(0, 1),
    core::s8("blackMana", 162).within(0, 1),
    core::s8("aGrade", 163).within(0, 1),
    core::s8("specialRuin", 164).within(0, 1),
    core::records("ability", 166, datasets::AbilityEntryFormat<&ruinAbilities, 10>::format),
    core::text("specialFile", 182, 10),
}});
inline constexpr core::Format kRuinFormat{"ruin", 192, kRuinFields};
static_assert(core::wellFormed(kRuinFormat));

struct RuinLayout {
    static constexpr std::size_t kSize = kRuinFormat.size;
    static constexpr std::size_t kMaxRecords = 100;
    static constexpr std::size_t kGuard = kRuinFormat.at("guard");
    // One byte each, in RuinFlag order.
    static constexpr std::array<std::string_view, 11> kFlagFields{
        "rewardMana", "rewardGold", "rewardItem", "rewardSage", "rewardAllies", "ruinEmpty",
        "whiteMana",  "grayMana",   "blackMana",  "aGrade",     "specialRuin"};
    static constexpr std::size_t kFlagCount = kFlagFields.size();
    static constexpr std::size_t flagAt(std::size_t flag) { return kRuinFormat.at(kFlagFields[flag]); }
    static constexpr std::size_t kUntouched = kRuinFormat.field("specialRuin").end();
    static constexpr std::size_t kAbility = kRuinFormat.at("ability");
    static constexpr const core::Format& kAbilityFormat = *kRuinFormat.field("ability").format;
    static constexpr std::size_t kAbilityCode = kAbility + kAbilityFormat.at("code"),
                                 kAbilityFirst = kAbility + kAbilityFormat.at("first"),
                                 kAbilitySecond = kAbility + kAbilityFormat.at("second");
    static constexpr std::size_t kAbilityText = kAbility + kAbilityFormat.at("text"),
                                 kAbilityTextSize = kAbilityFormat.sizeOf("text");
    static constexpr std::size_t kSpecialFile = kRuinFormat.at("specialFile"),
                                 kSpecialFileSize = kRuinFormat.sizeOf("specialFile");
};

enum RuinFlag : std::size_t {
    kRewardMana,
    kRewardGold,
    kRewardItem,
    kRewardSage,
    kRewardAllies,
    kRuinEmpty,
    kWhiteMana,
    kGrayMana,
    kBlackMana,
    kAGrade,
    kSpecialRuin,
};

struct ScenarioRuin {
    PlacedHead head;
    std::int16_t guard = RuinLimits::kNoGuard;                // -2 none, -1 any monster, else the monster slot
    std::array<std::int8_t, RuinLayout::kFlagCount> flags{};  // as stored: 0 or 1 from the dialog
    std::uint8_t untouched = 0;
    datasets::SpecialAbility ability;  // its text from a 10-byte field here
    std::string specialFile;
    bool operator==(const ScenarioRuin&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ScenarioRuin& ruin);

ScenarioRuin readRuin(std::span<const std::uint8_t> record);
core::Bytes writeRuin(const ScenarioRuin& ruin);

// The file's ruins (see countedRecords), and the file for at most 100 of them.
std::vector<ScenarioRuin> readRuinFile(std::span<const std::uint8_t> file);
core::Bytes writeRuinFile(std::span<const ScenarioRuin> ruins);
// Nothing when the scenario's file cannot be read.
std::optional<std::vector<ScenarioRuin>> loadRuins(const core::DataRoot& root, std::string_view scenario);
bool saveRuins(const core::DataRoot& root, std::string_view scenario, std::span<const ScenarioRuin> ruins);

}  // namespace kestrel::scenario
