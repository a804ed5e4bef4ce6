// ReportRows: an OperationReport as plain rows (status name, errno, file
// name), the form in which fault_driver prints it and the tests read it, so
// that in-process and driver runs are checked alike and a failed assertion
// names the status in words.
#pragma once

#include <string>
#include <vector>

#include "engine/DataFolder.h"

struct ReportRow {
    std::string status;  // the FileStatus enumerator's name, e.g. "kDiskFull"
    int systemError = 0;
    std::string name;
};

// The enumerator's name of status.
const char* StatusName(FileStatus status);

// Every row of report, in its order.
std::vector<ReportRow> RowsOf(const OperationReport& report);

// The row for name, or a row of status "<no row>" when there is none.
ReportRow FindRow(const std::vector<ReportRow>& rows, const std::string& name);

// Runs RunOperation in this process and returns its report's rows; result,
// when given, receives its 1/0 result.
std::vector<ReportRow> RunAndReport(int kind, const std::string& src, const std::string& dst,
                                    const std::string& title, int* result = nullptr);

// The rows one a line, for assertion messages.
std::string Describe(const std::vector<ReportRow>& rows);
