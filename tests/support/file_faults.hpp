// Makes one system call of the atomic writer fail, and counts the syncs and
// renames it makes, for as long as the object lives.
#pragma once
#include <atomic>
#include <cerrno>
#include <optional>

#include "core/atomic_file.hpp"

namespace kestrel::testing {

class FileFaults {
public:
    enum class Call { Write, Fsync, Rename };

    explicit FileFaults(std::optional<Call> failing = std::nullopt, int error = EIO) {
        state().failing = failing;
        state().error = error;
        state().syncs = 0;
        state().renames = 0;
        core::fileCalls() = {fakeWrite, fakeFsync, fakeRenameAt};
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
        std::atomic<int> syncs = 0;  // counted on the import's writer threads too
        std::atomic<int> renames = 0;
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
    static int fakeRenameAt(int fromFolder, const char* from, int toFolder, const char* to) {
        ++state().renames;
        return fails(Call::Rename) ? -1 : core::systemFileCalls().renameat(fromFolder, from, toFolder, to);
    }
};

}  // namespace kestrel::testing
