// Timing: wall-clock time of one step and the median of several runs.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// Runs step once and returns the seconds it took.
template <typename Step>
double SecondsOf(Step&& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The median of samples (the mean of the middle two for an even count); 0 for
// none.
inline double Median(std::vector<double> samples) {
    if (samples.empty()) {
        return 0;
    }
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 == 1 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}
