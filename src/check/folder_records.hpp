// The record files of a folder whose names give one of a group's kinds.
#pragma once
#include <span>

#include "check/check_context.hpp"

namespace kestrel::check {

void checkFolderRecords(Context& context, const RootEntry& folder, std::span<const records::FileKind> kinds);

}  // namespace kestrel::check
