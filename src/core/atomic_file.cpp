#include "core/atomic_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>

namespace fs = std::filesystem;

namespace kestrel::core {

namespace {

ssize_t systemWrite(int fd, const void* data, std::size_t size) { return ::write(fd, data, size); }
int systemFsync(int fd) { return ::fsync(fd); }
int systemRenameAt(int fromFolder, const char* from, int toFolder, const char* to) {
    return ::renameat(fromFolder, from, toFolder, to);
}

constexpr FileCalls kSystemCalls{systemWrite, systemFsync, systemRenameAt};
FileCalls gCalls = kSystemCalls;

constexpr std::size_t kCopyBlock = 1 << 16;

mode_t modeForNewFiles() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Where the bytes really go: the target, or what its symbolic links name.
std::optional<fs::path> realTarget(const fs::path& target) {
    std::error_code ec;
    const auto status = fs::symlink_status(target, ec);
    if (ec || !fs::is_symlink(status)) return target;
    fs::path real = fs::canonical(target, ec);  // a dangling link is refused
    if (ec) return std::nullopt;
    return real;
}

struct OldFile {
    bool exists = false;
    struct stat st {};
};

// The target as it is: absent, or a regular file that this process may write.
std::optional<OldFile> inspectTarget(const fs::path& target) {
    OldFile old;
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        struct stat st {};
        if (errno == ENOENT && ::lstat(target.c_str(), &st) != 0) return old;
        return std::nullopt;  // present but not writable by us, or not a file
    }
    const bool regular = ::fstat(fd, &old.st) == 0 && S_ISREG(old.st.st_mode);
    ::close(fd);
    if (!regular) return std::nullopt;
    old.exists = true;
    return old;
}

// A new file gets what the umask allows.
bool takeOver(int fd, const OldFile& old) {
    return old.exists ? takeOverOwnerAndMode(fd, old.st) : ::fchmod(fd, modeForNewFiles()) == 0;
}

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // the rename is done; a failure here changes nothing we can undo
    ::close(fd);
}

}  // namespace

bool takeOverOwnerAndMode(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)!::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

bool writeWhole(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = gCalls.write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

FileCalls& fileCalls() { return gCalls; }
const FileCalls& systemFileCalls() { return kSystemCalls; }

AtomicFile::AtomicFile(int fd, fs::path temporary, fs::path target)
    : fd_(fd), temporary_(std::move(temporary)), target_(std::move(target)) {}

std::unique_ptr<AtomicFile> AtomicFile::begin(const fs::path& requested) {
    const auto target = realTarget(requested);
    if (!target) return nullptr;
    const auto old = inspectTarget(*target);
    if (!old) return nullptr;
    std::string name = (target->parent_path() / ("." + target->filename().native() + ".tmp-XXXXXX")).native();
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return nullptr;
    if (!takeOver(fd, *old)) {
        ::close(fd);
        ::unlink(name.c_str());
        return nullptr;
    }
    return std::unique_ptr<AtomicFile>(new AtomicFile(fd, name, *target));
}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool AtomicFile::append(std::span<const std::uint8_t> bytes) {
    failed_ = failed_ || !writeWhole(fd_, bytes);
    return !failed_;
}

bool AtomicFile::commit(Sync sync) {
    const bool durable = sync == Sync::Durable;
    bool ok = !failed_ && (!durable || gCalls.fsync(fd_) == 0);
    ok = ::close(fd_) == 0 && ok;
    fd_ = -1;
    if (!ok || gCalls.renameat(AT_FDCWD, temporary_.c_str(), AT_FDCWD, target_.c_str()) != 0)
        return false;  // the destructor unlinks
    temporary_.clear();
    if (durable) syncFolder(target_.parent_path());
    return true;
}

bool writeHostFileAtomic(const fs::path& target, std::span<const std::uint8_t> bytes, Sync sync) {
    const auto file = AtomicFile::begin(target);
    return file && file->append(bytes) && file->commit(sync);
}

bool writeNewHostFile(const fs::path& target, std::span<const std::uint8_t> bytes) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = writeWhole(fd, bytes);
    ok = ::close(fd) == 0 && ok;
    if (!ok) ::unlink(target.c_str());
    return ok;
}

namespace {

// The source from where it stands to its end, less its first `skip` bytes.
bool appendRest(ReadableFile& source, AtomicFile& file, std::size_t skip, FileError* readError) {
    std::array<std::uint8_t, kCopyBlock> block{};
    while (true) {
        const long n = source.read(block.data(), block.size());
        if (n < 0) {
            if (readError) *readError = FileError::CannotRead;
            return false;
        }
        if (n == 0) return true;
        const auto got = static_cast<std::size_t>(n);
        const std::size_t skipped = std::min(skip, got);
        skip -= skipped;
        if (!file.append(std::span(block).first(got).subspan(skipped))) return false;
    }
}

}  // namespace

bool copyHostFileAtomic(const fs::path& from, const fs::path& to, std::uint64_t limit, FileError* readError) {
    auto source = ReadableFile::open(from, readError);
    if (!source) return false;
    if (source->length() > limit) {
        if (readError) *readError = FileError::TooLarge;
        return false;
    }
    const auto file = AtomicFile::begin(to);
    return file && appendRest(*source, *file, 0, readError) && file->commit();
}

bool replaceHostFileStart(const fs::path& path, std::span<const std::uint8_t> start) {
    auto source = ReadableFile::open(path);
    if (!source || source->length() < start.size()) return false;
    const auto file = AtomicFile::begin(path);
    return file && file->append(start) && appendRest(*source, *file, start.size(), nullptr) && file->commit();
}

}  // namespace kestrel::core
