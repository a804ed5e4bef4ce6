// HeldFile: holds an operation on the fault file system when it opens one
// source file, until released or for at most a limit, so that a test or a
// screenshot can look at the run part-way.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

#include "tests/support/FaultFileSystem.h"

class HeldFile {
  public:
    // Holds at the source file whose path ends with name.
    HeldFile(FaultFileSystem& fs, std::string name, std::chrono::milliseconds limit);
    // True once the operation is held, waiting at most timeout.
    bool WaitUntilReached(std::chrono::milliseconds timeout);
    void Release();

  private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_reached = false;
    bool m_release = false;
};
