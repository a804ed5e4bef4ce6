// CountArgument: reading a whole number given on a bench program's command
// line.
#pragma once

#include <cstdint>
#include <cstdlib>

// Stores the decimal number text spells (digits only, nothing after them) in
// value and returns true; returns false and leaves value as it was otherwise.
inline bool ParseCount(const char* text, std::uint64_t& value) {
    char* end = nullptr;
    const unsigned long long parsed = std::strtoull(text, &end, 10);
    if (*text < '0' || *text > '9' || *end != '\0') {
        return false;
    }
    value = parsed;
    return true;
}
