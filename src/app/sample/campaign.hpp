// The sample campaign ISLES: two episodes on the sample scenario.
#pragma once
#include "core/data_root.hpp"

namespace kestrel::app {

bool writeSampleCampaign(const core::DataRoot& root);

}  // namespace kestrel::app
