#include "engine/TextForm.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// Sixteen bytes compared at once (SSE2 on x86-64), since most of a data
// file's bytes break nothing; each lane of a comparison is 0 or all ones.
using Lanes = unsigned char __attribute__((vector_size(16)));
constexpr std::size_t kLanes = sizeof(Lanes);

bool BreaksForm(char byte, char before) {
    return byte == 0x1A || (byte == '\n' && before != '\r');
}

}  // namespace

std::size_t FirstOutOfForm(std::string_view bytes, bool afterCr) {
    const char* const data = bytes.data();
    const std::size_t size = bytes.size();
    if (size == 0 || BreaksForm(data[0], afterCr ? '\r' : '\0')) {
        return 0;
    }
    // From the second byte on, the byte before each is in bytes too.
    std::size_t at = 1;
    for (; at + kLanes <= size; at += kLanes) {
        Lanes word;
        Lanes before;
        std::memcpy(&word, data + at, kLanes);
        std::memcpy(&before, data + at - 1, kLanes);
        const auto broken = ((word == '\n') & (before != '\r')) | (word == 0x1A);
        std::uint64_t halves[2];
        std::memcpy(halves, &broken, kLanes);
        if ((halves[0] | halves[1]) != 0) {
            const int bit =
                halves[0] != 0 ? std::countr_zero(halves[0]) : 64 + std::countr_zero(halves[1]);
            return at + static_cast<std::size_t>(bit) / 8;  // lanes in memory order
        }
    }
    for (; at < size; ++at) {
        if (BreaksForm(data[at], data[at - 1])) {
            return at;
        }
    }
    return size;
}

bool TextFormCheck::Add(std::string_view bytes) {
    if (inForm_ && !bytes.empty()) {
        inForm_ = FirstOutOfForm(bytes, afterCr_) == bytes.size();
        afterCr_ = bytes.back() == '\r';
    }
    return inForm_;
}
