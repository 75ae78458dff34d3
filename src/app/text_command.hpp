// The text exchange on the command line: what the main window's buttons do,
// with their message printed instead of shown.
#pragma once
#include <filesystem>
#include <optional>
#include <ostream>

namespace kestrel::app {

// export-data: KS_Data.Txt in the data root, or the PO file `po` when given;
// 0 when written, 1 when not, 2 when the data root is no folder.
int exportDataCommand(const std::filesystem::path& root, const std::optional<std::filesystem::path>& po,
                      std::ostream& out, std::ostream& err);

}  // namespace kestrel::app
