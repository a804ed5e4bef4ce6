// UniqueFd: owns one open file descriptor and closes it when it goes out of
// scope, so every early return of a copy releases what it opened.
//
// Close() hands back close()'s result for the writers that must not ignore it.
#pragma once

#include <unistd.h>

class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            Reset();
            fd_ = other.fd_;
            other.fd_ = -1;
        }
        return *this;
    }
    ~UniqueFd() { Reset(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    // Closes the descriptor. Returns 0 on success (or when none was open),
    // -1 with errno set when close() failed.
    int Close() {
        if (fd_ < 0) {
            return 0;
        }
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd);
    }

  private:
    void Reset() {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }

    int fd_ = -1;
};
