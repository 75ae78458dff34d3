// Replacements made on two threads while the caller reads on. Creating and
// renaming files is most of the time of an import that rewrites a whole data
// root, and the system takes them side by side.
#pragma once
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "core/folder_files.hpp"

namespace kestrel::core {

class BackgroundReplacer {
public:
    BackgroundReplacer();
    // Waits for what was queued.
    ~BackgroundReplacer();
    BackgroundReplacer(const BackgroundReplacer&) = delete;
    BackgroundReplacer& operator=(const BackgroundReplacer&) = delete;

    // Queues `file` to be put in its place; the folder stays open until then.
    void replace(std::shared_ptr<const FolderFiles> folder, FolderFile file);
    // Queues any write that tells whether it succeeded.
    void queue(std::function<bool()> write);
    // Returns once every replacement queued so far is done.
    void wait();
    // Whether each replacement succeeded, in the order queued; waits first.
    std::vector<bool> outcomes();

private:
    void work();

    std::mutex mutex_;
    std::condition_variable queued_;
    std::condition_variable finished_;
    std::condition_variable room_;
    std::deque<std::function<bool()>> jobs_;  // taken from the front
    std::size_t taken_ = 0;
    std::size_t done_ = 0;
    std::vector<bool> outcomes_;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace kestrel::core
