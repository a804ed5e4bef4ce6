#include "tests/support/FaultFileSystem.h"

#include <algorithm>
#include <cerrno>

const char* NameOf(FsCall call) {
    static constexpr std::array<const char*, kFsCallCount> kNames = {
        "QueryPath",
        "OpenForReading",
        "QueryOpenFile",
        "ReadSome",
        "Rewind",
        "CopyWithinSystem",
        "WriteAll",
        "CreateNewFile",
        "CreateUnnamedFile",
        "NameUnnamedFile",
        "WriteAccessRefusal",
        "SetPermissions",
        "SetOwner",
        "FlushWrittenFile",
        "CloseFile",
        "FlushVolumeOf",
        "RenameReplacing",
        "RenameWithoutReplacing",
        "ListFolder",
        "MakeFolder",
    };
    return kNames[static_cast<std::size_t>(call)];
}

FaultFileSystem::FaultFileSystem() : FileSystemWrapper(FileSystem::Default()) {}

const Fault* FaultFileSystem::Hit(FsCall call, const std::string& path) {
    const int count = ++calls_[static_cast<std::size_t>(call)];
    for (const Fault& fault : faults_) {
        if (fault.call == call && (fault.nth == count || fault.nth == 0)) {
            fired_ = true;
            if (fault.before) {
                fault.before(path);
            }
            return fault.error != 0 ? &fault : nullptr;
        }
    }
    return nullptr;
}

int FaultFileSystem::QueryPath(const std::string& path, FileFacts& facts) {
    const Fault* fault = Hit(FsCall::kQueryPath, path);
    return fault ? fault->error : FileSystemWrapper::QueryPath(path, facts);
}

int FaultFileSystem::OpenForReading(const std::string& path, FileHandle& file, FileFacts& facts) {
    const Fault* fault = Hit(FsCall::kOpenForReading, path);
    return fault ? fault->error : FileSystemWrapper::OpenForReading(path, file, facts);
}

int FaultFileSystem::QueryOpenFile(const FileHandle& file, FileFacts& facts) {
    const Fault* fault = Hit(FsCall::kQueryOpenFile);
    return fault ? fault->error : FileSystemWrapper::QueryOpenFile(file, facts);
}

int FaultFileSystem::ReadSome(const FileHandle& file, char* buffer, std::size_t size,
                              std::size_t& got) {
    if (const Fault* fault = Hit(FsCall::kReadSome)) {
        return fault->error;
    }
    return FileSystemWrapper::ReadSome(file, buffer,
                                       readLimit_ != 0 ? std::min(size, readLimit_) : size, got);
}

int FaultFileSystem::Rewind(const FileHandle& file) {
    const Fault* fault = Hit(FsCall::kRewind);
    return fault ? fault->error : FileSystemWrapper::Rewind(file);
}

int FaultFileSystem::CopyWithinSystem(const FileHandle& from, const FileHandle& to,
                                      std::uint64_t size) {
    const Fault* fault = Hit(FsCall::kCopyWithinSystem);
    if (!fault) {
        return FileSystemWrapper::CopyWithinSystem(from, to, size);
    }
    // A refusal copies nothing; any other failure may come half-way.
    if (fault->error != EOPNOTSUPP &&
        FileSystemWrapper::CopyWithinSystem(from, to, size / 2) == EOPNOTSUPP) {
        return EOPNOTSUPP;
    }
    return fault->error;
}

int FaultFileSystem::WriteAll(const FileHandle& file, const char* data, std::size_t size) {
    const Fault* fault = Hit(FsCall::kWriteAll);
    if (!fault) {
        return FileSystemWrapper::WriteAll(file, data, size);
    }
    static_cast<void>(FileSystemWrapper::WriteAll(file, data, size / 2));
    return fault->error;
}

int FaultFileSystem::CreateNewFile(const std::string& path, FileHandle& file) {
    const Fault* fault = Hit(FsCall::kCreateNewFile, path);
    return fault ? fault->error : FileSystemWrapper::CreateNewFile(path, file);
}

int FaultFileSystem::CreateUnnamedFile(const std::string& directory, FileHandle& file) {
    const Fault* fault = Hit(FsCall::kCreateUnnamedFile, directory);
    return fault ? fault->error : FileSystemWrapper::CreateUnnamedFile(directory, file);
}

int FaultFileSystem::NameUnnamedFile(const FileHandle& file, const std::string& path) {
    const Fault* fault = Hit(FsCall::kNameUnnamedFile, path);
    return fault ? fault->error : FileSystemWrapper::NameUnnamedFile(file, path);
}

int FaultFileSystem::WriteAccessRefusal(const std::string& path) {
    const Fault* fault = Hit(FsCall::kWriteAccessRefusal, path);
    return fault ? fault->error : FileSystemWrapper::WriteAccessRefusal(path);
}

int FaultFileSystem::SetPermissions(const FileHandle& file, std::uint32_t permissions) {
    const Fault* fault = Hit(FsCall::kSetPermissions);
    return fault ? fault->error : FileSystemWrapper::SetPermissions(file, permissions);
}

int FaultFileSystem::SetOwner(const FileHandle& file, std::uint32_t owner, std::uint32_t group) {
    const Fault* fault = Hit(FsCall::kSetOwner);
    return fault ? fault->error : FileSystemWrapper::SetOwner(file, owner, group);
}

int FaultFileSystem::FlushWrittenFile(const FileHandle& file, bool replacing) {
    const Fault* fault = Hit(FsCall::kFlushWrittenFile);
    return fault ? fault->error : FileSystemWrapper::FlushWrittenFile(file, replacing);
}

int FaultFileSystem::CloseFile(FileHandle& file) {
    const Fault* fault = Hit(FsCall::kCloseFile);
    // The file is closed either way, as a failed close leaves it.
    const int closed = FileSystemWrapper::CloseFile(file);
    return fault ? fault->error : closed;
}

int FaultFileSystem::FlushVolumeOf(const std::string& directory) {
    const Fault* fault = Hit(FsCall::kFlushVolumeOf, directory);
    return fault ? fault->error : FileSystemWrapper::FlushVolumeOf(directory);
}

int FaultFileSystem::RenameReplacing(const std::string& from, const std::string& to) {
    const Fault* fault = Hit(FsCall::kRenameReplacing, to);
    return fault ? fault->error : FileSystemWrapper::RenameReplacing(from, to);
}

int FaultFileSystem::RenameWithoutReplacing(const std::string& from, const std::string& to) {
    const Fault* fault = Hit(FsCall::kRenameWithoutReplacing, to);
    return fault ? fault->error : FileSystemWrapper::RenameWithoutReplacing(from, to);
}

int FaultFileSystem::ListFolder(const std::string& directory, std::vector<std::string>& names) {
    const Fault* fault = Hit(FsCall::kListFolder, directory);
    const int listed = FileSystemWrapper::ListFolder(directory, names);
    if (!fault) {
        return listed;
    }
    names.resize(std::min(names.size(), fault->listingKeeps));
    return fault->error;
}

int FaultFileSystem::MakeFolder(const std::string& path) {
    const Fault* fault = Hit(FsCall::kMakeFolder, path);
    return fault ? fault->error : FileSystemWrapper::MakeFolder(path);
}
