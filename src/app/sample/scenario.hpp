// The sample scenario ISLANDS in the world MIDLANDS, with its map and what starts on it.
#pragma once
#include "core/data_root.hpp"

namespace kestrel::app {

// After the data sets, whose entries it names.
bool writeSampleScenario(const core::DataRoot& root);

}  // namespace kestrel::app
