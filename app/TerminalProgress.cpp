#include "app/TerminalProgress.h"

#include "platform/Console.h"
#include "platform/TextEncoding.h"

namespace {

// A terminal redrawn more often than this only flickers.
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

void TerminalProgress::Planned(std::size_t files, std::uint64_t bytes) {
    m_files = files;
    m_bytes = bytes;
}

void TerminalProgress::FileStarted(std::string_view name, std::uint64_t size) {
    ++m_started;
    m_current = DecodePath(name);
    m_currentSize = size;
    m_currentDone = 0;
    Show(false);
}

void TerminalProgress::FileAdvanced(std::uint64_t done) {
    m_currentDone = done;
    Show(false);
}

void TerminalProgress::FileEnded(const FileResult&) {
    m_finishedBytes += m_currentSize;
    m_currentDone = 0;
}

void TerminalProgress::Finish() {
    if (m_drawn) {
        Show(true);
        WriteStandardError("\n");
    }
}

void TerminalProgress::Show(bool now) {
    const auto time = std::chrono::steady_clock::now();
    if (!m_show || (!now && time - m_shown < kRedrawInterval)) {
        return;
    }
    m_shown = time;
    m_drawn = true;
    const std::uint64_t done = m_finishedBytes + m_currentDone;
    const std::uint64_t percent = m_bytes == 0 ? 100 : done * 100 / m_bytes;
    // Clears to the line's end: a shorter name leaves nothing of a longer one.
    WriteStandardError("\r" + std::to_string(m_started) + " / " + std::to_string(m_files) +
                       " ファイル  " + std::to_string(percent) + "%  " + m_current + "\x1b[K");
}
