#include "engine/SourceFile.h"

#include <cerrno>

namespace {

SourceFile Refused(FileStatus refusal, int systemError) {
    SourceFile file;
    file.refusal = refusal;
    file.systemError = systemError;
    return file;
}

// Why the query failed: a missing entry, a link to nothing, or a real error.
SourceFile QueryFailure(FileSystem& fs, const std::string& path, int systemError) {
    if (systemError != ENOENT && systemError != ENOTDIR) {
        return Refused(FileStatus::kSourceUnreadable, systemError);
    }
    if (fs.EntryExists(path)) {
        return Refused(FileStatus::kNotRegular, 0);
    }
    return Refused(FileStatus::kAbsent, systemError);
}

}  // namespace

SourceFile OpenSourceFile(FileSystem& fs, const std::string& path) {
    FileFacts facts;
    if (const int error = fs.QueryPath(path, facts)) {
        return QueryFailure(fs, path, error);
    }
    if (facts.kind != EntryKind::kRegular) {
        return Refused(FileStatus::kNotRegular, 0);
    }
    SourceFile source;
    if (const int error = fs.OpenForReading(path, source.file, source.facts)) {
        return Refused(FileStatus::kSourceUnreadable, error);
    }
    if (source.facts.kind != EntryKind::kRegular) {
        return Refused(FileStatus::kNotRegular, 0);
    }
    return source;
}
