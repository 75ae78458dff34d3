// The bundled sample data root: template pictures and a few entries.
#pragma once
#include "core/data_root.hpp"

namespace kestrel::app {

bool writeSampleRoot(const core::DataRoot& root);

}  // namespace kestrel::app
