// The sample data sets: a few entries of every kind, some in earlier layouts.
#pragma once
#include "core/data_root.hpp"

namespace kestrel::app {

// After the template pictures, which New copies into every entry it makes.
bool writeSampleDataSets(const core::DataRoot& root);

}  // namespace kestrel::app
