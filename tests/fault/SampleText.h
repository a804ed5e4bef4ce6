// SampleText: invented file contents for the fault tests. All of it is CR LF
// text without 0x1A, which a text-mode copy reproduces byte for byte, so a
// destination file can be compared with its source directly.
#pragma once

#include <cstddef>
#include <string>

// CR LF lines of printable bytes, at least bytes long, different for every
// seed: "<seed> line <n> ..." so that a mixed-up file shows where it came from.
std::string CrLfText(const std::string& seed, std::size_t bytes);

// A base file: 26 CR LF lines with title on line 23.
std::string BaseFileText(const std::string& title);
