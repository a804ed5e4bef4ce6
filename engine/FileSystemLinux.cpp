#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "engine/FileSystem.h"

const std::string_view kPathSeparators = "/";

namespace {

int Fd(const FileHandle& file) {
    return static_cast<int>(file.native());
}

FileFacts FactsOf(const struct stat& info) {
    FileFacts facts;
    facts.kind = S_ISREG(info.st_mode)   ? EntryKind::kRegular
                 : S_ISDIR(info.st_mode) ? EntryKind::kDirectory
                                         : EntryKind::kOther;
    facts.identity = {static_cast<std::uint64_t>(info.st_dev),
                      static_cast<std::uint64_t>(info.st_ino)};
    facts.permissions = info.st_mode & 07777;
    facts.readOnly = (info.st_mode & S_IWUSR) == 0;
    facts.owner = info.st_uid;
    facts.group = info.st_gid;
    facts.size = static_cast<std::uint64_t>(info.st_size);
    facts.modified = std::int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec;
    return facts;
}

const char* DirectoryPath(const std::string& directory) {
    return directory.empty() ? "." : directory.c_str();
}

// An unnamed file is named through its descriptor's path under /proc, which
// a chroot or a container may lack: then named temporaries must do.
bool HaveOwnDescriptorPaths() {
    static const bool have = ::access("/proc/self/fd", X_OK) == 0;
    return have;
}

// Errors by which a kernel or a file system without O_TMPFILE refuses it.
bool RefusesUnnamedFiles(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL || error == ENOSYS;
}

// Errors by which copy_file_range says it cannot copy between two files
// (other file systems on older kernels, no such call, a file system without
// it), before it has copied anything.
bool CannotCopyBetween(int error) {
    return error == EXDEV || error == ENOSYS || error == EINVAL || error == EOPNOTSUPP ||
           error == EBADF;
}

// The kernel copies a large file in pieces, so that no single call runs for
// long and a refusal part-way is told from one before anything was copied.
constexpr std::uint64_t kCopyPieceBytes = std::uint64_t{512} * 1024;

// A new file at least this large has its writeback started on its own.
constexpr off_t kWrittenBackAloneBytes = off_t{128} * 1024;

// Errors by which renameat2 says the file system cannot refuse to replace.
bool CannotRefuseReplacing(int error) {
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

// Errors by which link says the file system has no hard links.
bool HasNoHardLinks(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK;
}

// Most FUSE servers (ntfs-3g, exfat-fuse: USB sticks) are never told of a
// syncfs; a file or folder flushed on its own is passed on to them.
bool IsOnFuse(int fd) {
    constexpr decltype(statfs::f_type) kFuseMagic = 0x65735546;
    struct statfs info {};
    return ::fstatfs(fd, &info) == 0 && info.f_type == kFuseMagic;
}

// A file marked read-only on Windows keeps its owner write bit on an NTFS
// stick (ntfs-3g, ntfs3), which shows the mark as an extended attribute; it
// stays as Windows would keep it.
bool HasWindowsReadOnlyMark(const std::string& path, const FileFacts& facts) {
    constexpr unsigned char kReadOnlyAttribute = 0x01;
    unsigned char attributes[4] = {};  // big-endian
    return facts.kind == EntryKind::kRegular &&
           ::getxattr(path.c_str(), "system.ntfs_attrib_be", attributes, sizeof attributes) ==
               sizeof attributes &&
           (attributes[3] & kReadOnlyAttribute) != 0;
}

bool IsDotOrDotDot(const char* name) {
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

// The system's own file system: every call goes straight to the system.
class LinuxFileSystem final : public FileSystem {
  public:
    int QueryPath(const std::string& path, FileFacts& facts) override;
    bool EntryExists(const std::string& path) override;
    int OpenForReading(const std::string& path, FileHandle& file, FileFacts& facts) override;
    int QueryOpenFile(const FileHandle& file, FileFacts& facts) override;
    int ReadSome(const FileHandle& file, char* buffer, std::size_t size, std::size_t& got) override;
    int Rewind(const FileHandle& file) override;
    bool CopiesWithinSystem() const override { return true; }
    int CopyWithinSystem(const FileHandle& from, const FileHandle& to, std::uint64_t size) override;
    int WriteAll(const FileHandle& file, const char* data, std::size_t size) override;
    int CreateNewFile(const std::string& path, FileHandle& file) override;
    int CreateUnnamedFile(const std::string& directory, FileHandle& file) override;
    int NameUnnamedFile(const FileHandle& file, const std::string& path) override;
    int WriteAccessRefusal(const std::string& path) override;
    int SetPermissions(const FileHandle& file, std::uint32_t permissions) override;
    int SetOwner(const FileHandle& file, std::uint32_t owner, std::uint32_t group) override;
    int FlushWrittenFile(const FileHandle& file, bool replacing) override;
    int CloseFile(FileHandle& file) override { return file.Close(); }
    int FlushVolumeOf(const std::string& directory) override;
    int RenameReplacing(const std::string& from, const std::string& to) override;
    int RenameWithoutReplacing(const std::string& from, const std::string& to) override;
    bool IsOutOfSpace(int error) const override;
    void RemoveFile(const std::string& path) override;
    int ListFolder(const std::string& directory, std::vector<std::string>& names) override;
    int MakeFolder(const std::string& path) override;
    std::size_t PathBytes(std::string_view path) const override;
    std::string FolderTextFromFamilyText(std::string_view text) const override;
};

}  // namespace

FileSystem& FileSystem::Default() {
    static LinuxFileSystem system;
    return system;
}

int FileHandle::Close() {
    if (handle_ == kNone) {
        return 0;
    }
    const int fd = static_cast<int>(handle_);
    handle_ = kNone;
    return ::close(fd) == 0 ? 0 : errno;
}

int LinuxFileSystem::QueryPath(const std::string& path, FileFacts& facts) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return errno;
    }
    facts = FactsOf(info);
    facts.readOnly = facts.readOnly || HasWindowsReadOnlyMark(path, facts);
    return 0;
}

