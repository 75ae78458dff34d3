// A campaign's folder: its record, episodes, texts, rewards and options.
#pragma once
#include <string>
#include <vector>

#include "check/check_context.hpp"
#include "check/data_sets.hpp"

namespace kestrel::check {

// The scenario folders its episodes name, for a check of the campaign alone.
std::vector<std::string> checkCampaign(Context& context, const DataSets& sets, const RootEntry& folder);

}  // namespace kestrel::check
