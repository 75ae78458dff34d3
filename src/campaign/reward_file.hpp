// REWARD<r>.DAT: what the player's armies gain after episode r + 1, nine
// signed 16-bit numbers: the count, four kinds and four amounts.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"
#include "core/record_format.hpp"

namespace kestrel::campaign {

// The index is what the file stores; -1 stands for none chosen and has no
// name, as the lists show no item for it.
inline constexpr std::array<std::string_view, 6> kRewardKinds{"None", "Strength", "Move", "Hits", "View", "Time"};
inline constexpr std::int16_t kNoRewardKind = -1;

struct RewardLimits {
    static constexpr int kMaxCount = 10, kMaxAmount = 10;
};

inline constexpr std::array<core::Field, 3> kRewardFields{{
    core::s16("count", 0).within(0, RewardLimits::kMaxCount),
    core::s16("kind", 2, 4).named(kRewardKinds).within(kNoRewardKind, static_cast<int>(kRewardKinds.size()) - 1),
    core::s16("amount", 10, 4).within(0, RewardLimits::kMaxAmount),
}};
inline constexpr core::Format kRewardFormat{"reward", 18, kRewardFields};
static_assert(core::wellFormed(kRewardFormat));

struct RewardLayout {
    static constexpr std::size_t kSize = kRewardFormat.size;
    static constexpr std::size_t kSlots = kRewardFormat.field("kind").count;
};
static_assert(kRewardFormat.field("amount").count == RewardLayout::kSlots);

// Rows 0 to 8: there is no reward after the last episode.
inline constexpr int kRewardRows = 9;

struct Reward {
    std::int16_t count = 0;
    std::array<std::int16_t, RewardLayout::kSlots> kinds{};
    std::array<std::int16_t, RewardLayout::kSlots> amounts{};
    bool operator==(const Reward&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Reward& reward);

// A missing file reads as all zeros, and so does what a short one lacks.
Reward readReward(std::span<const std::uint8_t> file);
core::Bytes writeReward(const Reward& reward);

std::string rewardFileName(int row);

}  // namespace kestrel::campaign
