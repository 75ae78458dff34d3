#include "campaign/reward_dialog.hpp"

#include "campaign/campaign_file.hpp"
#include "campaign/reward_file.hpp"
#include "resources/layouts.hpp"
#include "ui/data_exchange.hpp"
#include "ui/host.hpp"

namespace kestrel::campaign {

RewardDialog::RewardDialog(ui::Host& host, const core::DataRoot& root, const std::string& entryName, int row)
    : ui::Dialog(host, resources::kCampaignReward), root_(root), path_(campaignPath(entryName, rewardFileName(row))) {}

void RewardDialog::onInit() {
    const auto file = root_.read(path_, RewardLayout::kSize);
    Reward reward = file ? readReward(*file) : Reward{};
    // A missing file chooses no kind, not the first.
    if (!file) reward.kinds.fill(kNoRewardKind);
    setNumber(RewardIds::kCount, reward.count);
    for (std::size_t i = 0; i < RewardLayout::kSlots; ++i) {
        setItems(RewardIds::kKinds[i], kRewardKinds);
        const int kind = reward.kinds[i];
        // A kind the list does not hold shows none chosen.
        setSelection(RewardIds::kKinds[i], kind >= 0 && kind < static_cast<int>(kRewardKinds.size()) ? kind : -1);
        setNumber(RewardIds::kAmounts[i], reward.amounts[i]);
    }
}

bool RewardDialog::onOk() {
    Reward reward;
    ui::DataExchange dx(*this);
    dx.integer(RewardIds::kCount, 0, RewardLimits::kMaxCount, reward.count);
    for (std::size_t i = 0; i < RewardLayout::kSlots; ++i) {
        dx.integer(RewardIds::kAmounts[i], 0, RewardLimits::kMaxAmount, reward.amounts[i]);
        reward.kinds[i] = static_cast<std::int16_t>(selection(RewardIds::kKinds[i]));  // -1: none chosen
    }
    if (!dx.ok()) return false;
    if (root_.writeAtomic(path_, writeReward(reward))) return true;
    host().error("Error writing " + path_);
    return false;
}

}  // namespace kestrel::campaign
