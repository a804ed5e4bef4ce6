// FileName: comparing and matching file names the way the family's platform
// does, on a file system that tells letter case apart.
//
// Only the letters A to Z and a to z fold; every other byte (Shift-JIS bytes,
// 0xFF, punctuation) compares as itself.
#pragma once

#include <string>
#include <string_view>

// Returns c with A to Z turned into a to z. Inline: it runs for every byte
// of every name a pattern is matched against.
inline char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Returns name with A to Z turned into a to z.
std::string FoldCase(std::string_view name);

// True when a and b are equal without regard to case.
bool EqualsFolded(std::string_view a, std::string_view b);

// True when name matches pattern without regard to case: "*" matches any run
// of bytes (also none), "?" exactly one byte, every other byte itself. A dot
// is an ordinary byte: "*.ZEL" matches ".zel", "*.SP?" does not match "x.sp".
bool MatchesPattern(std::string_view pattern, std::string_view name);

// The bytes of pattern before its first "*" or "?", the part every match
// starts with.
std::string_view LiteralPrefix(std::string_view pattern);
