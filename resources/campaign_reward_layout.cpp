#include "campaign/reward_dialog.hpp"
#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

// The count on top; four columns of a kind over its amount.
ui::Layout campaignRewardLayout() {
    using Ids = campaign::RewardIds;
    ui::Layout l{.resourceId = kCampaignReward, .caption = "Campaign Reward", .width = 320, .height = 119};
    l.controls.push_back(label("Number of Rewards", 7, 7, 80));
    l.controls.push_back(field(Ids::kCount, ControlKind::NumberEdit, 7, 18, 30));
    l.controls.push_back(group("Rewards && Data", 7, 38, 306, 52));
    for (int i = 0; i < 4; ++i) {
        const int x = 15 + 74 * i;
        l.controls.push_back(field(Ids::kKinds[i], ControlKind::ComboList, x, 51, 66));
        l.controls.push_back(field(Ids::kAmounts[i], ControlKind::NumberEdit, x, 69, 30));
    }
    addOkCancel(l, 98);
    return l;
}

}  // namespace kestrel::resources
