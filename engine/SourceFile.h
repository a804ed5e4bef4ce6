// SourceFile: opens a file that is to be read, refusing anything but a
// regular file (or a symbolic link to one).
//
// Folders, FIFOs, sockets, devices and dangling links are skipped without
// ever being opened for reading, so a FIFO named like a data file cannot
// block the copy. The type is checked before the open and again on the open
// file, in case the entry was swapped in between.
#pragma once

#include <string>

#include "engine/DataFolder.h"
#include "engine/FileSystem.h"

struct SourceFile {
    FileStatus status = FileStatus::kSourceUnreadable;
    int systemError = 0;
    FileHandle file;  // open for reading when status is kCopied
    FileFacts facts;  // the opened file's facts then
};

// Opens path for reading. status is kCopied on success (the file is ready to
// copy); kAbsent when no entry of that name exists; kNotRegular for a folder,
// FIFO, socket, device or dangling link; kSourceUnreadable with the errno when
// the open or a status query failed.
SourceFile OpenSourceFile(const std::string& path);
