// Reading host files safely: opened without blocking, and read only when what
// was opened is a regular file, so a FIFO, a device or a folder is refused at
// once instead of hanging or streaming forever.
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "core/bytes.hpp"

namespace kestrel::core {

enum class FileError { None, CannotOpen, NotRegularFile, TooLarge, CannotRead, OutOfMemory };

// For messages: "not a regular file", "too large", ...
std::string_view describe(FileError error);

// At most `maxBytes` of the file from its start.
std::optional<Bytes> readHostFile(const std::filesystem::path& path, std::size_t maxBytes = SIZE_MAX,
                                  FileError* error = nullptr);

// The whole file, refused with TooLarge (and not read) when it holds more
// than `limit` bytes.
std::optional<Bytes> readWholeHostFile(const std::filesystem::path& path, std::uint64_t limit,
                                       FileError* error = nullptr);

struct FileStart {
    Bytes bytes;  // up to the asked count
    std::uint64_t length = 0;
};
std::optional<FileStart> readHostFileStart(const std::filesystem::path& path, std::size_t count,
                                           FileError* error = nullptr);

// A regular file opened for reading; closes on destruction.
class ReadableFile {
public:
    static std::optional<ReadableFile> open(const std::filesystem::path& path, FileError* error = nullptr);
    // Takes over a descriptor already known to name a regular file.
    static ReadableFile adopt(int fd, std::uint64_t length) { return ReadableFile(fd, length); }
    ReadableFile(ReadableFile&& other) noexcept;
    ReadableFile& operator=(ReadableFile&&) = delete;
    ~ReadableFile();

    std::uint64_t length() const { return length_; }
    // Up to `size` bytes; 0 at the end; -1 on a read error.
    long read(std::uint8_t* into, std::size_t size);
    // At most `maxBytes` from where the file stands.
    std::optional<Bytes> readUpTo(std::size_t maxBytes, FileError* error = nullptr);

private:
    ReadableFile(int fd, std::uint64_t length) : fd_(fd), length_(length) {}
    int fd_ = -1;
    std::uint64_t length_ = 0;
};

}  // namespace kestrel::core
