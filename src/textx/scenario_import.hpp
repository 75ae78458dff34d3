// Import Scen: the translations of a scenario's text file written into the
// files of the scenario's folder, with renamed cities and ruins renamed where
// CITY.INI and ITEM.INI name them.
#pragma once
#include <filesystem>
#include <string_view>

#include "core/data_root.hpp"
#include "textx/text_import.hpp"

namespace kestrel::textx {

// Applies every translation of the file's text to the scenario in folder
// `scenario`. Each file is read once and written once, atomically, when one
// of its texts changed; records beyond the editors' storage stay as they are.
ImportResult importScenarioText(const core::DataRoot& root, std::string_view scenario, std::string_view text);
// The translations of a gettext PO file, each entry named by the scenario's
// file and the numbered tag as the PO export names them, under the same
// rules; a text without a Windows-1252 form is left out and named in the result.
ImportResult importScenarioPo(const core::DataRoot& root, std::string_view scenario, std::string_view po);
// The same from a host file, PO when its name ends in ".po"; not opened when
// it cannot be read.
ImportResult importScenarioFile(const core::DataRoot& root, std::string_view scenario,
                                const std::filesystem::path& file);

}  // namespace kestrel::textx
