#include "core/folder_files.hpp"

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "core/atomic_file.hpp"
#include "core/data_root.hpp"
#include "core/host_file.hpp"

namespace fs = std::filesystem;

namespace kestrel::core {

namespace {

// Only a name of this folder itself: never one that walks out of it.
bool isPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

constexpr int kTemporaryAttempts = 64;

}  // namespace

std::unique_ptr<FolderFiles> FolderFiles::open(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        if (fd >= 0) ::close(fd);
        return nullptr;
    }
    const bool acl = ::fgetxattr(fd, "system.posix_acl_default", nullptr, 0) >= 0;
    return std::unique_ptr<FolderFiles>(new FolderFiles(fd, folder, st, acl));
}

FolderFiles::FolderFiles(int fd, fs::path path, const struct stat& folder, bool inheritsPermissions)
    : fd_(fd),
      path_(std::move(path)),
      newOwner_(::geteuid()),
      newGroup_((folder.st_mode & S_ISGID) ? folder.st_gid : ::getegid()),
      umask_(currentUmask()),
      inheritsPermissions_(inheritsPermissions),
      seed_(std::random_device{}()) {}

FolderFiles::~FolderFiles() {
    if (replaced_) ::fsync(fd_);  // the renames are done; a failure here changes nothing we can undo
    ::close(fd_);
}

std::optional<FolderFile> FolderFiles::read(const std::string& name, std::size_t maxBytes) const {
    if (!isPlainName(name)) return std::nullopt;
    FolderFile file{name, {}, std::nullopt, {}};
    // Opened for writing too: a success proves what the replacement needs.
    constexpr int kFlags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = ::openat(fd_, name.c_str(), kFlags);
    if (fd < 0 && errno == ENOENT) {
        const auto other = findNoCase(path_, name);
        if (!other) return std::nullopt;
        file.name = *other;
        fd = ::openat(fd_, file.name.c_str(), kFlags);
    }
    // A link, a file we may only read, a folder: read as any host file is,
    // and replaced the general way.
    const bool checked = fd >= 0;
    if (!checked) fd = ::openat(fd_, file.name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    auto bytes = ReadableFile::adopt(fd, static_cast<std::uint64_t>(st.st_size)).readUpTo(maxBytes);
    if (!bytes) return std::nullopt;
    file.bytes = std::move(*bytes);
    file.id = {st.st_dev, st.st_ino};
    if (checked) file.checked = st;
    return file;
}

bool FolderFiles::replace(const FolderFile& file) const {
    if (!isPlainName(file.name)) return false;
    return file.checked ? replaceChecked(file) : writeHostFileAtomic(path_ / file.name, file.bytes);
}

bool FolderFiles::replaceChecked(const FolderFile& file) const {
    std::string temporary = "." + file.name + ".tmp-";
    const int fd = createTemporary(temporary, file.checked->st_mode & 0777);
    if (fd < 0) return false;
    bool ok = takeOver(fd, *file.checked) && writeWhole(fd, file.bytes) && fileCalls().fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && fileCalls().renameat(fd_, temporary.c_str(), fd_, file.name.c_str()) == 0) {
        replaced_ = true;
        return true;
    }
    ::unlinkat(fd_, temporary.c_str(), 0);
    return false;
}

// The calls that would change nothing are left out: most replacements are
// of files this process made here.
bool FolderFiles::takeOver(int fd, const struct stat& old) const {
    const mode_t mode = old.st_mode & 07777;
    const bool sameMode = !inheritsPermissions_ && (mode & 07000) == 0 && (mode & umask_) == 0;
    if (old.st_uid == newOwner_ && old.st_gid == newGroup_) return sameMode || ::fchmod(fd, mode) == 0;
    return takeOverOwnerAndMode(fd, old);
}

// `name` holds the prefix and gets six letters or digits, new for each try.
int FolderFiles::createTemporary(std::string& name, mode_t mode) const {
    static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const std::size_t prefix = name.size();
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        std::uint64_t bits = (seed_ + made_.fetch_add(1)) * 0x9E3779B97F4A7C15ull;
        name.resize(prefix);
        for (int i = 0; i < 6; ++i, bits /= kLetters.size()) name += kLetters[bits % kLetters.size()];
        const int fd = ::openat(fd_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace kestrel::core
