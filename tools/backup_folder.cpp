// backup-folder: backs up one data folder into another with the engine, as
// the dialog's backup does, keeping the source's title. Built for Linux and
// for Windows, so that the two builds' copies of one sample folder can be
// compared byte for byte and timed.
//
//   backup-folder <source folder text> <destination folder text>
//
// Folder texts are plain prefixes: end them with a separator. Exits 0 when
// every file was copied or skipped, 1 when a file failed (each failure is
// printed), 2 on a usage error.
#include <cstdio>
#include <string>

#include "engine/DataFolder.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: backup-folder <source folder> <destination folder>\n", stderr);
        return 2;
    }
    const char* source = argv[1];
    const char* destination = argv[2];
    std::string title;
    ReadTitle(source, title);
    NoWaitIndicator indicator;
    OperationReport report;
    RunOperation(indicator, KIND_BACKUP, source, destination, title, &report);
    for (const FileResult& failure : report.Failures()) {
        std::fprintf(stderr, "backup-folder: %s: status %d, error %d\n", failure.name.c_str(),
                     static_cast<int>(failure.status), failure.systemError);
    }
    std::printf("%zu rows, %zu failed\n", report.files.size(), report.Failures().size());
    return report.HasFailures() ? 1 : 0;
}
