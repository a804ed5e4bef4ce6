// TextEncoding: the boundary between the dialog's Unicode texts and the
// engine's byte strings.
//
// Titles live in base files as Shift-JIS (code page 932) bytes and their
// limits count those bytes; folder texts go to the file system unchanged and
// their limits count its bytes (QFile::encodeName).
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

enum class TextEncoding { kShiftJis, kFileSystem };

// Returns the number of bytes text takes in encoding. A character that
// Shift-JIS cannot hold counts as its substitute.
qsizetype EncodedLength(const QString& text, TextEncoding encoding);

// Returns title as Shift-JIS bytes, or nullopt when a character of it has no
// Shift-JIS form (it would otherwise be written as a substitute).
std::optional<std::string> EncodeTitle(const QString& title);

// Returns the Shift-JIS bytes title as text; bytes that are no Shift-JIS
// character come out as U+FFFD.
QString DecodeTitle(std::string_view title);

// Returns a folder text or file name as the file system's bytes, and back.
std::string EncodePath(const QString& path);
QString DecodePath(std::string_view path);
