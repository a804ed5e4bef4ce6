// WideText: the framework's UTF-8 texts as the UTF-16 of the Win32 calls,
// and back.
#pragma once

#include <string>
#include <string_view>

// Returns text in UTF-16; a byte that is no UTF-8 comes out as U+FFFD.
std::wstring Widen(std::string_view text);

// Returns wide in UTF-8; a lone surrogate comes out as U+FFFD.
std::string Narrow(std::wstring_view wide);
