// The files of a campaign folder, by name.
#include "campaign/campaign_file.hpp"
#include "campaign/option_file.hpp"
#include "campaign/reward_file.hpp"
#include "records/file_kinds.hpp"

namespace kestrel::records {

namespace {

constexpr std::array<FileFormat, 1> kCampaign{OneRecord<campaign::kCampaignFormat>::file};
constexpr std::array<FileFormat, 1> kReward{OneRecord<campaign::kRewardFormat>::file};
constexpr std::array<FileFormat, 1> kOptions{OneRecord<campaign::kOptionFormat>::file};

// REWARD0.DAT to REWARD8.DAT and OPT0.DAT to OPT9.DAT: one digit, the row.
constexpr std::array<FileKind, 3> kKinds{{
    {"campaign", {"CAMPAIGN.DAT"}, kCampaign},
    {"reward", {"REWARD?.DAT"}, kReward},
    {"options", {"OPT?.DAT"}, kOptions},
}};

}  // namespace

std::span<const FileKind> campaignKinds() { return kKinds; }

}  // namespace kestrel::records