bool LinuxFileSystem::EntryExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

int LinuxFileSystem::OpenForReading(const std::string& path, FileHandle& file, FileFacts& facts) {
    // O_NONBLOCK: should the entry be a FIFO after all, the open returns at
    // once instead of waiting for a writer.
    FileHandle opened(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!opened.valid()) {
        return errno;
    }
    struct stat info {};
    if (::fstat(Fd(opened), &info) != 0) {
        return errno;
    }
    facts = FactsOf(info);
    file = std::move(opened);
    return 0;
}

int LinuxFileSystem::QueryOpenFile(const FileHandle& file, FileFacts& facts) {
    struct stat info {};
    if (::fstat(Fd(file), &info) != 0) {
        return errno;
    }
    facts = FactsOf(info);
    return 0;
}

int LinuxFileSystem::ReadSome(const FileHandle& file, char* buffer, std::size_t size,
                              std::size_t& got) {
    ssize_t read = 0;
    do {
        read = ::read(Fd(file), buffer, size);
    } while (read < 0 && errno == EINTR);
    if (read < 0) {
        return errno;
    }
    got = static_cast<std::size_t>(read);
    return 0;
}

int LinuxFileSystem::Rewind(const FileHandle& file) {
    return ::lseek(Fd(file), 0, SEEK_SET) == 0 ? 0 : errno;
}

int LinuxFileSystem::CopyWithinSystem(const FileHandle& from, const FileHandle& to,
                                      std::uint64_t size) {
    loff_t offset = 0;
    while (static_cast<std::uint64_t>(offset) < size) {
        const ssize_t copied =
            ::copy_file_range(Fd(from), &offset, Fd(to), nullptr,
                              static_cast<std::size_t>(std::min(
                                  size - static_cast<std::uint64_t>(offset), kCopyPieceBytes)),
                              0);
        if (copied < 0 && errno == EINTR) {
            continue;
        }
        if (copied < 0 && offset == 0 && CannotCopyBetween(errno)) {
            return EOPNOTSUPP;
        }
        if (copied < 0) {
            // Part is written: no refusal may pass for "nothing written".
            return errno == EOPNOTSUPP ? EIO : errno;
        }
        if (copied == 0) {
            // The source ended early, or the file system copies nothing this
            // way: never a complete copy.
            return offset == 0 ? EOPNOTSUPP : EIO;
        }
    }
    return 0;
}

