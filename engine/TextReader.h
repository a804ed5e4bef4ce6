// TextReader: reads an open file in text mode.
//
// The data files of a data folder are read as the family's platform reads
// text: each CR LF pair arrives as one LF (also when the pair straddles two
// buffer fills), a lone CR passes unchanged, and the first byte 0x1A ends the
// data. Every other byte, NUL included, is data. The reader works through one
// fixed buffer, so its memory does not grow with the file or the line length.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "engine/FileSystem.h"
#include "engine/TextWriter.h"

class TextReader {
  public:
    // Size of the buffer a reader fills with one read.
    static constexpr std::size_t kBufferBytes = std::size_t{64} * 1024;

    // Reads from file of fs, which stays owned by the caller.
    TextReader(FileSystem& fs, const FileHandle& file);

    // Returns the next translated bytes, at most maxBytes, stopping after the
    // first LF when stopAfterLf is set. The view stays valid until the next
    // call. An empty view means the data has ended (or a read failed: see
    // error()).
    std::string_view Take(std::size_t maxBytes, bool stopAfterLf);

    // Reads one line as fgets does: at most limit - 1 bytes into out,
    // stopping after an LF. Returns the number of bytes stored; 0 at the end
    // of the data. out receives no terminating NUL.
    std::size_t ReadLine(char* out, std::size_t limit);

    // Reads and drops the rest of the current line, LF included. Returns false
    // when the data had already ended.
    bool SkipLine();

    // Reads the file, untranslated, until it ends or a byte shows that it is
    // not already in text form (see TextForm.h); size then holds its length.
    // Call before anything is taken; only CopyAsText may follow. Returns false
    // when it is not, or when a read failed (see error()).
    bool IsInTextForm(std::uint64_t& size);

    // The file read from, and its file system.
    const FileHandle& file() const { return file_; }
    FileSystem& fileSystem() const { return fs_; }

    // Copies the file from its start (call before anything is taken, or
    // after IsInTextForm, whose last read it uses when that was its first) to
    // writer in one pass: the same bytes that Take and writer.Write would
    // write, but each CR LF passes as it is instead of becoming LF and CR LF
    // again. A failed read is in error(), a failed write in writer.error().
    void CopyAsText(TextWriter& writer);

    // The errno of the read that failed, 0 while every read succeeded.
    int error() const { return error_; }

  private:
    bool Fill();
    void Translate(std::size_t size);

    FileSystem& fs_;
    const FileHandle& file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;   // next byte to hand out
    std::size_t end_ = 0;     // end of the translated bytes
    bool carriedCr_ = false;  // a CR at the end of a fill waits for the next byte
    bool ended_ = false;
    std::size_t checked_ = 0;  // the file's first bytes, left in the buffer by IsInTextForm
    int error_ = 0;
};
