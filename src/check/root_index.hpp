// Every entry below a data root, found by one walk and looked up without
// regard to case afterwards, so that no check asks the file system twice.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kestrel::check {

enum class EntryType : std::uint8_t { File, Folder, Other };

struct RootEntry {
    std::string path;  // relative to the root, '/' between components, as on disk
    EntryType type = EntryType::File;
    std::uint64_t size = 0;
    std::string_view name() const;  // the last component
};

class RootIndex {
public:
    // Nothing, and the reason, when the root is no readable folder. Links and
    // special files are entries of type Other and are never followed.
    static std::optional<RootIndex> walk(const std::filesystem::path& root, std::string& error);

    const std::filesystem::path& root() const { return root_; }
    std::span<const RootEntry> all() const { return entries_; }
    // A game path ("SCENARIO\ISLANDS\MAP.DAT", either separator, any case):
    // the exact spelling when it exists, else the first in case-insensitive
    // order, as the editor's own lookup chooses.
    const RootEntry* find(std::string_view gamePath) const;
    // The entries directly inside a folder, in case-insensitive order.
    std::vector<const RootEntry*> children(std::string_view folder) const;
    std::filesystem::path hostPath(const RootEntry& entry) const;

private:
    std::filesystem::path root_;
    std::vector<RootEntry> entries_;                                        // in case-insensitive path order
    std::unordered_map<std::string, std::size_t> byFolded_;                 // folded path -> first entry
    std::unordered_map<std::string, std::vector<std::size_t>> childrenOf_;  // folded folder -> entries
};

// A game path folded for lookup: '/' between components, upper case.
std::string foldPath(std::string_view gamePath);

}  // namespace kestrel::check
