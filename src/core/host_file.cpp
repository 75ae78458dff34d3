#include "core/host_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

namespace kestrel::core {

namespace {

void report(FileError* error, FileError value) {
    if (error) *error = value;
}

}  // namespace

std::optional<Bytes> ReadableFile::readUpTo(std::size_t maxBytes, FileError* error) {
    try {
        const std::uint64_t wanted = std::min<std::uint64_t>(length_, maxBytes);
        Bytes out(static_cast<std::size_t>(wanted));
        std::size_t done = 0;
        // The length may change under us; what was there is what we read.
        while (done < out.size()) {
            const long n = read(out.data() + done, out.size() - done);
            if (n < 0) {
                report(error, FileError::CannotRead);
                return std::nullopt;
            }
            if (n == 0) break;
            done += static_cast<std::size_t>(n);
        }
        out.resize(done);
        return out;
    } catch (const std::bad_alloc&) {
        report(error, FileError::OutOfMemory);
        return std::nullopt;
    }
}

std::string_view describe(FileError error) {
    switch (error) {
        case FileError::None: return "no error";
        case FileError::CannotOpen: return "cannot be opened";
        case FileError::NotRegularFile: return "not a regular file";
        case FileError::TooLarge: return "too large";
        case FileError::CannotRead: return "cannot be read";
        case FileError::OutOfMemory: return "not enough memory";
    }
    return "unknown error";
}

std::optional<ReadableFile> ReadableFile::open(const std::filesystem::path& path, FileError* error) {
    // O_NONBLOCK: opening a FIFO without a writer must not wait for one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        report(error, FileError::CannotOpen);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        report(error, FileError::NotRegularFile);
        return std::nullopt;
    }
    return ReadableFile(fd, static_cast<std::uint64_t>(st.st_size));
}

ReadableFile::ReadableFile(ReadableFile&& other) noexcept : fd_(other.fd_), length_(other.length_) {
    other.fd_ = -1;
}

ReadableFile::~ReadableFile() {
    if (fd_ >= 0) ::close(fd_);
}

long ReadableFile::read(std::uint8_t* into, std::size_t size) {
    while (true) {
        const ssize_t n = ::read(fd_, into, size);
        if (n < 0 && errno == EINTR) continue;
        return static_cast<long>(n);
    }
}

std::optional<Bytes> readHostFile(const std::filesystem::path& path, std::size_t maxBytes, FileError* error) {
    auto file = ReadableFile::open(path, error);
    if (!file) return std::nullopt;
    return file->readUpTo(maxBytes, error);
}

std::optional<Bytes> readWholeHostFile(const std::filesystem::path& path, std::uint64_t limit, FileError* error) {
    auto file = ReadableFile::open(path, error);
    if (!file) return std::nullopt;
    if (file->length() > limit) {
        report(error, FileError::TooLarge);
        return std::nullopt;
    }
    return file->readUpTo(static_cast<std::size_t>(file->length()), error);
}

std::optional<FileStart> readHostFileStart(const std::filesystem::path& path, std::size_t count, FileError* error) {
    auto file = ReadableFile::open(path, error);
    if (!file) return std::nullopt;
    auto bytes = file->readUpTo(count, error);
    if (!bytes) return std::nullopt;
    return FileStart{std::move(*bytes), file->length()};
}

}  // namespace kestrel::core
