#include "campaign/reward_file.hpp"

#include "core/record_fields.hpp"

namespace kestrel::campaign {

namespace {
using L = RewardLayout;
}

std::ostream& operator<<(std::ostream& out, const Reward& r) {
    out << "Reward{" << r.count;
    for (std::size_t i = 0; i < L::kSlots; ++i) out << ", " << r.kinds[i] << ':' << r.amounts[i];
    return out << '}';
}

Reward readReward(std::span<const std::uint8_t> file) {
    const core::RecordReader r(file);
    Reward reward;
    reward.count = r.s16(L::kCount);
    for (std::size_t i = 0; i < L::kSlots; ++i) {
        reward.kinds[i] = r.s16(L::kKinds + 2 * i);
        reward.amounts[i] = r.s16(L::kAmounts + 2 * i);
    }
    return reward;
}

core::Bytes writeReward(const Reward& reward) {
    core::RecordWriter w(L::kSize);
    w.s16(L::kCount, reward.count);
    for (std::size_t i = 0; i < L::kSlots; ++i) {
        w.s16(L::kKinds + 2 * i, reward.kinds[i]);
        w.s16(L::kAmounts + 2 * i, reward.amounts[i]);
    }
    return w.take();
}

std::string rewardFileName(int row) { return "REWARD" + std::to_string(row) + ".DAT"; }

}  // namespace kestrel::campaign
