// Runs a check in a child process that has given up root, so permission
// rules hold for it. Without root the check runs in this process.
#pragma once
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

namespace kestrel::testing {

inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNogroup = 65534;

inline bool runningAsRoot() { return ::geteuid() == 0; }

// Gives the tree to the unprivileged user the check runs as.
inline void handOver(const std::filesystem::path& tree) {
    if (!runningAsRoot()) return;
    (void)!::chown(tree.c_str(), kNobody, kNogroup);
    for (const auto& e : std::filesystem::recursive_directory_iterator(tree))
        (void)!::lchown(e.path().c_str(), kNobody, kNogroup);
}

// The check's answer; false when the child could not drop root.
inline bool asOtherUser(const std::function<bool()>& check) {
    if (!runningAsRoot()) return check();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(kNogroup) == 0 && ::setuid(kNobody) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace kestrel::testing
