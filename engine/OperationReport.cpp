#include <algorithm>

#include "engine/DataFolder.h"

bool IsFailure(FileStatus status) {
    switch (status) {
        case FileStatus::kCopied:
        case FileStatus::kAbsent:
        case FileStatus::kNotRegular:
            return false;
        default:
            return true;
    }
}

std::vector<FileResult> OperationReport::Failures() const {
    std::vector<FileResult> failures;
    for (const FileResult& file : files) {
        if (IsFailure(file.status)) {
            failures.push_back(file);
        }
    }
    return failures;
}

bool OperationReport::HasFailures() const {
    return std::any_of(files.begin(), files.end(),
                       [](const FileResult& file) { return IsFailure(file.status); });
}
