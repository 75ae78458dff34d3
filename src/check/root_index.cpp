#include "check/root_index.hpp"

#include <algorithm>
#include <system_error>
#include <utility>

namespace kestrel::check {

namespace fs = std::filesystem;

std::string_view RootEntry::name() const {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string_view(path) : std::string_view(path).substr(slash + 1);
}

std::string foldPath(std::string_view gamePath) {
    std::string folded;
    folded.reserve(gamePath.size());
    for (char c : gamePath) {
        if (c == '\\') c = '/';
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c == '/' && (folded.empty() || folded.back() == '/')) continue;
        folded += c;
    }
    while (!folded.empty() && folded.back() == '/') folded.pop_back();
    return folded;
}

namespace {

EntryType typeOf(const fs::file_status& status) {
    if (fs::is_regular_file(status)) return EntryType::File;
    if (fs::is_directory(status)) return EntryType::Folder;
    return EntryType::Other;
}

}  // namespace

std::optional<RootIndex> RootIndex::walk(const fs::path& root, std::string& error) {
    std::error_code ec;
    if (!fs::is_directory(fs::status(root, ec))) {
        error = "the data root " + root.string() + " is no folder";
        return std::nullopt;
    }
    RootIndex index;
    index.root_ = root;
    fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec);
    if (ec) {
        error = "the data root " + root.string() + " cannot be read: " + ec.message();
        return std::nullopt;
    }
    // Every entry's path begins with the root's and a separator.
    const std::size_t prefix = (root / "").generic_string().size();
    for (; it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (ec) break;
        const fs::file_status status = it->symlink_status(ec);
        if (ec) continue;
        RootEntry entry;
        entry.path = it->path().generic_string().substr(prefix);
        entry.type = typeOf(status);
        if (entry.type == EntryType::File) entry.size = it->file_size(ec);
        index.entries_.push_back(std::move(entry));
    }
    // Case-insensitive first, then exact, so that the order is total.
    std::vector<std::pair<std::string, RootEntry>> keyed;
    keyed.reserve(index.entries_.size());
    for (RootEntry& e : index.entries_) keyed.emplace_back(foldPath(e.path), std::move(e));
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.path < b.second.path;
    });
    index.entries_.clear();
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        std::string& folded = keyed[i].first;
        index.entries_.push_back(std::move(keyed[i].second));
        const auto slash = folded.rfind('/');
        index.childrenOf_[slash == std::string::npos ? std::string() : folded.substr(0, slash)].push_back(i);
        index.byFolded_.try_emplace(std::move(folded), i);
    }
    return index;
}

const RootEntry* RootIndex::find(std::string_view gamePath) const {
    const std::string folded = foldPath(gamePath);
    const auto hit = byFolded_.find(folded);
    if (hit == byFolded_.end()) return nullptr;
    // Entries of one folded path lie side by side; an exact spelling wins.
    std::string wanted(gamePath);
    std::replace(wanted.begin(), wanted.end(), '\\', '/');
    for (std::size_t i = hit->second; i < entries_.size() && entries_[i].path.size() == wanted.size(); ++i) {
        if (entries_[i].path == wanted) return &entries_[i];
        if (foldPath(entries_[i].path) != folded) break;
    }
    return &entries_[hit->second];
}

std::vector<const RootEntry*> RootIndex::children(std::string_view folder) const {
    std::vector<const RootEntry*> found;
    const auto hit = childrenOf_.find(foldPath(folder));
    if (hit == childrenOf_.end()) return found;
    for (const std::size_t i : hit->second) found.push_back(&entries_[i]);
    return found;
}

fs::path RootIndex::hostPath(const RootEntry& entry) const { return root_ / fs::path(entry.path); }

}  // namespace kestrel::check
