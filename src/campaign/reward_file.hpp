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

namespace kestrel::campaign {

struct RewardLayout {
    static constexpr std::size_t kSize = 18;
    static constexpr std::size_t kCount = 0, kKinds = 2, kAmounts = 10;  // 16-bit each
    static constexpr std::size_t kSlots = 4;
};

struct RewardLimits {
    static constexpr int kMaxCount = 10, kMaxAmount = 10;
};

// Rows 0 to 8: there is no reward after the last episode.
inline constexpr int kRewardRows = 9;

// The index is what the file stores; -1 stands for none chosen.
inline constexpr std::array<std::string_view, 6> kRewardKinds{"None", "Strength", "Move", "Hits", "View", "Time"};
inline constexpr std::int16_t kNoRewardKind = -1;

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
