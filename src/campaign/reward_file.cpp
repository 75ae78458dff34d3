#include "campaign/reward_file.hpp"

#include "core/record_fields.hpp"

namespace kestrel::campaign {

namespace {

using L = RewardLayout;

constexpr const core::Field& kCount = kRewardFormat.field("count");
constexpr const core::Field& kKinds = kRewardFormat.field("kind");
constexpr const core::Field& kAmounts = kRewardFormat.field("amount");

}  // namespace

std::ostream& operator<<(std::ostream& out, const Reward& r) {
    out << "Reward{" << r.count;
    for (std::size_t i = 0; i < L::kSlots; ++i) out << ", " << r.kinds[i] << ':' << r.amounts[i];
    return out << '}';
}

Reward readReward(std::span<const std::uint8_t> file) {
    const core::RecordReader r(file);
    Reward reward;
    reward.count = r.s16(kCount.at);
    for (std::size_t i = 0; i < L::kSlots; ++i) {
        reward.kinds[i] = r.s16(kKinds.elementAt(i));
        reward.amounts[i] = r.s16(kAmounts.elementAt(i));
    }
    return reward;
}

core::Bytes writeReward(const Reward& reward) {
    core::RecordWriter w(L::kSize);
    w.s16(kCount.at, reward.count);
    for (std::size_t i = 0; i < L::kSlots; ++i) {
        w.s16(kKinds.elementAt(i), reward.kinds[i]);
        w.s16(kAmounts.elementAt(i), reward.amounts[i]);
    }
    return w.take();
}

std::string rewardFileName(int row) { return "REWARD" + std::to_string(row) + ".DAT"; }

}  // namespace kestrel::campaign
