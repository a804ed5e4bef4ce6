// TextWriter: writes an open file in text mode.
//
// Every LF written reaches the file as CR LF; all other bytes pass unchanged.
// Output is gathered in one fixed buffer and written in large pieces, so a
// copy needs the same memory whatever the file size.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "engine/FileSystem.h"

class TextWriter {
  public:
    static constexpr std::size_t kBufferBytes = std::size_t{64} * 1024;

    // Writes to file, which stays owned by the caller.
    explicit TextWriter(const FileHandle& file);

    // Adds text, each LF as CR LF. Returns false once a write has failed (see
    // error()); later calls then write nothing.
    bool Write(std::string_view text);

    // Writes out what is buffered. Returns false when a write failed.
    bool Flush();

    // The errno of the write that failed, 0 while every write succeeded.
    int error() const { return error_; }

  private:
    void Put(const char* data, std::size_t size);
    bool WriteBuffer();

    const FileHandle& file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    int error_ = 0;
};
