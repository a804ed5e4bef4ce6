// fault_driver: runs one engine call on given folders and prints what came of
// it, so that the fault tests can run it under strace or as another user.
//
//   fault_driver run KIND SRC DST TITLE    RunOperation, one report row a line
//   fault_driver copy NAME SRC DST         CopyDataFile
//   fault_driver copyall PATTERN SRC DST   CopyDataFiles
//
// A report row is "<status>\t<errno>\t<name>"; the last line is
// "result <n>". All output is written at the end in one go, so that the
// syscalls made while copying are the engine's alone.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ReportRows.h"
#include "engine/DataFolder.h"

namespace {

int Usage() {
    std::fputs(
        "usage: fault_driver run KIND SRC DST TITLE | copy NAME SRC DST |"
        " copyall PATTERN SRC DST\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    std::string output;
    int result = 0;
    if (command == "run" && argc == 6) {
        for (const ReportRow& row :
             RunAndReport(std::atoi(argv[2]), argv[3], argv[4], argv[5], &result)) {
            output += row.status + '\t' + std::to_string(row.systemError) + '\t' + row.name + '\n';
        }
    } else if (command == "copy" && argc == 5) {
        result = CopyDataFile(argv[2], argv[3], argv[4]);
    } else if (command == "copyall" && argc == 5) {
        result = CopyDataFiles(argv[2], argv[3], argv[4]);
    } else {
        return Usage();
    }
    output += "result " + std::to_string(result) + '\n';
    std::fwrite(output.data(), 1, output.size(), stdout);
    return 0;
}
