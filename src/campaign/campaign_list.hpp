// "Campaign List": the data-set list dialog, with New writing a campaign
// record and Edit opening the campaign editor.
#pragma once
#include <memory>

#include "core/data_root.hpp"
#include "datasets/entry_editors.hpp"
#include "ui/dialog.hpp"

namespace kestrel::campaign {

datasets::EntryHandlers campaignHandlers();

std::unique_ptr<ui::Dialog> makeCampaignListDialog(ui::Host& host, const core::DataRoot& root);

}  // namespace kestrel::campaign
