// `check`: the findings of a data root, one a line, then a summary.
#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace kestrel::app {

// Exit 0 without errors, 1 with errors, 2 when the root or a named scenario
// or campaign cannot be used.
int checkCommand(const std::filesystem::path& root, const std::vector<std::string>& targets, bool json,
                 std::ostream& out, std::ostream& err);

}  // namespace kestrel::app
