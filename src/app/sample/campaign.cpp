#include "app/sample/campaign.hpp"

#include "app/sample/entry.hpp"
#include "campaign/campaign_file.hpp"
#include "campaign/campaign_text.hpp"
#include "campaign/option_file.hpp"
#include "campaign/reward_file.hpp"

namespace kestrel::app {

// The campaign ISLES: two episodes on ISLANDS in the world MIDLANDS, with
// their texts, a loss text, a reward after the first, options for both.
bool writeSampleCampaign(const core::DataRoot& root) {
    campaign::Campaign saga = campaign::newCampaign("ISLES");
    saga.name = "The Isles Saga";
    saga.episodes = 2;
    saga.rows[0] = {"ISLANDS", "SAILS", "LANDING", "START1", "END1"};
    saga.rows[1] = {"ISLANDS", "", "CROWNING", "START2", "END2"};
    saga.world = "MIDLANDS";
    const auto write = [&](std::string_view file, const core::Bytes& bytes) {
        return root.writeAtomic(campaign::campaignPath("ISLES", file), bytes);
    };
    const auto text = [&](std::string_view file, std::string_view lines) {
        return write(file, campaign::writeCampaignText(lines));
    };
    campaign::Reward reward;
    reward.count = 2;
    reward.kinds = {1, 2, 0, 0};  // Strength, Move
    reward.amounts = {2, 1, 0, 0};
    campaign::Options foggy = campaign::defaultOptions();
    for (std::size_t i = 0; i < campaign::kOptionFields.size(); ++i)
        if (campaign::kOptionFields[i].label == "Fog of War") foggy.values[i] = 1;
    return makeEntry(root, datasets::Kind::Campaign, "ISLES", campaign::writeCampaign(saga)) &&
           write(campaign::kCampaignWorldFile, campaign::writeCampaignWorld(saga.world)) &&
           text("START1.TXT", "The Red Kings sail for the isles.\r\nTake the harbour before winter.") &&
           text("END1.TXT", "The harbour is yours.\r\n") && text("START2.TXT", "The Wolf Clans gather in the north.") &&
           text("END2.TXT", "The isles are one crown.") &&
           text(campaign::lossTextName(0), "The fleet turns home in shame.") &&
           write(campaign::rewardFileName(0), campaign::writeReward(reward)) &&
           write(campaign::optionFileName(0), campaign::writeOptions(campaign::defaultOptions())) &&
           write(campaign::optionFileName(1), campaign::writeOptions(foggy));
}

}  // namespace kestrel::app
