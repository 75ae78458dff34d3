// Export of the current scenario's texts to "KS_<folder>.Txt" in the data root.
#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "core/data_root.hpp"
#include "textx/scenario_sections.hpp"

namespace kestrel::textx {

inline constexpr std::string_view kCannotOpenTextFile = "Cannot open text file";

// A folder name that can be a scenario's: one plain file name, no path.
bool isScenarioFolderName(std::string_view scenario);

// The whole file as it is written, 8-bit. A source file that cannot be read
// leaves its section with only its banner (and the first section's closing lines).
std::string scenarioText(const core::DataRoot& root, std::string_view scenario);

// Replaces "KS_<folder>.Txt" atomically; false when it cannot be written or
// the folder name is no plain name.
bool exportScenario(const core::DataRoot& root, std::string_view scenario);

// The same texts as gettext PO, each entry named by its file in the
// scenario's folder and its numbered tag: "CITY.DAT NAME3".
std::string scenarioPo(const core::DataRoot& root, std::string_view scenario);
// Replaces the host file atomically; false when it cannot be written.
bool exportScenarioPo(const core::DataRoot& root, std::string_view scenario, const std::filesystem::path& out);

}  // namespace kestrel::textx
