// One folder held open while many of its files are read and replaced, as an
// import that rewrites thousands of record files does: each name is looked up
// in the folder itself instead of from the root, each replacement is as
// atomic as writeHostFileAtomic's, and the folder is synced once at the end.
#pragma once
#include <sys/stat.h>

#include <atomic>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/bytes.hpp"

namespace kestrel::core {

// Which file a name led to: two names of one file, by case or by a link,
// give the same.
struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    auto operator<=>(const FileId&) const = default;
};

// A file as read from its folder, to be changed and put back.
struct FolderFile {
    std::string name;  // as the folder spells it
    Bytes bytes;
    // What the file was when it was opened for writing as a regular file:
    // then its replacement needs no second look.
    std::optional<struct stat> checked;
    FileId id;  // of what was read
};

class FolderFiles {
public:
    // Nothing when `folder` is no folder that can be opened.
    static std::unique_ptr<FolderFiles> open(const std::filesystem::path& folder);
    // Syncs the folder when a file of it was replaced.
    ~FolderFiles();
    FolderFiles(const FolderFiles&) = delete;
    FolderFiles& operator=(const FolderFiles&) = delete;

    // At most `maxBytes` of the file named `name` in any case; nothing when it
    // is missing or no regular file.
    std::optional<FolderFile> read(const std::string& name, std::size_t maxBytes) const;
    // Puts the file's bytes in its place, with the old file's mode and owner.
    // A link is followed and a file this process may not write is refused, as
    // writeHostFileAtomic does. Safe to call from several threads.
    bool replace(const FolderFile& file) const;

private:
    FolderFiles(int fd, std::filesystem::path path, const struct stat& folder, bool inheritsPermissions);

    bool replaceChecked(const FolderFile& file) const;
    int createTemporary(std::string& name, mode_t mode) const;
    bool takeOver(int fd, const struct stat& old) const;

    int fd_;
    std::filesystem::path path_;
    // Who owns a new file here, and whether it gets the mode it asks for.
    uid_t newOwner_;
    gid_t newGroup_;
    mode_t umask_;
    bool inheritsPermissions_;  // a default access list overrides the umask
    std::uint64_t seed_;
    mutable std::atomic<std::uint64_t> made_{0};
    mutable std::atomic<bool> replaced_{false};
};

}  // namespace kestrel::core
