#include "check/campaign_checks.hpp"

#include "check/folder_records.hpp"

namespace kestrel::check {

std::vector<std::string> checkCampaign(Context& context, const DataSets& sets, const RootEntry& folder) {
    (void)sets;
    checkFolderRecords(context, folder, records::campaignKinds());
    return {};
}

}  // namespace kestrel::check
