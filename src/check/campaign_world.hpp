// A campaign's WORLD.DAT: written beside the record whenever it names a
// world, deleted when it names none.
#pragma once
#include <string_view>

#include "check/check_context.hpp"

namespace kestrel::check {

// Empty and "None" both mean the campaign plays in no world.
bool namesWorld(std::string_view world);
// The file's one record is all there; a cut one is reported as such and
// compared with nothing.
bool wholeRecord(const RecordFile& file);

void checkCampaignWorld(Context& context, const RootEntry& folder, const RootEntry& record, std::string_view world);

}  // namespace kestrel::check
