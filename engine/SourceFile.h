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
    FileHandle file;  // open for reading when opened()
    FileFacts facts;  // the opened file's facts then
    // Why it was not opened: kAbsent when no entry of that name exists;
    // kNotRegular for a folder, FIFO, socket, device or dangling link;
    // kSourceUnreadable with the errno when the open or a status query failed.
    FileStatus refusal = FileStatus::kSourceUnreadable;
    int systemError = 0;

    bool opened() const { return file.valid(); }
};

// Opens path of fs for reading; see SourceFile for the outcomes.
SourceFile OpenSourceFile(FileSystem& fs, const std::string& path);
