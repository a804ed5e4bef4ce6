#include "engine/TextWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <unistd.h>

TextWriter::TextWriter(int fd) : fd_(fd), buffer_(new char[kBufferBytes]) {}

bool TextWriter::Write(std::string_view text) {
    const char* next = text.data();
    const char* const stop = next + text.size();
    while (next < stop && error_ == 0) {
        const auto* lf = static_cast<const char*>(
            std::memchr(next, '\n', static_cast<std::size_t>(stop - next)));
        const char* lineEnd = lf != nullptr ? lf : stop;
        Put(next, static_cast<std::size_t>(lineEnd - next));
        if (lf == nullptr) {
            break;
        }
        Put("\r\n", 2);
        next = lf + 1;
    }
    return error_ == 0;
}

bool TextWriter::Flush() {
    if (error_ == 0 && used_ > 0 && WriteAll(buffer_.get(), used_)) {
        used_ = 0;
    }
    return error_ == 0;
}

void TextWriter::Put(const char* data, std::size_t size) {
    while (size > 0 && error_ == 0) {
        if (used_ == kBufferBytes) {
            if (!WriteAll(buffer_.get(), used_)) {
                return;
            }
            used_ = 0;
        }
        const std::size_t part = std::min(size, kBufferBytes - used_);
        std::memcpy(buffer_.get() + used_, data, part);
        used_ += part;
        data += part;
        size -= part;
    }
}

bool TextWriter::WriteAll(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            error_ = written < 0 ? errno : EIO;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}
