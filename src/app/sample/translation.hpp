// The sample translation: a translator's file for Import Data.
#pragma once
#include "core/data_root.hpp"

namespace kestrel::app {

// After the data sets, whose export it translates in part.
bool writeSampleTranslation(const core::DataRoot& root);

}  // namespace kestrel::app
