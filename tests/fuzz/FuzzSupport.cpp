#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

#include "Scratch.h"

namespace {

std::string Escaped(std::string_view bytes) {
    std::string text;
    for (const char c : bytes.substr(0, 400)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            text += c;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            text += hex;
        }
    }
    return bytes.size() > 400 ? text + "..." : text;
}

}  // namespace

std::string FuzzFolder(const std::string& name) {
    static const Scratch scratch;
    return scratch.Folder(name);
}

void Check(bool holds, const char* what, std::string_view expected, std::string_view actual) {
    if (holds) {
        return;
    }
    std::fprintf(stderr, "property failed: %s\n  expected: %s\n  actual:   %s\n", what,
                 Escaped(expected).c_str(), Escaped(actual).c_str());
    std::abort();
}
