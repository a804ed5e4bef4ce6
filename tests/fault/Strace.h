// Strace: runs the fault driver under strace, to watch its system calls or to
// make one of them fail (-e inject=...).
//
// strace counts an injection's "when=N" over every call of that syscall in
// the process, the dynamic loader's and the sanitizers' included. So a test
// first traces a dry run on the same fixture and finds the number of the
// call it means (say, the 2nd write to a file of the destination folder);
// the run made then is the same up to that call.
#pragma once

#include <string>
#include <vector>

#include "Driver.h"

// One system call from strace's log (run with -y, so descriptors show their
// paths, and -s 0, so only file names are printed in full).
struct TracedCall {
    std::string syscall;             // e.g. "write", "renameat2"
    std::vector<std::string> paths;  // descriptor paths and file names, in argument order
    std::string result;              // the text after " = "
    std::string line;                // the whole line, for messages
};

struct TracedRun {
    DriverRun driver;
    std::vector<TracedCall> calls;
};

// Runs the driver with args under "strace -f -y -s 0 -e trace=<syscalls>"
// plus extraOptions (e.g. an -e inject=...), logging to a file in logFolder.
TracedRun TraceDriver(const std::string& syscalls, const std::vector<std::string>& extraOptions,
                      const std::vector<std::string>& args, const std::string& logFolder);

// True when the call's first path starts with prefix.
bool CallOn(const TracedCall& call, const std::string& prefix);

// The number strace's "when=" gives the n-th (1-based) call of syscall whose
// first path starts with prefix: its position among all calls of syscall.
// Returns 0 when there are fewer than n such calls.
int CallNumber(const std::vector<TracedCall>& calls, const std::string& syscall,
               const std::string& prefix, int n);

// Every call whose first path starts with prefix, in order.
std::vector<TracedCall> CallsOn(const std::vector<TracedCall>& calls, const std::string& prefix);
