// Subprocess: runs the programs the benchmark compares the engine with (cp,
// sync, unix2dos) and the benchmark itself for a measurement in a fresh
// process.
#pragma once

#include <sys/resource.h>

#include <string>
#include <vector>

// Starts argv[0] (looked up in PATH) with argv, its output to /dev/null, and
// waits for it. Returns its exit status, or -1 when it could not be started
// or did not exit normally. When usage is given it receives the child's
// resource usage (ru_maxrss in KiB).
int RunProgram(const std::vector<std::string>& argv, rusage* usage = nullptr);
