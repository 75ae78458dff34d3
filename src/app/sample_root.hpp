// The bundled sample data root: its pictures, and from app/sample/ its data
// sets, scenario, campaign and translation.
#pragma once
#include "core/data_root.hpp"

namespace kestrel::app {

bool writeSampleRoot(const core::DataRoot& root);

}  // namespace kestrel::app
