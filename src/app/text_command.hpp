// The text exchange on the command line: what the main window's buttons do,
// with their message printed instead of shown.
#pragma once
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace kestrel::app {

// export-data: KS_Data.Txt in the data root, or the PO file `po` when given;
// 0 when written, 1 when not, 2 when the data root is no folder.
int exportDataCommand(const std::filesystem::path& root, const std::optional<std::filesystem::path>& po,
                      std::ostream& out, std::ostream& err);

// export-scen: KS_<folder>.Txt of the scenario in folder `name`, or the PO
// file `po`; 0 when written, 1 when not or when there is no such scenario
// folder, 2 when the data root is no folder.
int exportScenarioCommand(const std::filesystem::path& root, const std::string& name,
                          const std::optional<std::filesystem::path>& po, std::ostream& out, std::ostream& err);

// import-data: the translations of FILE into the data sets; 0 when every
// text it carries is in place, 1 when the file cannot be read or a record
// file not written, 2 when the data root is no folder.
int importDataCommand(const std::filesystem::path& root, const std::filesystem::path& file, std::ostream& out,
                      std::ostream& err);
// import-scen: the same into the scenario in folder `name`; 1 also when
// there is no such scenario folder.
int importScenarioCommand(const std::filesystem::path& root, const std::string& name,
                          const std::filesystem::path& file, std::ostream& out, std::ostream& err);

}  // namespace kestrel::app
