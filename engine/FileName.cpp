#include "engine/FileName.h"

#include <algorithm>

std::string FoldCase(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        c = FoldCase(c);
    }
    return folded;
}

bool EqualsFolded(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldCase(x) == FoldCase(y);
           });
}

namespace {

// Matches a pattern without "*" against a name of the same length.
bool MatchesFixed(std::string_view pattern, std::string_view name) {
    return std::equal(pattern.begin(), pattern.end(), name.begin(), name.end(),
                      [](char p, char n) { return p == '?' || FoldCase(p) == FoldCase(n); });
}

// The part of a match after the pattern's last "*" is fixed: it must end the
// name. Testing that first turns most names of a large folder away at once.
bool EndsAsPatternDoes(std::string_view pattern, std::string_view name) {
    const std::size_t lastStar = pattern.rfind('*');
    if (lastStar == std::string_view::npos) {
        return true;
    }
    const std::string_view tail = pattern.substr(lastStar + 1);
    return tail.size() <= name.size() && MatchesFixed(tail, name.substr(name.size() - tail.size()));
}

}  // namespace

// Greedy match that returns to the last "*" on a mismatch: linear for the
// catalogue's patterns, never exponential.
bool MatchesPattern(std::string_view pattern, std::string_view name) {
    if (!EndsAsPatternDoes(pattern, name)) {
        return false;
    }
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starAt = std::string_view::npos;
    std::size_t resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

std::string_view LiteralPrefix(std::string_view pattern) {
    return pattern.substr(0, std::min(pattern.find_first_of("*?"), pattern.size()));
}
