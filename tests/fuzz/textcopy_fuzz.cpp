// Fuzzes the text-mode copy (CopyDataFile). Property: the destination holds
// the source's bytes up to its first 0x1A with every lone LF written as
// CR LF; so it never holds a lone LF or a 0x1A. A source already in that form
// is copied inside the system, any other translated: the check that chooses
// (TextFormCheck, given the source in two pieces split where the input says)
// must say "in form" exactly when the translation would change nothing, so
// both ways are held to the same result.
//
// Input: the first byte, when its top bit is set, puts a run of filler bytes
// before the rest, so that the interesting bytes land on the edge of the
// engine's 64 KiB read buffer (a CR LF pair split between two fills).
#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "Scratch.h"
#include "TextModel.h"
#include "engine/DataFolder.h"
#include "engine/TextForm.h"

namespace {

std::string SourceBytes(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return {};
    }
    std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    if ((data[0] & 0x80) == 0) {
        return rest;
    }
    const std::size_t filler = 64 * 1024 - (data[0] & 0x07);
    return std::string(filler, 'f') + rest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string src = FuzzFolder("src");
    static const std::string dst = FuzzFolder("dst");
    const std::string source = SourceBytes(data, size);
    Check(WriteBytes(src + "ZELCODB0.DAT", source), "the source file could be written");
    ::unlink((dst + "ZELCODB0.DAT").c_str());  // a new file each time: no flush per run

    Check(CopyDataFile("ZELCODB0.DAT", src, dst) == 1, "CopyDataFile returns 1");

    const std::string copied = ReadBytes(dst + "ZELCODB0.DAT");
    Check(copied.find('\x1A') == std::string::npos, "no 0x1A in the copy", "", copied);
    Check(HasNoLoneLf(copied), "no lone LF in the copy", "", copied);
    const std::string expected = WriteTextMode(ReadTextMode(source));
    Check(copied == expected, "the copy is the source up to 0x1A with lone LFs as CR LF", expected,
          copied);

    const std::size_t split = size > 1 ? data[size - 1] % source.size() : 0;
    TextFormCheck check;
    check.Add(std::string_view(source).substr(0, split));
    Check(check.Add(std::string_view(source).substr(split)) == (expected == source),
          "the source counts as in text form exactly when its copy equals it", source, expected);
    return 0;
}
