// A scenario's folder against itself, its world and the data sets it names.
#pragma once
#include "check/check_context.hpp"
#include "check/data_sets.hpp"

namespace kestrel::check {

void checkScenario(Context& context, const DataSets& sets, const RootEntry& folder);
// A world's folder: its WORLD.DAT.
void checkWorld(Context& context, const RootEntry& folder);

}  // namespace kestrel::check
