// The files of a campaign folder, by name.
#include "records/file_kinds.hpp"

namespace kestrel::records {

std::span<const FileKind> campaignKinds() { return {}; }

}  // namespace kestrel::records
