#include "ReportRows.h"

const char* StatusName(FileStatus status) {
    switch (status) {
        case FileStatus::kCopied:
            return "kCopied";
        case FileStatus::kAbsent:
            return "kAbsent";
        case FileStatus::kNotRegular:
            return "kNotRegular";
        case FileStatus::kPathTooLong:
            return "kPathTooLong";
        case FileStatus::kSameFile:
            return "kSameFile";
        case FileStatus::kSourceUnreadable:
            return "kSourceUnreadable";
        case FileStatus::kCreateFailed:
            return "kCreateFailed";
        case FileStatus::kReadOnly:
            return "kReadOnly";
        case FileStatus::kNameClash:
            return "kNameClash";
        case FileStatus::kWriteFailed:
            return "kWriteFailed";
        case FileStatus::kDiskFull:
            return "kDiskFull";
        case FileStatus::kFolderUnreadable:
            return "kFolderUnreadable";
        case FileStatus::kStopped:
            return "kStopped";
    }
    return "unknown";
}

std::vector<ReportRow> RowsOf(const OperationReport& report) {
    std::vector<ReportRow> rows;
    for (const FileResult& file : report.files) {
        rows.push_back(ReportRow{StatusName(file.status), file.systemError, file.name});
    }
    return rows;
}

ReportRow FindRow(const std::vector<ReportRow>& rows, const std::string& name) {
    for (const ReportRow& row : rows) {
        if (row.name == name) {
            return row;
        }
    }
    return ReportRow{"<no row>", 0, name};
}

std::vector<ReportRow> RunAndReport(int kind, const std::string& src, const std::string& dst,
                                    const std::string& title, int* result) {
    NoWaitIndicator cursor;
    OperationReport report;
    const int ran = RunOperation(cursor, kind, src, dst, title, &report);
    if (result != nullptr) {
        *result = ran;
    }
    return RowsOf(report);
}

std::string Describe(const std::vector<ReportRow>& rows) {
    std::string text;
    for (const ReportRow& row : rows) {
        text +=
            "  " + row.status + " errno " + std::to_string(row.systemError) + " " + row.name + "\n";
    }
    return text;
}
