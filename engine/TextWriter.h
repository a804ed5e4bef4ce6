// TextWriter: writes an open file in text mode.
//
// Every LF written reaches the file as CR LF; all other bytes pass unchanged.
// Output is gathered in one fixed buffer and written in large pieces, so a
// copy needs the same memory whatever the file size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "engine/FileSystem.h"

class TextWriter {
  public:
    static constexpr std::size_t kBufferBytes = std::size_t{64} * 1024;

    // Writes to file of fs, which stays owned by the caller.
    TextWriter(FileSystem& fs, const FileHandle& file);

    // Adds text, each LF as CR LF. Returns false once a write has failed (see
    // error()); later calls then write nothing.
    bool Write(std::string_view text);

    // Adds bytes already in text form, as they are. Returns false once a
    // write has failed (see error()).
    bool WriteUnchanged(std::string_view bytes);

    // Adds the first size bytes of source as they are, copied inside the
    // system (see CopyWithinSystem): bytes already in text form need no
    // translation. Call before anything is written. Returns false, with
    // nothing written, where the system cannot copy between the two files;
    // true otherwise, a failure then being in error().
    bool CopyUnchanged(const FileHandle& source, std::uint64_t size);

    // Writes out what is buffered. Returns false when a write failed.
    bool Flush();

    // The errno of the write that failed, 0 while every write succeeded.
    int error() const { return error_; }

  private:
    void Put(const char* data, std::size_t size);
    bool WriteBuffer();

    FileSystem& fs_;
    const FileHandle& file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    int error_ = 0;
};
