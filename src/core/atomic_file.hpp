// Whole-file replacement: the new bytes go to a temporary file in the target's
// own folder, are synced, and are renamed over the target. A failure at any
// step leaves the old file as it was and no temporary file behind.
#pragma once
#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>

#include "core/host_file.hpp"

namespace kestrel::core {

// How long a replacement waits for the disk. Durable: the file and its folder
// are synced before it returns, as every file of the data root is written.
// ForReaders: readers see the old file or the new one whole, but a crash may
// lose the new one; for files made from others that can be made again.
enum class Sync { Durable, ForReaders };

// The system calls that can fail under a full or failing disk, replaceable
// so that tests can make each of them fail.
struct FileCalls {
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*renameat)(int fromFolder, const char* from, int toFolder, const char* to);
};
FileCalls& fileCalls();
const FileCalls& systemFileCalls();

class AtomicFile {
public:
    // Nothing when the target may not be written (its permissions, a
    // read-only file system), is not a regular file, or its folder takes no
    // new file. A symbolic link is followed: its target is replaced in its
    // own folder and the link stays.
    static std::unique_ptr<AtomicFile> begin(const std::filesystem::path& target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool append(std::span<const std::uint8_t> bytes);
    // Syncs (when durable) and renames; false leaves the old file in place.
    bool commit(Sync sync = Sync::Durable);

private:
    AtomicFile(int fd, std::filesystem::path temporary, std::filesystem::path target);

    int fd_;
    bool failed_ = false;
    std::filesystem::path temporary_;
    std::filesystem::path target_;
};

// Writes all of `bytes` through the replaceable write call.
bool writeWhole(int fd, std::span<const std::uint8_t> bytes);

// Gives a new file the old one's owner, group and permission bits.
bool takeOverOwnerAndMode(int fd, const struct stat& old);

bool writeHostFileAtomic(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                         Sync sync = Sync::Durable);

// Creates the file in place and writes it, only when no file of that name
// exists (false, errno EEXIST): for files made from others, where a file cut
// short by a crash is made again. A failed write removes what it made.
bool writeNewHostFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

// Streams `from` in blocks into `to`, atomically; a source longer than
// `limit` is refused unread. `readError` tells why the source was refused.
bool copyHostFileAtomic(const std::filesystem::path& from, const std::filesystem::path& to,
                        std::uint64_t limit = UINT64_MAX, FileError* readError = nullptr);

// Replaces the first bytes of a file with `start` and keeps the rest, however
// long, atomically and in blocks. False, and the file as it was, when it is
// shorter than `start` or cannot be read or replaced.
bool replaceHostFileStart(const std::filesystem::path& path, std::span<const std::uint8_t> start);

}  // namespace kestrel::core
