// Cp932Title: turns a title typed in UTF-8 into the Shift-JIS (code page 932)
// bytes that a base file stores on line 23.
//
// The sample generator only needs titles such as "令和８年度　みどり台市立
// ひばり中学校", so it knows a small set of characters rather than the whole
// code page: printable ASCII, the ideographic space, "・" and "ー", hiragana,
// katakana, full-width digits and Latin letters, and the kanji that school
// names and year eras commonly use (see the table in Cp932Title.cpp).
#pragma once

#include <string>
#include <string_view>

// Converts utf8 to CP932 bytes in cp932. Returns 1 on success. Returns 0, with
// cp932 unchanged and a reason in *error (when given), when utf8 is not valid
// UTF-8 or holds a character outside the known set.
int Utf8ToCp932(std::string_view utf8, std::string& cp932, std::string* error = nullptr);
