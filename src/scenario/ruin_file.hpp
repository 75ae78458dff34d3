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
#include "datasets/ability_entry.hpp"
#include "scenario/placed_head.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kRuinFile = "RUIN.DAT";

struct RuinLayout {
    static constexpr std::size_t kSize = 192;
    static constexpr std::size_t kMaxRecords = 100;
    static constexpr std::size_t kGuard = 152;
    static constexpr std::size_t kFlags = 154, kFlagCount = 11;  // one byte each, in RuinFlag order
    static constexpr std::size_t kUntouched = 165;
    static constexpr std::size_t kAbilityCode = 166, kAbilityFirst = 168, kAbilitySecond = 170;
    static constexpr std::size_t kAbilityText = 172, kAbilityTextSize = 10;
    static constexpr std::size_t kSpecialFile = 182, kSpecialFileSize = 10;
};

// What the dialog accepts.
struct RuinLimits {
    static constexpr int kNoGuard = -2, kAnyMonster = -1, kLastMonster = 7;
    static constexpr int kMaxAbilityValue = 999;
    static constexpr std::size_t kAbilityText = 8, kSpecialFile = 8;
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

// The abilities a ruin can give, in the order of the dialog's list.
std::span<const datasets::AbilityChoice> ruinAbilities();

}  // namespace kestrel::scenario
