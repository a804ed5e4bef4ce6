// Cp932Title: turns a title typed in UTF-8 into the Shift-JIS (code page 932)
// bytes that a base file stores on line 23.
//
// The conversion is the system's own (iconv's CP932), so every character the
// code page holds is taken: kanji, kana, full-width and NEC special
// characters such as "①" alike. A title is one line: control characters are
// refused, since CR, LF or 0x1A would break the base file's lines.
#pragma once

#include <string>
#include <string_view>

// Converts utf8 to CP932 bytes in cp932. Returns 1 on success. Returns 0, with
// cp932 unchanged and a reason in *error (when given), when utf8 holds a
// control character, is not valid UTF-8, holds a character CP932 lacks, or
// the system has no CP932 converter.
int Utf8ToCp932(std::string_view utf8, std::string& cp932, std::string* error = nullptr);