int LinuxFileSystem::WriteAll(const FileHandle& file, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(Fd(file), data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? errno : EIO;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

int LinuxFileSystem::CreateNewFile(const std::string& path, FileHandle& file) {
    FileHandle created(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
    if (!created.valid()) {
        return errno;
    }
    file = std::move(created);
    return 0;
}

int LinuxFileSystem::CreateUnnamedFile(const std::string& directory, FileHandle& file) {
    if (!HaveOwnDescriptorPaths()) {
        return EOPNOTSUPP;
    }
    FileHandle created(::open(DirectoryPath(directory), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (!created.valid()) {
        return RefusesUnnamedFiles(errno) ? EOPNOTSUPP : errno;
    }
    file = std::move(created);
    return 0;
}

int LinuxFileSystem::NameUnnamedFile(const FileHandle& file, const std::string& path) {
    // linkat with AT_EMPTY_PATH would need CAP_DAC_READ_SEARCH; the
    // descriptor's path under /proc links the same file for any user.
    const std::string own = "/proc/self/fd/" + std::to_string(Fd(file));
    return ::linkat(AT_FDCWD, own.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0
                                                                                           : errno;
}

int LinuxFileSystem::WriteAccessRefusal(const std::string& path) {
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 ? errno : 0;
}

int LinuxFileSystem::SetPermissions(const FileHandle& file, std::uint32_t permissions) {
    return ::fchmod(Fd(file), static_cast<mode_t>(permissions)) == 0 ? 0 : errno;
}

int LinuxFileSystem::SetOwner(const FileHandle& file, std::uint32_t owner, std::uint32_t group) {
    // Only root may give a file away; anyone else stays its owner and keeps
    // the group where they belong to it.
    const uid_t user = ::geteuid() == 0 ? static_cast<uid_t>(owner) : static_cast<uid_t>(-1);
    return ::fchown(Fd(file), user, static_cast<gid_t>(group)) == 0 ? 0 : errno;
}

int LinuxFileSystem::FlushWrittenFile(const FileHandle& file, bool replacing) {
    if (replacing || IsOnFuse(Fd(file))) {
        return ::fsync(Fd(file)) == 0 ? 0 : errno;
    }
    // A new file only has its writeback started: the disk works on it while
    // the next file is read and translated, and the volume's flush at the end
    // of the operation finds little left to wait for. Small files are left to
    // that flush, which writes many together (a write of each on its own made
    // a backup of 2,000 small files slower). A file system that cannot start
    // writeback on its own (EINVAL, ESPIPE) leaves it all to that flush.
    struct stat info {};
    if (::fstat(Fd(file), &info) == 0 && info.st_size < kWrittenBackAloneBytes) {
        return 0;
    }
    if (::sync_file_range(Fd(file), 0, 0, SYNC_FILE_RANGE_WRITE) != 0 && errno != EINVAL &&
        errno != ESPIPE) {
        return errno;
    }
    return 0;
}

int LinuxFileSystem::FlushVolumeOf(const std::string& directory) {
    FileHandle folder(::open(DirectoryPath(directory), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid() || ::syncfs(Fd(folder)) != 0) {
        return errno;
    }
    if (!IsOnFuse(Fd(folder))) {
        return 0;
    }
    // The folder's new entries, which syncfs does not reach there either;
    // then what the FUSE server has written to its device or image, which
    // some servers (fusefat) never flush themselves.
    if (::fsync(Fd(folder)) != 0) {
        return errno;
    }
    ::sync();
    return 0;
}

int LinuxFileSystem::RenameReplacing(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int LinuxFileSystem::RenameWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (!CannotRefuseReplacing(errno)) {
        return errno;
    }
    // A hard link is never made over an existing entry either.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return 0;
    }
    if (!HasNoHardLinks(errno)) {
        return errno;
    }
    // Neither (FAT): what stands under the name now is kept; only one that
    // appears between this look and the rename could still be lost.
    if (EntryExists(to)) {
        return EEXIST;
    }
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

bool LinuxFileSystem::IsOutOfSpace(int error) const {
    return error == ENOSPC || error == EDQUOT;
}

void LinuxFileSystem::RemoveFile(const std::string& path) {
    ::unlink(path.c_str());
}

int LinuxFileSystem::ListFolder(const std::string& directory, std::vector<std::string>& names) {
    DIR* dir = ::opendir(DirectoryPath(directory));
    if (dir == nullptr) {
        return errno;
    }
    int error = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            error = errno;
            break;
        }
        if (!IsDotOrDotDot(entry->d_name)) {
            names.emplace_back(entry->d_name);
        }
    }
    ::closedir(dir);
    return error;
}

int LinuxFileSystem::MakeFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0777) == 0 ? 0 : errno;
}

std::size_t LinuxFileSystem::PathBytes(std::string_view path) const {
    return path.size();
}

std::string LinuxFileSystem::FolderTextFromFamilyText(std::string_view text) const {
    return std::string(text);
}
