#include "core/background_replacer.hpp"

#include <system_error>

namespace kestrel::core {

namespace {

// More would only queue up on the folder's lock.
constexpr int kWorkers = 2;
// The reader waits beyond this, so a whole root is never held in memory,
// and goes on when half of it is done, not at each replacement.
constexpr std::size_t kMostQueued = 512;

}  // namespace

BackgroundReplacer::BackgroundReplacer() {
    try {
        for (int i = 0; i < kWorkers; ++i) workers_.emplace_back([this] { work(); });
    } catch (const std::system_error&) {
        // Without threads the replacements are made as they are queued.
    }
}

BackgroundReplacer::~BackgroundReplacer() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    queued_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

void BackgroundReplacer::replace(std::shared_ptr<const FolderFiles> folder, FolderFile file) {
    queue([folder = std::move(folder), file = std::move(file)] { return folder->replace(file); });
}

void BackgroundReplacer::queue(std::function<bool()> write) {
    if (workers_.empty()) {
        outcomes_.push_back(write());
        ++taken_;
        ++done_;
        return;
    }
    {
        std::unique_lock lock(mutex_);
        if (jobs_.size() >= kMostQueued) room_.wait(lock, [this] { return jobs_.size() <= kMostQueued / 2; });
        jobs_.push_back(std::move(write));
        outcomes_.push_back(false);
    }
    queued_.notify_one();
}

void BackgroundReplacer::wait() {
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return done_ == outcomes_.size(); });
}

std::vector<bool> BackgroundReplacer::outcomes() {
    wait();
    const std::lock_guard lock(mutex_);
    return outcomes_;
}

void BackgroundReplacer::work() {
    std::unique_lock lock(mutex_);
    while (true) {
        queued_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) return;  // stopping, and nothing left
        std::function<bool()> job = std::move(jobs_.front());
        jobs_.pop_front();
        const std::size_t number = taken_++;
        const bool room = jobs_.size() == kMostQueued / 2;
        lock.unlock();
        if (room) room_.notify_one();
        const bool ok = job();
        job = {};  // a folder it holds may close, and sync, outside the lock
        lock.lock();
        outcomes_[number] = ok;
        if (++done_ == outcomes_.size()) finished_.notify_all();
    }
}

}  // namespace kestrel::core
