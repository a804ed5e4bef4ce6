#include "engine/FlushBehind.h"

#include <chrono>
#include <thread>

namespace {

// A worker with nothing to do waits this long for the next file before it
// ends, so that a run of files keeps one thread.
constexpr auto kIdleWait = std::chrono::seconds(1);

}  // namespace

void FlushBehind::Add(std::intptr_t handle) {
    std::lock_guard lock(mutex_);
    queue_.push_back(handle);
    if (!working_) {
        working_ = true;
        // Detached: it ends on its own once idle, and Wait needs only the
        // queue, so a program may end while the worker still waits for work.
        std::thread([this] { Work(); }).detach();
    }
    changed_.notify_all();
}

int FlushBehind::Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.empty() && !busy_; });
    const int error = error_;
    error_ = 0;
    return error;
}

void FlushBehind::Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (queue_.empty() &&
            !changed_.wait_for(lock, kIdleWait, [this] { return !queue_.empty(); })) {
            working_ = false;
            return;
        }
        const std::intptr_t handle = queue_.front();
        queue_.pop_front();
        busy_ = true;
        lock.unlock();
        const int error = flush_(handle);
        lock.lock();
        busy_ = false;
        if (error_ == 0) {
            error_ = error;
        }
        changed_.notify_all();
    }
}
