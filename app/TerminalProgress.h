// TerminalProgress: the progress line fileutility-cli keeps on standard
// error while it is a terminal, and the stop that Ctrl+C sets.
#pragma once

#include <atomic>
#include <chrono>
#include <string>

#include "engine/OperationProgress.h"

class TerminalProgress : public OperationProgress {
  public:
    // Shows a line when show is set; stops once stop is set.
    TerminalProgress(const std::atomic<bool>& stop, bool show) : stop_(stop), show_(show) {}

    void Planned(std::size_t files, std::uint64_t bytes) override;
    void FileStarted(std::string_view name, std::uint64_t size) override;
    void FileAdvanced(std::uint64_t done) override;
    void FileEnded(const FileResult& result) override;
    bool StopRequested() override { return stop_.load(std::memory_order_relaxed); }

    // Ends the progress line, so that what follows starts on a line of its own.
    void Finish();

  private:
    void Show(bool now);

    const std::atomic<bool>& stop_;
    bool show_;
    std::size_t files_ = 0;
    std::uint64_t bytes_ = 0;
    std::size_t started_ = 0;
    std::uint64_t finishedBytes_ = 0;
    std::uint64_t currentSize_ = 0;
    std::uint64_t currentDone_ = 0;
    std::string current_;
    std::chrono::steady_clock::time_point shown_{};
    bool drawn_ = false;
};
