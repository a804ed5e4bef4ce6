// WideText (Windows only): the program's UTF-8 texts as the UTF-16 of the
// Win32 calls, and back, for the engine and the dialog framework alike.
//
// Names that reach the file system must convert exactly: a text that is no
// UTF-8 names no file, and a listed name with a lone surrogate has no text
// that could reach it again. Texts shown to the user convert leniently.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// text in UTF-16, or nullopt when text is not UTF-8.
std::optional<std::wstring> WidenExactly(std::string_view text);

// wide in UTF-8, or nullopt when it holds a lone surrogate.
std::optional<std::string> NarrowExactly(std::wstring_view wide);

// text in UTF-16; a byte that is no UTF-8 comes out as U+FFFD.
std::wstring Widen(std::string_view text);

// wide in UTF-8; a lone surrogate comes out as U+FFFD.
std::string Narrow(std::wstring_view wide);
