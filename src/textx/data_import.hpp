// Import Data: the translations of a text exchange file written into the
// record files of the data sets that its "#ID:" lines name.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/data_root.hpp"
#include "textx/data_sections.hpp"
#include "textx/text_import.hpp"

namespace kestrel::textx {

// The game path of the record file an "#ID:" line names, when it is a file
// of the section's pattern in the section's folder ("City\ELVES.CIT" in the
// city section); nothing for any other path, so a translation never lands
// outside the data sets, let alone the data root.
std::optional<std::string> sectionRecordFile(const DataSection& section, std::string_view idPath);

// Applies every translation of the file's text. Each record file is read
// once for the tags that follow its "#ID:" line and written once, atomically,
// when one of its texts changed.
ImportResult importDataText(const core::DataRoot& root, std::string_view text);
// The translations of a gettext PO file, each entry named by its record
// file and tag as the PO export names them, under the same rules. A text
// without a Windows-1252 form is left out and named in the result.
ImportResult importDataPo(const core::DataRoot& root, std::string_view po);
// The same from a host file, PO when its name ends in ".po"; not opened when
// it cannot be read.
ImportResult importDataFile(const core::DataRoot& root, const std::filesystem::path& file);

}  // namespace kestrel::textx
