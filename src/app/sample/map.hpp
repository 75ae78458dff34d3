// The map of the sample scenario ISLANDS: four islands in a sea, drawn with
// its own pictures, and what goes with it.
#pragma once
#include "core/data_root.hpp"

namespace kestrel::app {

// Its general data, map, overview pictures, terrain pictures, TERRAIN.DAT and
// areas; after the scenario itself and after the terrain types.
bool writeSampleMap(const core::DataRoot& root);

}  // namespace kestrel::app
