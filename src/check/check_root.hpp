// `kstred check`: a whole data root, or the scenarios and campaigns named and
// what they depend on, read once and reported as findings.
#pragma once
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/finding.hpp"

namespace kestrel::check {

struct CheckResult {
    bool usable = false;                  // false: the root or a named target cannot be used
    std::string error;                    // why not
    std::vector<core::Finding> findings;  // sorted
    std::size_t mostReads = 0;            // of any one file: 1
};

// `targets` names scenario folders and campaigns; empty: everything.
CheckResult checkRoot(const std::filesystem::path& root, std::span<const std::string> targets = {});

}  // namespace kestrel::check
