// The folder search that finds scenarios, worlds and campaigns: every file
// below a folder whose name matches a pattern, depth first.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/data_root.hpp"

namespace kestrel::core {

struct FoundFile {
    std::string folder;  // game path with a trailing backslash: "SCENARIO\ISLANDS\"
    std::string name;    // as it is on disk
    std::string path() const { return folder + name; }
};

inline constexpr int kFolderSearchDepth = 3;

// In each folder the matching files come first, then each sub-folder whose
// name has no extension is searched whole, in the order a listing gives
// (case-insensitive). At most `depth` folder levels below `root` ("SCENARIO\").
std::vector<FoundFile> searchFolders(const DataRoot& root, std::string_view folder, std::string_view pattern,
                                     int depth = kFolderSearchDepth);

}  // namespace kestrel::core
