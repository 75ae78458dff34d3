#include "core/folder_search.hpp"

#include <algorithm>
#include <filesystem>

#include "core/text_case.hpp"

namespace fs = std::filesystem;

namespace kestrel::core {

namespace {

struct Listing {
    std::vector<std::string> files, folders;
};

// One pass over the folder: the matching files and the folders to descend into.
Listing list(const fs::path& dir, std::string_view pattern) {
    Listing out;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().native();
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            if (name.find('.') == std::string::npos) out.folders.push_back(std::move(name));
        } else if (wildcardMatch(pattern, name) && it->is_regular_file(typeError)) {
            out.files.push_back(std::move(name));
        }
    }
    std::sort(out.files.begin(), out.files.end(), lessNoCase);
    std::sort(out.folders.begin(), out.folders.end(), lessNoCase);
    return out;
}

void search(const fs::path& dir, const std::string& folder, std::string_view pattern, int depthLeft,
            std::vector<FoundFile>& found) {
    Listing here = list(dir, pattern);
    for (auto& name : here.files) found.push_back({folder, std::move(name)});
    if (depthLeft == 0) return;
    for (const auto& sub : here.folders) search(dir / sub, folder + sub + "\\", pattern, depthLeft - 1, found);
}

}  // namespace

std::vector<FoundFile> searchFolders(const DataRoot& root, std::string_view folder, std::string_view pattern,
                                     int depth) {
    std::vector<FoundFile> found;
    std::string start(folder);
    if (!start.empty() && start.back() != '\\') start += '\\';
    const auto dir = start.empty() ? std::optional<fs::path>(root.root()) : root.resolve(start);
    std::error_code ec;
    if (dir && fs::is_directory(*dir, ec)) search(*dir, start, pattern, depth, found);
    return found;
}

}  // namespace kestrel::core
