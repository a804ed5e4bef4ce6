// FailureList: what the completion message adds when files could not be
// written.
#pragma once

#include <string>

#include "engine/DataFolder.h"

// The most failures listed by name; the rest are counted.
inline constexpr int kMaxListedFailures = 10;

// Returns the paragraph that lists report's real failures (absent optional
// files are no failures): each file's name and a short reason, at most
// kMaxListedFailures, then how many more. Returns the empty text when there
// are none.
std::string DescribeFailures(const OperationReport& report);

// Returns a short reason for status, for a user.
std::string DescribeFileStatus(FileStatus status);
