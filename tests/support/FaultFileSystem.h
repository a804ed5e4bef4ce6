// FaultFileSystem: the system's own file system with one fault planted in
// it, so that the engine meets, on any system and for any user, the failures
// that real media give only now and then.
//
// A fault is the Nth call of one operation (or every call): it fails with a chosen errno
// after doing what a real failure may already have done (half of a write or
// of a kernel copy is written; a listing keeps the names it read first), and
// may run a hook just before (another program creates a file, changes the
// source). Every call is counted, so a test can first count the calls of a
// clean run and then fail each of them in turn.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

#include "engine/FileSystemWrapper.h"

// The operations a fault can be planted in.
enum class FsCall {
    kQueryPath,
    kOpenForReading,
    kQueryOpenFile,
    kReadSome,
    kRewind,
    kCopyWithinSystem,
    kWriteAll,
    kCreateNewFile,
    kCreateUnnamedFile,
    kNameUnnamedFile,
    kWriteAccessRefusal,
    kSetPermissions,
    kSetOwner,
    kFlushWrittenFile,
    kCloseFile,
    kFlushVolumeOf,
    kRenameReplacing,
    kRenameWithoutReplacing,
    kListFolder,
    kMakeFolder,
};
inline constexpr std::size_t kFsCallCount = static_cast<std::size_t>(FsCall::kMakeFolder) + 1;

// The operation's name, for test names and messages.
const char* NameOf(FsCall call);

struct Fault {
    FsCall call = FsCall::kQueryPath;
    int nth = 1;                   // which call fails: 1 for the first, 0 for every one
    int error = 0;                 // the errno it fails with; 0: it succeeds, after the hook
    std::size_t listingKeeps = 0;  // kListFolder: names kept before the failure
    // Runs just before the call, given its path ("" for a call on an open
    // file).
    std::function<void(const std::string& path)> before{};
};

class FaultFileSystem : public FileSystemWrapper {
  public:
    // Wraps FileSystem::Default().
    FaultFileSystem();

    // Plants fault beside those planted before; each fires at its call.
    void Plant(Fault fault) { faults_.push_back(std::move(fault)); }

    // Makes every ReadSome return at most bytes bytes (0: as many as asked).
    void LimitReads(std::size_t bytes) { readLimit_ = bytes; }

    // How many times call was made so far.
    int Calls(FsCall call) const { return calls_[static_cast<std::size_t>(call)]; }

    // True once a planted fault has been reached.
    bool Fired() const { return fired_; }

    int QueryPath(const std::string& path, FileFacts& facts) override;
    int OpenForReading(const std::string& path, FileHandle& file, FileFacts& facts) override;
    int QueryOpenFile(const FileHandle& file, FileFacts& facts) override;
    int ReadSome(const FileHandle& file, char* buffer, std::size_t size, std::size_t& got) override;
    int Rewind(const FileHandle& file) override;
    int CopyWithinSystem(const FileHandle& from, const FileHandle& to, std::uint64_t size) override;
    int WriteAll(const FileHandle& file, const char* data, std::size_t size) override;
    int CreateNewFile(const std::string& path, FileHandle& file) override;
    int CreateUnnamedFile(const std::string& directory, FileHandle& file) override;
    int NameUnnamedFile(const FileHandle& file, const std::string& path) override;
    int WriteAccessRefusal(const std::string& path) override;
    int SetPermissions(const FileHandle& file, std::uint32_t permissions) override;
    int SetOwner(const FileHandle& file, std::uint32_t owner, std::uint32_t group) override;
    int FlushWrittenFile(const FileHandle& file, bool replacing) override;
    int CloseFile(FileHandle& file) override;
    int FlushVolumeOf(const std::string& directory) override;
    int RenameReplacing(const std::string& from, const std::string& to) override;
    int RenameWithoutReplacing(const std::string& from, const std::string& to) override;
    int ListFolder(const std::string& directory, std::vector<std::string>& names) override;
    int MakeFolder(const std::string& path) override;

  private:
    // Counts call; when a fault is planted at it, runs its hook and returns
    // it when it fails.
    const Fault* Hit(FsCall call, const std::string& path = {});

    std::array<int, kFsCallCount> calls_{};
    std::vector<Fault> faults_;
    bool fired_ = false;
    std::size_t readLimit_ = 0;
};
