// Makes one system call of the atomic writer fail, and counts the syncs and
// renames it makes, for as long as the object lives.
#pragma once
#include <cerrno>
#include <optional>

#include "core/atomic_file.hpp"

namespace kestrel::testing {

class FileFaults {
public:
    enum class Call { Write, Fsync, Rename };

    explicit FileFaults(std::optional<Call> failing = std::nullopt, int error = EIO) {
        state() = {failing, error, 0, 0};
        core::fileCalls() = {fakeWrite, fakeFsync, fakeRename};
    }
    ~FileFaults() { core::fileCalls() = core::systemFileCalls(); }
    FileFaults(const FileFaults&) = delete;
    FileFaults& operator=(const FileFaults&) = delete;

    int syncs() const { return state().syncs; }
    int renames() const { return state().renames; }

private:
    struct State {
        std::optional<Call> failing;
        int error = EIO;
        int syncs = 0;
        int renames = 0;
    };
    static State& state() {
        static State s;
        return s;
    }
    static bool fails(Call call) {
        if (state().failing != call) return false;
        errno = state().error;
        return true;
    }
    static ssize_t fakeWrite(int fd, const void* data, std::size_t size) {
        return fails(Call::Write) ? -1 : core::systemFileCalls().write(fd, data, size);
    }
    static int fakeFsync(int fd) {
        ++state().syncs;
        return fails(Call::Fsync) ? -1 : core::systemFileCalls().fsync(fd);
    }
    static int fakeRename(const char* from, const char* to) {
        ++state().renames;
        return fails(Call::Rename) ? -1 : core::systemFileCalls().rename(from, to);
    }
};

}  // namespace kestrel::testing
