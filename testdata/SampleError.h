// SampleError: how the sample generator hands back a failure: the result 0
// and, when the caller asked for it, a reason in words.
#pragma once

#include <string>
#include <utility>

// Stores reason in *error when error is given; returns 0 for the caller to
// return in turn.
inline int FailWith(std::string* error, std::string reason) {
    if (error != nullptr) {
        *error = std::move(reason);
    }
    return 0;
}
