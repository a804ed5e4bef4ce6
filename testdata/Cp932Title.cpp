#include "Cp932Title.h"

#include "SampleError.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include <iconv.h>

namespace {

// An iconv descriptor, closed when it goes.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(::iconv_open(to, from)) {}
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() {
        if (valid()) {
            ::iconv_close(cd_);
        }
    }

    // iconv_open gives (iconv_t)-1 on failure.
    bool valid() const { return reinterpret_cast<std::intptr_t>(cd_) != -1; }
    iconv_t get() const { return cd_; }

  private:
    iconv_t cd_;
};

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

}  // namespace

int Utf8ToCp932(std::string_view utf8, std::string& cp932, std::string* error) {
    // In UTF-8 no byte of a longer sequence is below 0x80, so the bytes show
    // every control character.
    if (std::any_of(utf8.begin(), utf8.end(), IsControl)) {
        return FailWith(error, "the title holds a control character");
    }
    Converter converter("CP932", "UTF-8");
    if (!converter.valid()) {
        return FailWith(error, "the system has no CP932 converter");
    }
    std::string in(utf8);
    // Every UTF-8 character takes at least as many bytes as its CP932 code.
    std::string out(in.size(), '\0');
    char* inAt = in.data();
    std::size_t inLeft = in.size();
    char* outAt = out.data();
    std::size_t outLeft = out.size();
    if (::iconv(converter.get(), &inAt, &inLeft, &outAt, &outLeft) ==
        static_cast<std::size_t>(-1)) {
        const std::string at = " (at byte " + std::to_string(inAt - in.data()) + ")";
        return FailWith(error,
                        errno == EINVAL
                            ? "the title ends in a cut-off UTF-8 sequence" + at
                            : "the title is not UTF-8 or holds a character CP932 lacks" + at);
    }
    out.resize(out.size() - outLeft);
    cp932 = std::move(out);
    return 1;
}
