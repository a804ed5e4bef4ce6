#include "engine/SourceFile.h"

#include <cerrno>

namespace {

SourceFile Refused(FileStatus status, int systemError) {
    SourceFile file;
    file.status = status;
    file.systemError = systemError;
    return file;
}

// Why the query failed: a missing entry, a link to nothing, or a real error.
SourceFile QueryFailure(const std::string& path, int systemError) {
    if (systemError != ENOENT && systemError != ENOTDIR) {
        return Refused(FileStatus::kSourceUnreadable, systemError);
    }
    if (EntryExists(path)) {
        return Refused(FileStatus::kNotRegular, 0);
    }
    return Refused(FileStatus::kAbsent, systemError);
}

}  // namespace

SourceFile OpenSourceFile(const std::string& path) {
    FileFacts facts;
    if (const int error = QueryPath(path, facts)) {
        return QueryFailure(path, error);
    }
    if (facts.kind != EntryKind::kRegular) {
        return Refused(FileStatus::kNotRegular, 0);
    }
    SourceFile source;
    if (const int error = OpenForReading(path, source.file, source.facts)) {
        return Refused(FileStatus::kSourceUnreadable, error);
    }
    if (source.facts.kind != EntryKind::kRegular) {
        return Refused(FileStatus::kNotRegular, 0);
    }
    source.status = FileStatus::kCopied;
    return source;
}
