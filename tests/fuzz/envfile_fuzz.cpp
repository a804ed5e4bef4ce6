// Fuzzes the environment-file reader. Property: g_szDataPath ends as the
// value of the last "[PATH]" piece: the file is read in text mode in pieces
// of at most 255 bytes (ending after an LF); a piece whose first six bytes
// are "[PATH]" (letters in any case) gives the rest after its seventh byte,
// without the LF, up to any NUL. Without such a piece g_szDataPath stays as
// it was.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "Scratch.h"
#include "TextModel.h"
#include "config/EnvFile.h"

namespace {

bool IsPathKey(std::string_view piece) {
    constexpr std::string_view kKey = "[path]";
    if (piece.size() < kKey.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kKey.size(); ++i) {
        char c = piece[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != kKey[i]) {
            return false;
        }
    }
    return true;
}

// The value the last "[PATH]" piece sets, or before when there is none.
std::string ExpectedPath(std::string_view bytes, const std::string& before) {
    std::string path = before;
    for (std::string piece : Pieces(ReadTextMode(bytes), 255)) {
        if (piece.back() == '\n') {
            piece.pop_back();
        }
        if (IsPathKey(piece)) {
            const std::string value = piece.size() > 7 ? piece.substr(7) : "";
            path = value.substr(0, value.find('\0'));
        }
    }
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string file = FuzzFolder("env") + "zeldefs8.env";
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Check(WriteBytes(file, bytes), "the environment file could be written");
    const std::string before = "<before>";
    g_szDataPath = before;

    Check(LoadEnvFile(file.c_str()) == 1, "LoadEnvFile returns 1 on a readable file");

    const std::string expected = ExpectedPath(bytes, before);
    Check(g_szDataPath == expected, "g_szDataPath is the last [PATH] piece's value", expected,
          g_szDataPath);
    return 0;
}
