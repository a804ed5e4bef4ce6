// StringTable: the program's string resources.
#pragma once

#include <string_view>

// Returns the UTF-8 text of string resource id, or the empty text when there
// is none.
std::string_view LoadResourceString(int id);
