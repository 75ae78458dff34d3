// An entry of the sample data sets, made as New makes it.
#pragma once
#include <string_view>

#include "core/data_root.hpp"
#include "datasets/catalogue.hpp"

namespace kestrel::app {

// Replaces an entry of that name left from before.
bool makeEntry(const core::DataRoot& root, datasets::Kind kind, std::string_view name, const core::Bytes& record);

}  // namespace kestrel::app
