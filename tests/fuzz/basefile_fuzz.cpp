// Fuzzes the title reader and the base-file writer on base files of any
// content. Properties: ReadTitle gives physical line 23, cut to 50 bytes at a
// Shift-JIS boundary; WriteBaseFile writes exactly 26 CR LF lines: source
// lines 1 to 22 and 24 to 26 whole (missing ones empty) and the title on
// line 23, cut before any CR, LF or 0x1A.
//
// Input: the first byte gives the title's length (up to 63 bytes), the title
// follows, the rest is the source base file.
#include <unistd.h>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "Scratch.h"
#include "TextModel.h"
#include "engine/DataFolder.h"

namespace {

constexpr std::size_t kLines = 26;
constexpr std::size_t kTitleLine = 23;

std::string ExpectedBaseFile(const std::vector<std::string>& source, std::string_view title) {
    std::string text;
    for (std::size_t line = 1; line <= kLines; ++line) {
        if (line == kTitleLine) {
            text += title.substr(0, title.find_first_of(std::string_view("\r\n\x1A", 3)));
        } else if (line <= source.size()) {
            text += source[line - 1];
        }
        text += '\n';
    }
    return WriteTextMode(text);
}

std::size_t CrLfLines(std::string_view bytes) {
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = bytes.find("\r\n", at)) != std::string_view::npos; at += 2) {
        ++lines;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string src = FuzzFolder("src");
    static const std::string dst = FuzzFolder("dst");
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t titleBytes = size == 0 ? 0 : std::min<std::size_t>(data[0] & 0x3F, size - 1);
    const std::string title(input.substr(size == 0 ? 0 : 1, titleBytes));
    const std::string source(input.substr(size == 0 ? 0 : 1 + titleBytes));
    Check(WriteBytes(src + "ZELBAS00.DAT", source), "the source base file could be written");
    ::unlink((dst + "zelbas00.dat").c_str());

    const std::vector<std::string> lines = PhysicalLines(ReadTextMode(source));
    std::string read = "unchanged";
    Check(ReadTitle(src, read) == 1, "ReadTitle returns 1 on an existing base file");
    const std::string line23 = lines.size() >= kTitleLine ? lines[kTitleLine - 1] : "";
    Check(read == ShiftJisPrefix(line23, 50), "ReadTitle gives line 23 cut to 50 bytes",
          ShiftJisPrefix(line23, 50), read);

    Check(WriteBaseFile(src, dst, title) == 1, "WriteBaseFile returns 1");
    const std::string written = ReadBytes(dst + "zelbas00.dat");
    const std::string expected = ExpectedBaseFile(lines, title);
    Check(written == expected, "the base file carries lines 1-22 and 24-26 and the title", expected,
          written);
    Check(HasNoLoneLf(written) && CrLfLines(written) == kLines && written.size() >= 2 &&
              written.substr(written.size() - 2) == "\r\n",
          "exactly 26 CR LF lines", "", written);
    return 0;
}
