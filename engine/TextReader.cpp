#include "engine/TextReader.h"

#include <algorithm>
#include <cstring>

#include "engine/TextForm.h"

namespace {

constexpr char kEndOfData = 0x1A;

// Writes one piece of a file as text: each LF without a CR before it (afterCr
// tells of the byte before the piece, and is updated) as CR LF, every other
// byte as it is. Returns false when the data ended (0x1A) or a write failed.
bool CopyPieceAsText(std::string_view piece, bool& afterCr, TextWriter& writer) {
    for (std::string_view rest = piece; !rest.empty();) {
        const std::size_t at = FirstOutOfForm(rest, afterCr);
        if (!writer.WriteUnchanged(rest.substr(0, at))) {
            return false;
        }
        if (at == rest.size()) {
            afterCr = rest.back() == '\r';
            return true;
        }
        if (rest[at] == kEndOfData || !writer.WriteUnchanged("\r\n")) {
            return false;
        }
        afterCr = false;
        rest.remove_prefix(at + 1);
    }
    return true;
}

}  // namespace

TextReader::TextReader(FileSystem& fs, const FileHandle& file)
    : fs_(fs), file_(file), buffer_(new char[kBufferBytes]) {}

std::string_view TextReader::Take(std::size_t maxBytes, bool stopAfterLf) {
    if (begin_ == end_ && !Fill()) {
        return {};
    }
    const char* data = buffer_.get() + begin_;
    std::size_t size = std::min(maxBytes, end_ - begin_);
    if (stopAfterLf) {
        if (const void* lf = std::memchr(data, '\n', size)) {
            size = static_cast<std::size_t>(static_cast<const char*>(lf) - data) + 1;
        }
    }
    begin_ += size;
    return {data, size};
}

std::size_t TextReader::ReadLine(char* out, std::size_t limit) {
    std::size_t stored = 0;
    while (stored + 1 < limit) {
        const std::string_view piece = Take(limit - 1 - stored, true);
        if (piece.empty()) {
            break;
        }
        std::memcpy(out + stored, piece.data(), piece.size());
        stored += piece.size();
        if (piece.back() == '\n') {
            break;
        }
    }
    return stored;
}

bool TextReader::SkipLine() {
    bool readAny = false;
    for (;;) {
        const std::string_view piece = Take(kBufferBytes, true);
        if (piece.empty()) {
            return readAny;
        }
        readAny = true;
        if (piece.back() == '\n') {
            return true;
        }
    }
}

bool TextReader::IsInTextForm(std::uint64_t& size) {
    TextFormCheck check;
    bool inForm = true;
    size = 0;
    for (std::size_t got = 1; inForm && got > 0; size += got) {
        if (const int error = fs_.ReadSome(file_, buffer_.get(), kBufferBytes, got)) {
            error_ = error;
            return false;
        }
        inForm = check.Add({buffer_.get(), got});
        if (!inForm && size == 0) {
            checked_ = got;  // the file's first bytes: CopyAsText starts from them
        }
    }
    return inForm;
}

void TextReader::CopyAsText(TextWriter& writer) {
    // Unless the check stopped in its first read, the file is read again
    // from its start.
    std::size_t got = checked_;
    checked_ = 0;
    if (got == 0) {
        if (const int error = fs_.Rewind(file_)) {
            error_ = error;
            return;
        }
    }
    for (bool afterCr = false;; got = 0) {
        if (got == 0) {
            if (const int error = fs_.ReadSome(file_, buffer_.get(), kBufferBytes, got)) {
                error_ = error;
                return;
            }
        }
        if (got == 0 || !CopyPieceAsText({buffer_.get(), got}, afterCr, writer)) {
            return;
        }
    }
}

// Refills the buffer until it holds translated bytes or the data has ended.
bool TextReader::Fill() {
    while (begin_ == end_ && !ended_) {
        begin_ = 0;
        end_ = 0;
        std::size_t start = 0;
        if (carriedCr_) {
            buffer_[0] = '\r';
            start = 1;
            carriedCr_ = false;
        }
        std::size_t got = 0;
        if (const int error =
                fs_.ReadSome(file_, buffer_.get() + start, kBufferBytes - start, got)) {
            error_ = error;
            ended_ = true;
            return false;
        }
        if (got == 0) {
            ended_ = true;  // a carried CR had no LF after it: it stays a lone CR
            end_ = start;
            break;
        }
        std::size_t size = start + got;
        if (const void* stop = std::memchr(buffer_.get() + start, kEndOfData, got)) {
            size = static_cast<std::size_t>(static_cast<const char*>(stop) - buffer_.get());
            ended_ = true;
        }
        Translate(size);
        // A CR that ends the fill may be the first half of a CR LF pair.
        if (!ended_ && end_ > 0 && buffer_[end_ - 1] == '\r') {
            carriedCr_ = true;
            --end_;
        }
    }
    return begin_ < end_;
}

// Turns each CR LF of the first size bytes into LF, in place.
void TextReader::Translate(std::size_t size) {
    char* const data = buffer_.get();
    char* const stop = data + size;
    char* in = static_cast<char*>(std::memchr(data, '\r', size));
    if (in == nullptr) {
        end_ = size;
        return;
    }
    char* out = in;
    while (in < stop) {
        // in points at a CR.
        if (in + 1 < stop && in[1] == '\n') {
            *out++ = '\n';
            in += 2;
        } else {
            *out++ = '\r';
            ++in;
        }
        char* next = static_cast<char*>(std::memchr(in, '\r', static_cast<std::size_t>(stop - in)));
        if (next == nullptr) {
            next = stop;
        }
        std::memmove(out, in, static_cast<std::size_t>(next - in));
        out += next - in;
        in = next;
    }
    end_ = static_cast<std::size_t>(out - data);
}
