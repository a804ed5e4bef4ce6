// FailureList: what the completion message adds when files could not be
// written, and why a new directory could not be created.
#pragma once

#include <string>

#include "engine/DataFolder.h"

// The most failures listed by name; the rest are counted.
inline constexpr int kMaxListedFailures = 10;

// Returns the paragraph that lists report's real failures (absent optional
// files are no failures): each file's name and a short reason, at most
// maxListed, then how many more. Returns the empty text when there are none.
std::string DescribeFailures(const OperationReport& report,
                             std::size_t maxListed = kMaxListedFailures);

// Returns a short reason for status, for a user.
std::string DescribeFileStatus(FileStatus status);

// Returns a short reason, for a user, why creating a directory failed with
// errno error; an errno without a reason of its own is given by its number.
std::string DescribeFolderError(int error);
