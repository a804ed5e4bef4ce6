// TextModel: the text-mode rules written out plainly, byte by byte, as the
// fuzz harnesses' reference: what the engine must produce, computed without
// its buffers, its fills or its line reader.
//
//   reading: the data ends at the first 0x1A; each CR LF becomes LF; a lone
//            CR and every other byte (NUL included) pass unchanged.
//   writing: each LF becomes CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// What a text-mode read of bytes yields.
std::string ReadTextMode(std::string_view bytes);

// What a text-mode write of text puts on disk.
std::string WriteTextMode(std::string_view text);

// The lines of text (as read), each without its LF; a last line without LF
// counts when it is not empty.
std::vector<std::string> PhysicalLines(std::string_view text);

// The pieces a line reader with a limit of limitBytes + 1 hands out: at most
// limitBytes each, ending after an LF.
std::vector<std::string> Pieces(std::string_view text, std::size_t limitBytes);

// text cut to at most maxBytes without splitting a Shift-JIS double-byte
// character (lead bytes 0x81-0x9F and 0xE0-0xFC take the byte after them).
std::string ShiftJisPrefix(std::string_view text, std::size_t maxBytes);

// True when bytes holds no LF without a CR before it.
bool HasNoLoneLf(std::string_view bytes);
