#include "engine/BaseFile.h"

#include <cerrno>

#include "engine/FileTransfer.h"
#include "engine/SourceFile.h"
#include "engine/TextReader.h"
#include "engine/TextWriter.h"

namespace {

constexpr std::string_view kTitleFileName = "ZELBAS00.DAT";
constexpr int kTitleLine = 23;
constexpr int kBaseFileLines = 26;

bool IsShiftJisLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Copies one physical line whole and ends it with LF, also when the source
// line lacks its LF or the source has ended (then the line is empty).
void CopyLine(TextReader& reader, TextWriter& writer) {
    for (;;) {
        const std::string_view piece = reader.Take(TextReader::kBufferBytes, true);
        if (piece.empty()) {
            writer.Write("\n");
            return;
        }
        writer.Write(piece);
        if (piece.back() == '\n') {
            return;
        }
    }
}

void WriteBaseLines(TextReader& reader, TextWriter& writer, std::string_view title) {
    for (int line = 1; line <= kBaseFileLines; ++line) {
        if (line == kTitleLine) {
            reader.SkipLine();
            writer.Write(TitleLine(title));
            writer.Write("\n");
        } else {
            CopyLine(reader, writer);
        }
    }
}

// Reads physical line kTitleLine of an open base file, cut to kMaxTitleBytes.
// Returns false when a read failed.
bool ReadTitleLine(FileSystem& fs, const FileHandle& file, std::string& title) {
    TextReader reader(fs, file);
    for (int line = 1; line < kTitleLine && reader.SkipLine(); ++line) {
    }
    // One byte beyond the limit tells a title that fills the field from a
    // longer one.
    char buffer[kMaxTitleBytes + 2];
    std::string_view line(buffer, reader.ReadLine(buffer, sizeof buffer));
    if (reader.error() != 0) {
        return false;
    }
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
    }
    title.assign(line.substr(0, ShiftJisCut(line, kMaxTitleBytes)));
    return true;
}

}  // namespace

std::string_view TitleLine(std::string_view title) {
    return title.substr(0, title.find_first_of(std::string_view("\r\n\x1A", 3)));
}

std::size_t ShiftJisCut(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text.size();
    }
    std::size_t at = 0;
    for (;;) {
        const std::size_t width = IsShiftJisLeadByte(text[at]) ? 2 : 1;
        if (at + width > maxBytes) {
            return at;
        }
        at += width;
    }
}

FileResult WriteBaseFileBetween(Folder& src, Folder& dst, std::string_view title) {
    // The source is asked by the spelling ReadTitle asks, so that the title
    // shown and the lines carried come from the same file.
    FileResult result = TransferFile(src, kTitleFileName, dst, kBaseFileName,
                                     [title](TextReader& reader, TextWriter& writer) {
                                         WriteBaseLines(reader, writer, title);
                                         return reader.error();
                                     });
    result.name = std::string(kBaseFileName);
    if (result.status == FileStatus::kAbsent) {
        result = {result.name, FileStatus::kSourceUnreadable, ENOENT};
    } else if (result.status == FileStatus::kNotRegular) {
        result = {result.name, FileStatus::kSourceUnreadable, EINVAL};
    }
    return result;
}

int ReadTitle(std::string_view folder, std::string& title) {
    FileSystem& fs = FileSystem::Default();
    Folder base(fs, folder);
    const auto location = base.Locate(kTitleFileName);
    if (!location || !location->exists) {
        return 0;
    }
    SourceFile file = OpenSourceFile(fs, location->path);
    std::string read;
    if (!file.opened() || !ReadTitleLine(fs, file.file, read)) {
        return 0;
    }
    title = std::move(read);
    return 1;
}

int WriteBaseFile(std::string_view srcFolder, std::string_view dstFolder, std::string_view title) {
    Folder src(FileSystem::Default(), srcFolder);
    Folder dst(FileSystem::Default(), dstFolder);
    return WriteBaseFileBetween(src, dst, title).status == FileStatus::kCopied ? 1 : 0;
}
