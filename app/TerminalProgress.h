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
    TerminalProgress(const std::atomic<bool>& stop, bool show) : m_stop(stop), m_show(show) {}

    void Planned(std::size_t files, std::uint64_t bytes) override;
    void FileStarted(std::string_view name, std::uint64_t size) override;
    void FileAdvanced(std::uint64_t done) override;
    void FileEnded(const FileResult& result) override;
    bool StopRequested() override { return m_stop.load(std::memory_order_relaxed); }

    // Ends the progress line, so that what follows starts on a line of its own.
    void Finish();

  private:
    void Show(bool now);

    const std::atomic<bool>& m_stop;
    bool m_show;
    std::size_t m_files = 0;
    std::uint64_t m_bytes = 0;
    std::size_t m_started = 0;
    std::uint64_t m_finishedBytes = 0;
    std::uint64_t m_currentSize = 0;
    std::uint64_t m_currentDone = 0;
    std::string m_current;
    std::chrono::steady_clock::time_point m_shown{};
    bool m_drawn = false;
};
