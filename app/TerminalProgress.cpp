#include "app/TerminalProgress.h"

#include "platform/Console.h"
#include "platform/TextEncoding.h"

namespace {

// A terminal redrawn more often than this only flickers.
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

void TerminalProgress::Planned(std::size_t files, std::uint64_t bytes) {
    files_ = files;
    bytes_ = bytes;
}

void TerminalProgress::FileStarted(std::string_view name, std::uint64_t size) {
    ++started_;
    current_ = DecodePath(name);
    currentSize_ = size;
    currentDone_ = 0;
    Show(false);
}

void TerminalProgress::FileAdvanced(std::uint64_t done) {
    currentDone_ = done;
    Show(false);
}

void TerminalProgress::FileEnded(const FileResult&) {
    finishedBytes_ += currentSize_;
    currentDone_ = 0;
}

void TerminalProgress::Finish() {
    if (drawn_) {
        Show(true);
        WriteStandardError("\n");
    }
}

void TerminalProgress::Show(bool now) {
    const auto time = std::chrono::steady_clock::now();
    if (!show_ || (!now && time - shown_ < kRedrawInterval)) {
        return;
    }
    shown_ = time;
    drawn_ = true;
    const std::uint64_t done = finishedBytes_ + currentDone_;
    const std::uint64_t percent = bytes_ == 0 ? 100 : done * 100 / bytes_;
    // Clears to the line's end: a shorter name leaves nothing of a longer one.
    WriteStandardError("\r" + std::to_string(started_) + " / " + std::to_string(files_) +
                       " ファイル  " + std::to_string(percent) + "%  " + current_ + "\x1b[K");
}
