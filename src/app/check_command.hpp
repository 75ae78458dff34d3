// `check`: the findings of a data root, one a line, then a summary.
#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "core/data_root.hpp"
#include "core/finding.hpp"

namespace kestrel::app {

// Exit 0 without errors, 1 with errors, 2 when the root or a named scenario
// or campaign cannot be used.
int checkCommand(const std::filesystem::path& root, const std::vector<std::string>& targets, bool json,
                 std::ostream& out, std::ostream& err);

// The whole root's findings for the main window's Check Data; none when the
// root cannot be read.
std::vector<core::Finding> rootFindings(const core::DataRoot& root);

}  // namespace kestrel::app
