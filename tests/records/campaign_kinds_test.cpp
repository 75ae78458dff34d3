// The golden texts of a campaign's record, rewards and options, and the file
// names that give each kind away.
#include "campaign/campaign_file.hpp"
#include "campaign/option_file.hpp"
#include "campaign/reward_file.hpp"
#include "records_testing.hpp"

namespace kestrel::records {
namespace {

TEST(ShownRecords, CampaignWithAStrayZeroWordAndJunkBehindANul) {
    campaign::Campaign c = campaign::newCampaign("SAGA");
    c.name = "The Long Saga";
    c.episodes = 2;
    c.rows[0] = {"VALE", "INTRO", "", "VALE1", "VALE2"};
    c.rows[1] = {"PASS", "", "OUTRO", "PASS1", ""};
    c.world = "MIDLANDS";
    core::Bytes file = campaign::writeCampaign(c);
    file[42] = 1;             // the word that is always 0
    file[136 + 9 + 3] = 'X';  // behind the empty start animation of row 1
    file[505] = 0xEE;         // unused
    testing::expectShownAs("campaign", file, "campaign");
}

TEST(ShownRecords, RewardWithNoKindChosen) {
    const campaign::Reward reward{3, {2, 5, campaign::kNoRewardKind, 0}, {4, 10, 1, 0}};
    testing::expectShownAs("reward", campaign::writeReward(reward), "reward");
}

TEST(ShownRecords, OptionsWithStrayBits) {
    campaign::Options options = campaign::defaultOptions();
    options.values[5] = 1;    // Fog of War
    options.values[8] = 7;    // Time Limit
    options.values[11] = 24;  // Combat Dice
    options.values[15] = 2;   // Raze Anytime
    core::Bytes file = campaign::writeOptions(options);
    file[2] |= 0x80;  // the bit above See Hidden Water
    file[17] = 0x33;
    testing::expectShownAs("options", file, "options");
}

TEST(CampaignKinds, KnownByTheirNames) {
    const struct {
        std::string_view file, kind;
    } cases[] = {
        {"CAMPAIGN.DAT", "campaign"}, {"campaign.dat", "campaign"}, {"REWARD0.DAT", "reward"},
        {"Reward8.dat", "reward"},    {"OPT0.DAT", "options"},      {"opt9.dat", "options"},
        {"REWARD.DAT", ""},           {"REWARD10.DAT", ""},         {"OPT10.DAT", ""},
        {"OPTS.DAT.BAK", ""},
    };
    for (const auto& c : cases) {
        const FileKind* kind = kindOfFile(c.file);
        EXPECT_EQ(kind ? kind->name : "", c.kind) << c.file;
    }
}

}  // namespace
}  // namespace kestrel::records
