// FlushBehind: flushes written files on a thread of its own, so that the disk
// works on one file while the next is read and translated (Windows, where a
// volume flush needs administrator rights and every file is flushed alone).
//
// Add hands over a handle of a complete file, which the worker flushes and
// closes. Wait blocks until every file handed over so far is flushed and
// closed, and returns the errno of the first flush or close that failed
// since the last Wait (0 when none did).
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>

class FlushBehind {
  public:
    using Flush = int (*)(std::intptr_t handle);  // flushes and closes; 0 or the errno

    explicit FlushBehind(Flush flush) : flush_(flush) {}
    FlushBehind(const FlushBehind&) = delete;
    FlushBehind& operator=(const FlushBehind&) = delete;

    void Add(std::intptr_t handle);
    [[nodiscard]] int Wait();

  private:
    void Work();

    const Flush flush_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::intptr_t> queue_;
    bool working_ = false;  // a worker thread is running
    bool busy_ = false;     // it is flushing a file taken from the queue
    int error_ = 0;
};
