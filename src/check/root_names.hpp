// Names in the root that the game's file system cannot hold: two that differ
// only in case, or one it refuses outright.
#pragma once
#include "check/findings.hpp"
#include "check/root_index.hpp"

namespace kestrel::check {

void checkRootNames(const RootIndex& index, Findings& findings);

}  // namespace kestrel::check
