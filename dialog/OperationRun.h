// OperationRun: an operation on a thread of its own, so that the
// user-interface thread stays free to show how far it has got and to take
// a request to stop.
//
// The operation's thread only writes what it has reached into a snapshot
// under a mutex, and the user-interface thread reads the snapshot when it
// likes (the progress window's timer). No window is touched from the
// operation's thread, so the one dialog logic is safe over both toolkits,
// and a fast copy pays a lock per block, not a message to a window.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "engine/DataFolder.h"

class FileSystem;

// How far an operation has got.
struct RunSnapshot {
    std::size_t files = 0;        // the files it will copy
    std::size_t filesEnded = 0;   // copied or not, those it is through with
    std::uint64_t bytes = 0;      // their size
    std::uint64_t bytesDone = 0;  // of the ended files and the current one
    std::string current;          // the file being copied (engine bytes)
    bool finished = false;
};

class OperationRun {
  public:
    // Starts RunOperation(fs, kind, ...) on a new thread.
    OperationRun(FileSystem& fs, int kind, std::string source, std::string destination,
                 std::string title);
    // Waits for the operation to end.
    ~OperationRun();
    OperationRun(const OperationRun&) = delete;
    OperationRun& operator=(const OperationRun&) = delete;

    // Waits at most timeout for the operation to end; true when it has.
    bool WaitFor(std::chrono::milliseconds timeout);

    RunSnapshot Snapshot() const;

    // Asks the operation to stop: between files, or inside a file between
    // blocks.
    void RequestStop() { m_stop = true; }

    // Waits for the operation to end and returns its report.
    OperationReport Finish();

  private:
    class Listener;

    void Run(FileSystem& fs, int kind, const std::string& source, const std::string& destination,
             const std::string& title);

    mutable std::mutex m_mutex;
    std::condition_variable m_finished;
    RunSnapshot m_snapshot;    // under m_mutex
    OperationReport m_report;  // written by the operation's thread before finished
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
};
