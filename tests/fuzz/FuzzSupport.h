// FuzzSupport: what the fuzz harnesses share: a scratch folder for the
// process's lifetime (each input is written to a file there, since the
// engine reads files) and a property check that stops the run with a
// message, which libFuzzer records as a crash with its input.
#pragma once

#include <string>
#include <string_view>

// A folder text (ending in "/") of a sub-folder of the process's scratch
// folder, created on first use.
std::string FuzzFolder(const std::string& name);

// Aborts with what, and the expected and actual bytes shown escaped, when
// holds is false.
void Check(bool holds, const char* what, std::string_view expected = {},
           std::string_view actual = {});
