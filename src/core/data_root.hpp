// Every file the editor touches goes through the data root. Paths are written
// as the game writes them: backslash separated, any case, relative to the root.
#pragma once
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/bytes.hpp"
#include "core/host_file.hpp"

namespace kestrel::core {

class FolderFiles;

class DataRoot {
public:
    explicit DataRoot(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }

    // The host path for a game path: each component that exists in any case is
    // taken as it exists, the rest as written. Empty when the path would leave
    // the root (absolute, drive letter, "..") or names nothing.
    std::optional<std::filesystem::path> resolve(std::string_view path) const;

    bool isFile(std::string_view path) const;
    bool isDirectory(std::string_view path) const;

    // The whole file, or at most maxBytes of it; empty when it cannot be opened
    // or is not a regular file.
    std::optional<Bytes> read(std::string_view path, std::size_t maxBytes = SIZE_MAX) const;

    // Replaces the file whole: temporary file in the same folder, sync, rename.
    // A failure leaves any old file untouched; a file this process may not
    // write is not replaced. The new file keeps the old one's mode and owner.
    bool writeAtomic(std::string_view path, std::span<const std::uint8_t> bytes) const;
    // Replaces the first bytes of an existing file and keeps the rest, however
    // long, in the same way.
    bool replaceStart(std::string_view path, std::span<const std::uint8_t> start) const;

    // A folder opened once, to read and replace many of its files; nothing
    // when it is no folder.
    std::unique_ptr<FolderFiles> openFolder(std::string_view path) const;

    // Copies a file of the root (or any host file) over the target, atomically
    // and in blocks. A source longer than `limit` bytes is refused unread.
    bool copy(std::string_view from, std::string_view to) const;
    bool copyFromHost(const std::filesystem::path& from, std::string_view to, std::uint64_t limit = UINT64_MAX,
                      FileError* readError = nullptr) const;

    bool remove(std::string_view path) const;

    // Creates one folder; an existing folder is no failure.
    bool makeDirectory(std::string_view path) const;

    // Regular files in the pattern's folder whose names match its last
    // component ("CITY\*.CIT"), in case-insensitive order.
    std::vector<std::string> listFiles(std::string_view pattern) const;
    // Sub-folders of a folder, in case-insensitive order.
    std::vector<std::string> listDirectories(std::string_view folder) const;

private:
    std::filesystem::path root_;
};

// The entry of `dir` named `name` in any case: an exact match wins, otherwise
// the first match in case-insensitive order, so the choice is reproducible.
std::optional<std::string> findNoCase(const std::filesystem::path& dir, const std::string& name);

// Splits a game path into its components; empty when a component is refused.
std::optional<std::vector<std::string>> splitGamePath(std::string_view path);

// A name that a Windows file system accepts as one plain file name.
bool isPortableFileName(std::string_view name);

}  // namespace kestrel::core
