// SampleRandom: the generator's own pseudo-random numbers.
//
// The sample data must come out byte for byte the same for the same seed on
// every machine and standard library, so the generator uses this SplitMix64
// rather than the standard distributions, whose results are not fixed.
#pragma once

#include <cstddef>
#include <cstdint>

class SampleRandom {
  public:
    explicit SampleRandom(std::uint64_t seed) : state_(seed) {}

    // Returns the next 64 random bits. Never fails.
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Returns a number in [0, bound); bound must be above 0. The slight bias
    // of the modulo does not matter for invented data.
    std::size_t Below(std::size_t bound) { return static_cast<std::size_t>(Next() % bound); }

  private:
    std::uint64_t state_;
};
