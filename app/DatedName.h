// DatedName: a new directory name that may hold the date and time of the
// run, so that a scheduled backup goes to a folder of its own each day.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

// Returns name with %Y (year, four digits), %m, %d, %H and %M (two digits)
// replaced by when's, and %% by %; every other byte stays as it is.
std::string ExpandDate(std::string_view name, const std::tm& when);
