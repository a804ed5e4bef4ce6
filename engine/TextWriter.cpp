#include "engine/TextWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

TextWriter::TextWriter(FileSystem& fs, const FileHandle& file)
    : fs_(fs), file_(file), buffer_(new char[kBufferBytes]) {}

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

bool TextWriter::WriteUnchanged(std::string_view bytes) {
    Put(bytes.data(), bytes.size());
    return error_ == 0;
}

bool TextWriter::CopyUnchanged(const FileHandle& source, std::uint64_t size) {
    const int error = fs_.CopyWithinSystem(source, file_, size);
    if (error == EOPNOTSUPP) {
        return false;
    }
    error_ = error;
    return true;
}

bool TextWriter::Flush() {
    if (error_ == 0 && used_ > 0) {
        WriteBuffer();
    }
    return error_ == 0;
}

void TextWriter::Put(const char* data, std::size_t size) {
    while (size > 0 && error_ == 0) {
        if (used_ == kBufferBytes) {
            if (!WriteBuffer()) {
                return;
            }
        }
        const std::size_t part = std::min(size, kBufferBytes - used_);
        std::memcpy(buffer_.get() + used_, data, part);
        used_ += part;
        data += part;
        size -= part;
    }
}

bool TextWriter::WriteBuffer() {
    error_ = fs_.WriteAll(file_, buffer_.get(), used_);
    if (error_ == 0) {
        used_ = 0;
    }
    return error_ == 0;
}
