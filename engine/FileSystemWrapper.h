// FileSystemWrapper: a FileSystem that passes every call on to another, so
// that a subclass can change one operation and leave the rest as they are
// (the tests' fault file system is one).
#pragma once

#include "engine/FileSystem.h"

class FileSystemWrapper : public FileSystem {
  public:
    // Passes every call on to target, which must outlive the wrapper.
    explicit FileSystemWrapper(FileSystem& target) : target_(target) {}

    FileSystem& target() const { return target_; }

    int QueryPath(const std::string& path, FileFacts& facts) override {
        return target_.QueryPath(path, facts);
    }
    bool EntryExists(const std::string& path) override { return target_.EntryExists(path); }
    int OpenForReading(const std::string& path, FileHandle& file, FileFacts& facts) override {
        return target_.OpenForReading(path, file, facts);
    }
    int QueryOpenFile(const FileHandle& file, FileFacts& facts) override {
        return target_.QueryOpenFile(file, facts);
    }
    int ReadSome(const FileHandle& file, char* buffer, std::size_t size,
                 std::size_t& got) override {
        return target_.ReadSome(file, buffer, size, got);
    }
    int Rewind(const FileHandle& file) override { return target_.Rewind(file); }
    bool CopiesWithinSystem() const override { return target_.CopiesWithinSystem(); }
    int CopyWithinSystem(const FileHandle& from, const FileHandle& to,
                         std::uint64_t size) override {
        return target_.CopyWithinSystem(from, to, size);
    }
    int WriteAll(const FileHandle& file, const char* data, std::size_t size) override {
        return target_.WriteAll(file, data, size);
    }
    int CreateNewFile(const std::string& path, FileHandle& file) override {
        return target_.CreateNewFile(path, file);
    }
    int CreateUnnamedFile(const std::string& directory, FileHandle& file) override {
        return target_.CreateUnnamedFile(directory, file);
    }
    int NameUnnamedFile(const FileHandle& file, const std::string& path) override {
        return target_.NameUnnamedFile(file, path);
    }
    int WriteAccessRefusal(const std::string& path) override {
        return target_.WriteAccessRefusal(path);
    }
    int SetPermissions(const FileHandle& file, std::uint32_t permissions) override {
        return target_.SetPermissions(file, permissions);
    }
    int SetOwner(const FileHandle& file, std::uint32_t owner, std::uint32_t group) override {
        return target_.SetOwner(file, owner, group);
    }
    int FlushWrittenFile(const FileHandle& file, bool replacing) override {
        return target_.FlushWrittenFile(file, replacing);
    }
    int CloseFile(FileHandle& file) override { return target_.CloseFile(file); }
    int FlushVolumeOf(const std::string& directory) override {
        return target_.FlushVolumeOf(directory);
    }
    int RenameReplacing(const std::string& from, const std::string& to) override {
        return target_.RenameReplacing(from, to);
    }
    int RenameWithoutReplacing(const std::string& from, const std::string& to) override {
        return target_.RenameWithoutReplacing(from, to);
    }
    bool IsOutOfSpace(int error) const override { return target_.IsOutOfSpace(error); }
    void RemoveFile(const std::string& path) override { target_.RemoveFile(path); }
    int ListFolder(const std::string& directory, std::vector<std::string>& names) override {
        return target_.ListFolder(directory, names);
    }
    int MakeFolder(const std::string& path) override { return target_.MakeFolder(path); }
    std::size_t PathBytes(std::string_view path) const override { return target_.PathBytes(path); }
    std::string FolderTextFromFamilyText(std::string_view text) const override {
        return target_.FolderTextFromFamilyText(text);
    }

  private:
    FileSystem& target_;
};
