#include "campaign/campaign_list.hpp"

#include "campaign/campaign_editor.hpp"
#include "campaign/campaign_file.hpp"
#include "datasets/list_dialog.hpp"

namespace kestrel::campaign {

namespace {

std::optional<core::Bytes> newRecord(const datasets::KindInfo&, std::string_view entryName) {
    return writeCampaign(newCampaign(entryName));
}

std::unique_ptr<ui::Dialog> makeEditor(const datasets::KindInfo&, ui::Host& host, const core::DataRoot& root,
                                       const std::string& entryName) {
    return makeCampaignEditor(host, root, entryName);
}

}  // namespace

datasets::EntryHandlers campaignHandlers() { return {newRecord, makeEditor}; }

std::unique_ptr<ui::Dialog> makeCampaignListDialog(ui::Host& host, const core::DataRoot& root) {
    return std::make_unique<datasets::ListDialog>(host, root, datasets::info(datasets::Kind::Campaign),
                                                  campaignHandlers());
}

}  // namespace kestrel::campaign
