#include "app/CliReport.h"

#include <cstdio>

#include "dialog/FailureList.h"
#include "platform/TextEncoding.h"

namespace {

const char* ResultName(FileStatus status) {
    switch (status) {
        case FileStatus::kCopied:
            return "copied";
        case FileStatus::kAbsent:
            return "absent";
        case FileStatus::kNotRegular:
            return "not-regular";
        case FileStatus::kPathTooLong:
            return "path-too-long";
        case FileStatus::kSameFile:
            return "same-file";
        case FileStatus::kSourceUnreadable:
            return "source-unreadable";
        case FileStatus::kCreateFailed:
            return "create-failed";
        case FileStatus::kReadOnly:
            return "read-only";
        case FileStatus::kNameClash:
            return "name-clash";
        case FileStatus::kWriteFailed:
            return "write-failed";
        case FileStatus::kDiskFull:
            return "disk-full";
        case FileStatus::kFolderUnreadable:
            return "folder-unreadable";
        case FileStatus::kStopped:
            return "stopped";
    }
    return "unknown";
}

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char ch : text) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (static_cast<unsigned char>(ch) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(ch));
            out += escape;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string Field(const char* name, const std::string& json) {
    return Quoted(name) + ":" + json;
}

}  // namespace

std::string CliJson(const CliRequest& request, const CliOutcome& outcome) {
    std::string rows;
    for (const FileResult& row : outcome.report.files) {
        rows += (rows.empty() ? "{" : ",{") + Field("name", Quoted(DecodePath(row.name))) + "," +
                Field("result", Quoted(ResultName(row.status))) + "," +
                Field("reason", Quoted(DescribeFileStatus(row.status))) + "," +
                Field("error", std::to_string(row.systemError)) + "}";
    }
    return "{" + Field("operation", Quoted(CommandName(request.kind))) + "," +
           Field("from", Quoted(DecodePath(outcome.source))) + "," +
           Field("to", Quoted(DecodePath(outcome.destination))) + "," +
           Field("exit", std::to_string(outcome.exitStatus)) + "," +
           Field("message", Quoted(outcome.message)) + "," + Field("files", "[" + rows + "]") +
           "}\n";
}

std::string CliLogLine(const CliRequest& request, const CliOutcome& outcome, const std::tm& now) {
    std::size_t copied = 0;
    std::size_t stopped = 0;
    std::size_t failed = 0;
    for (const FileResult& row : outcome.report.files) {
        copied += row.status == FileStatus::kCopied ? 1 : 0;
        stopped += row.status == FileStatus::kStopped ? 1 : 0;
        failed += IsFailure(row.status) && row.status != FileStatus::kStopped ? 1 : 0;
    }
    char time[32];
    std::strftime(time, sizeof time, "%Y-%m-%d %H:%M:%S", &now);
    return std::string(time) + " " + std::string(CommandName(request.kind)) + " " +
           Quoted(DecodePath(outcome.source)) + " " + Quoted(DecodePath(outcome.destination)) +
           " copied=" + std::to_string(copied) + " failed=" + std::to_string(failed) +
           " stopped=" + std::to_string(stopped) + " exit=" + std::to_string(outcome.exitStatus) +
           "\n";
}
